#pragma once
// Sound cues and chatter sounds. Every sound is a WAV file compiled into the
// program under :/sounds/; one player plays them, the newest stopping the one
// still playing. A cue name without a recording of its own ("turnnew",
// "gameover") plays our alert ding, as the old platform played its default
// alert sound.
#include <QString>
#include <QStringList>

#include <memory>

class QSoundEffect;

// Where the sounds go: the speakers, or a recording in tests.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    // Starts the sound at a resource path (":/sounds/DICE.wav"), returning at
    // once; whatever the sink was playing stops.
    virtual void play(const QString& resourcePath) = 0;
    virtual void stop() = 0;
};

// Plays through QSoundEffect. A machine without an audio output plays
// nothing and says nothing; the effect is made on the first sound, so a
// program that never sounds never opens the audio system.
class EffectSoundSink : public SoundSink {
public:
    EffectSoundSink();
    ~EffectSoundSink() override;
    void play(const QString& resourcePath) override;
    void stop() override;

private:
    std::unique_ptr<QSoundEffect> effect_;
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
