#pragma once
// The record of the current and the last game: one line per turn, built from
// what the host announces, saved as plain text and read back for replay.
//
// The text form, one item per line (blank lines and lines starting with '#'
// are comments):
//   game <name of who started it>
//   seat <1|2> <name>
//   turn <seat> <dice d1d2d3d4> <points> <chip> <from> <to> <sent back> <rosette> <extra>
//   winner <seat>
// chip, from and to are "-" for a throw that moved nothing; "sent back" is the
// opponent's chip that went back to start, or "-"; rosette and extra (another
// throw) are "yes" or "no".
#include "board_model.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace board {

struct TurnRecord {
    int seat = 0; // 1 or 2
    std::array<int, 4> dice{};
    int points = 0;
    int chip = 0; // 0: nothing moved
    int from = 0;
    int to = 0;
    int sentBack = 0; // opponent chip sent back, 0 none
    bool rosette = false;
    bool extra = false;
    friend bool operator==(const TurnRecord&, const TurnRecord&) = default;
};

struct RecordedGame {
    QString starter;
    std::array<QString, SeatCount> names;
    std::vector<TurnRecord> turns;
    int winner = 0; // 0 while unfinished
    friend bool operator==(const RecordedGame&, const RecordedGame&) = default;
};

// Every chip's square after each turn of a game.
using Squares = std::array<std::array<int, ChipCount>, SeatCount>;

class GameRecord {
public:
    static const QString Header;

    // One host message (command word and its argument text), as the client
    // handled it; 'names' are the seats' names as the board shows them now.
    // Messages outside a game, and fields out of range, are left out.
    void feed(const QString& command, const QString& args,
              const std::array<QString, SeatCount>& names);

    const std::optional<RecordedGame>& current() const { return current_; }
    const std::optional<RecordedGame>& last() const { return last_; }
    bool empty() const { return !current_ && !last_; }
    // A game that has just ended, once: won, ended by the host without a
    // winner, or left unfinished by a new game that started over it.
    std::optional<RecordedGame> takeEnded() { return std::exchange(ended_, std::nullopt); }
    // Turns of the current game were missed (the line dropped): it cannot be
    // followed further, so it ends here, unfinished (takeEnded has it once),
    // and nothing more is recorded until the next game starts.
    void breakOff();
    // The game in progress when it has turns and has not ended (and was not
    // kept already): what a window that closes mid-game keeps.
    std::optional<RecordedGame> unfinished() const {
        if (current_ && !currentEnded_ && !current_->winner && !current_->turns.empty())
            return current_;
        return std::nullopt;
    }

    // The last game (when there is one) and then the current one.
    QString text() const;
    static QStringList lines(const RecordedGame& game);
    // One turn in the record's own words: "turn 1 0110 2 3 4 6 - no no".
    static QString turnLine(const TurnRecord& turn);

private:
    void startGame(const QString& starter, const std::array<QString, SeatCount>& names);
    std::optional<RecordedGame> current_, last_, ended_;
    bool currentEnded_ = false;
    Squares squares_{};
};

// A record read back: the games as far as the text was whole.
struct ReadRecord {
    std::vector<RecordedGame> games;
    int stoppedAtLine = 0; // 1-based line where reading stopped; 0 read whole
    QString problem;       // why it stopped, for the player
};
ReadRecord readRecord(const QString& text);

// The squares before the first turn (index 0) and after each turn; a turn
// that does not fit the board it is played on ends the list early.
std::vector<Squares> replay(const RecordedGame& game, QString* problem = nullptr);

} // namespace board
