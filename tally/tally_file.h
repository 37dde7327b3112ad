#pragma once
// The tally file: the grid as plain text, compressed in the fast mode.
// Loading happens once at start and saving once at exit.
#include <QString>

#include "tally_grid.h"

namespace tallyfile {

inline constexpr char FileName[] = "Kelvoatally.tld";

// Beside the program when that folder can be written, else the per-user
// configuration folder; $KELVOA_CONFIG_DIR overrides both (as for settings).
QString defaultPath();

// Fills 'tally' from the file and starts a new session. A missing file is an
// empty tally. Returns the codec's or the reader's error text for a damaged
// file (the tally is then empty), or an empty string.
QString load(const QString& path, Tally& tally);

// Writes the tally. The previous file is replaced only once the new one is
// complete, so a failed save keeps it. Returns false on failure.
bool save(const QString& path, const Tally& tally);

} // namespace tallyfile
