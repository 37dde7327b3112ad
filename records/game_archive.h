#pragma once
// Every game that ends, with a winner or without, is kept as a record file of
// its own in the folder "Games" beside the tally file, so that it can be
// reviewed later without the player having saved it. Only the newest
// KeptGames files stay; the oldest go when a new one arrives.
#include "dice_stats.h"
#include "game_record.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace board {

inline constexpr int KeptGames = 500;

// The folder of kept games for a tally file at 'tallyPath'.
QString gamesFolder(const QString& tallyPath);

// "20261209-184501-Anna-Klot.txt": date, time and the two names, with
// anything a file system might refuse replaced by '_'.
QString keptFileName(const RecordedGame& game, const QDateTime& when);

// The game as a record file of its own, in the format of File > Save Game
// Record.
QString recordText(const RecordedGame& game);

// Writes the game into 'folder' (made when missing) beside and renamed, then
// deletes the oldest kept files beyond KeptGames. Returns the file's path, or
// an empty text when it could not be written.
QString keepGame(const QString& folder, const RecordedGame& game, const QDateTime& when);

// The kept record files in 'folder', newest first, as full paths.
QStringList keptGames(const QString& folder);

// Every throw of the kept games in 'folder', by seat; 'games' gets how many
// records were read.
DiceStats keptDice(const QString& folder, int* games = nullptr);

} // namespace board
