#pragma once
// A sound sink that remembers what it was asked to play instead of making
// noise, for tests of anything that plays cues.
#include "sound_player.h"

#include <QStringList>

class RecordingSound : public SoundSink {
public:
    void play(const QString& resourcePath) override;
    void stop() override;

    QStringList played; // every resource path asked for, in order
    QString playing;    // what would be heard now; empty after stop()
    int stops = 0;
};
