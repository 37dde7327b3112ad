#include "recording_sound.h"

void RecordingSound::play(const QString& resourcePath) {
    played << resourcePath;
    playing = resourcePath;
}

void RecordingSound::stop() {
    ++stops;
    playing.clear();
}
