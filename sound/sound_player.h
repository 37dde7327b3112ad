#pragma once
// Sound cues and chatter sounds. Every sound is a WAV file compiled into the
// program under :/sounds/; one player plays them, the newest stopping the one
// still playing. A cue name without a recording of its own ("turnnew",
// "gameover") plays our alert ding, as the old platform played its default
// alert sound.
#include <QString>
#include <QStringList>

#include <memory>

// Where the sounds go: the speakers, or a recording in tests.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    // Starts the sound at a resource path (":/sounds/DICE.wav"), returning at
    // once; whatever the sink was playing stops.
    virtual void play(const QString& resourcePath) = 0;
    virtual void stop() = 0;
};

// Plays through the speakers. The audio system and its many libraries live
// in a module of their own (sound/speakers/), loaded with the first sound:
// the program's start does not wait for them, and a program that never
// sounds never loads them. Without the module or an audio output it plays
// nothing and says nothing.
class EffectSoundSink : public SoundSink {
public:
    // The module's file name, and its folder beside the program or, where
    // the program is installed (in <prefix>/games), in <prefix>/lib/games/kelvoa.
    static constexpr auto ModuleName = "libkelvoa-speakers.so";
    static constexpr auto InstalledFolder = "../lib/games/kelvoa";
    // The function the module exports: a new sink, owned by the caller.
    static constexpr auto Factory = "kelvoa_make_speakers";

    EffectSoundSink();
    ~EffectSoundSink() override;
    void play(const QString& resourcePath) override;
    void stop() override;
    // The module was found and made the speakers' sink.
    bool loaded() const { return speakers_ != nullptr; }

private:
    bool tried_ = false;
    std::unique_ptr<SoundSink> speakers_;
};

class SoundPlayer {
public:
    // The game cues and the chatter sounds, as the resources name them.
    static const QStringList& gameCues();     // "DICE" .. "WINNER"
    static const QStringList& chatterNames(); // "WAVE1" .. "WAVE20"
    static constexpr auto AlertName = "ALERT";

    // Resource path of a recording by name, without regard to case; an
    // unknown name gives the alert; an empty name gives an empty path.
    static QString resourcePath(const QString& name);
    // "turn" for the Classic turn sound, "turnnew" for the New one.
    static QString turnCue(bool newTurnSound);

    // sink null: the speakers.
    explicit SoundPlayer(std::unique_ptr<SoundSink> sink = nullptr);
    ~SoundPlayer();

    // "Play Sounds": on at start.
    void setPlaySounds(bool on) { playSounds_ = on; }
    bool playSounds() const { return playSounds_; }
    // "Play Chatter Sounds": off until the settings are read.
    void setChatterSounds(bool on) { chatterSounds_ = on; }
    bool chatterSounds() const { return chatterSounds_; }

    // A game cue ("dice", "turnnew", ...) under "Play Sounds".
    void playsounds(const QString& cue);
    // A chatter sound ("wave7") under "Play Chatter Sounds". Returns false
    // when the switch is off, so that the caller announces it instead.
    bool playChatter(const QString& name);

    SoundSink& sink() { return *sink_; }

private:
    void start(const QString& name);

    std::unique_ptr<SoundSink> sink_;
    bool playSounds_ = true;
    bool chatterSounds_ = false;
};
