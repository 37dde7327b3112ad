#pragma once
// Where a copy keeps the player's files. A copy run from its build or an
// unpacked folder keeps them beside the program (or, where that folder cannot
// be written, in the per-user folders), as the lobby expects. An installed
// copy always keeps them in the per-user folders: the program's folder is the
// system's, even for root.
#include <QString>

namespace userfiles {

// The desktop entry that an installation puts beside the program's folder.
inline constexpr char DesktopEntry[] = "io.kelvoa.Kelvoa.desktop";

// The program file lives in <prefix>/games of an installation (or <prefix>/bin
// where someone moved it): <prefix> holds share/applications/ with our
// desktop entry.
bool installedCopy(const QString& programFolder);

// The settings folder to hand to the main window: the per-user configuration
// folder for an installed copy, else empty (the settings choose, beside the
// program). $KELVOA_CONFIG_DIR wins over both.
QString settingsFolder(const QString& programFolder);

// The tally file: the per-user data folder for an installed copy, else the
// tally's own choice. $KELVOA_CONFIG_DIR wins over both.
QString tallyPath(const QString& programFolder);

} // namespace userfiles
