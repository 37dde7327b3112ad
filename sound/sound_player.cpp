#include "sound_player.h"

#include <QCoreApplication>
#include <QLibrary>

EffectSoundSink::EffectSoundSink() = default;
EffectSoundSink::~EffectSoundSink() = default;

void EffectSoundSink::play(const QString& resourcePath) {
    if (!tried_) {
        tried_ = true;
        const QString dir = QCoreApplication::applicationDirPath();
        using Make = SoundSink* (*)();
        for (const QString& folder : {dir, dir + QLatin1Char('/') + QLatin1String(InstalledFolder)}) {
            // Left loaded: the sink it makes lives as long as this one.
            QLibrary module(folder + QLatin1Char('/') + QLatin1String(ModuleName));
            if (const auto make = reinterpret_cast<Make>(module.resolve(Factory))) {
                speakers_.reset(make());
                break;
            }
        }
    }
    if (speakers_) speakers_->play(resourcePath);
}

void EffectSoundSink::stop() {
    if (speakers_) speakers_->stop();
}

const QStringList& SoundPlayer::gameCues() {
    static const QStringList names{"DICE",     "ENTERED", "INVALID", "MOVECHIP", "PUTBACK",
                                   "SENTBACK", "TURN",    "UNABLE",  "WINNER"};
    return names;
}

const QStringList& SoundPlayer::chatterNames() {
    static const QStringList names = [] {
        QStringList n;
        for (int i = 1; i <= 20; ++i)
            n << QStringLiteral("WAVE%1").arg(i);
        return n;
    }();
    return names;
}

QString SoundPlayer::resourcePath(const QString& name) {
    if (name.isEmpty()) return {};
    const auto known = [&](const QStringList& list) {
        return list.contains(name, Qt::CaseInsensitive);
    };
    const QString file = known(gameCues()) || known(chatterNames())
                             ? name.toUpper()
                             : QString::fromLatin1(AlertName);
    return QStringLiteral(":/sounds/%1.wav").arg(file);
}

QString SoundPlayer::turnCue(bool newTurnSound) {
    return newTurnSound ? QStringLiteral("turnnew") : QStringLiteral("turn");
}

SoundPlayer::SoundPlayer(std::unique_ptr<SoundSink> sink) : sink_(std::move(sink)) {
    if (!sink_) sink_ = std::make_unique<EffectSoundSink>();
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::start(const QString& name) {
    const QString path = resourcePath(name);
    if (path.isEmpty()) return;
    sink_->stop();
    sink_->play(path);
}

void SoundPlayer::playsounds(const QString& cue) {
    if (playSounds_) start(cue);
}

bool SoundPlayer::playChatter(const QString& name) {
    if (!chatterSounds_) return false;
    start(name);
    return true;
}
