// The speakers, in a module of their own: the audio system's libraries are
// loaded with the first sound, not with the program (see EffectSoundSink).
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

#include "sound_player.h"

namespace {
class Speakers : public SoundSink {
public:
    void play(const QString& resourcePath) override {
        // Asked every time: headphones plugged in later should be heard.
        if (QMediaDevices::defaultAudioOutput().isNull()) return;
        if (!effect_) effect_ = std::make_unique<QSoundEffect>();
        effect_->stop();
        effect_->setSource(QUrl(QStringLiteral("qrc") + resourcePath));
        effect_->play();
    }
    void stop() override {
        if (effect_) effect_->stop();
    }

private:
    std::unique_ptr<QSoundEffect> effect_;
};
} // namespace

extern "C" Q_DECL_EXPORT SoundSink* kelvoa_make_speakers() {
    return new Speakers;
}
