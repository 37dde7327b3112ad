#pragma once
// The two versions of each file that the crash writer alternates between.
#include "settings.h"
#include "tally_grid.h"

namespace crashtest {

inline SettingsValues settingsVersion(int v) {
    SettingsValues s;
    s.textSize = v ? 14 : 10;
    s.textColor = v ? QStringLiteral("clNavy") : QStringLiteral("$00336699");
    s.botSpeed = v ? 500 : 1000;
    s.bounds = v ? QRect(10, 20, 800, 640) : QRect(3, 3, 731, 567);
    return s;
}

inline Tally tallyVersion(int v) {
    Tally t;
    // Big enough that a write takes a while: many opponents with long names.
    for (int i = 0; i < 400; ++i)
        t.startTallying(
            QStringLiteral("Opponent %1 of version %2 with a longish name").arg(i).arg(v));
    t.grid.setCell(1, 0, QString::number(v ? 4242 : 17));
    return t;
}

} // namespace crashtest
