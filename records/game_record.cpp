#include "game_record.h"

#include <QCoreApplication>

#include "framing.h"

namespace board {

const QString GameRecord::Header = QStringLiteral(
    "# Kelvoa game record: \"game <starter>\", \"seat <1|2> <name>\", one line per turn "
    "\"turn <seat> <dice d1d2d3d4> <points> <chip> <from> <to> <sent back> <rosette> <extra "
    "throw>\" (\"-\" where no chip moved or none was sent back; yes/no), \"winner <seat>\"");

namespace {
const QString Dash = QStringLiteral("-");

QString yesNo(bool b) {
    return b ? QStringLiteral("yes") : QStringLiteral("no");
}
QString orDash(int n) {
    return n ? QString::number(n) : Dash;
}

// The board cell a seat's square stands on, for captures across the routes.
bool sameCell(int seat, int square, int otherSeat, int otherSquare) {
    if (square <= StartSquare || square >= HomeSquare) return false;
    if (otherSquare <= StartSquare || otherSquare >= HomeSquare) return false;
    return routeOf(seat)[square] == routeOf(otherSeat)[otherSquare];
}
} // namespace

void GameRecord::startGame(const QString& starter, const std::array<QString, SeatCount>& names) {
    if (current_ && !currentEnded_ && !current_->turns.empty()) ended_ = *current_;
    if (current_) last_ = std::move(current_);
    current_ = RecordedGame{starter, names, {}, 0};
    currentEnded_ = false;
    squares_ = {};
}

void GameRecord::breakOff() {
    if (!current_) return;
    if (!currentEnded_ && !current_->winner && !current_->turns.empty()) ended_ = *current_;
    last_ = std::move(current_);
    current_.reset();
    currentEnded_ = false;
}

void GameRecord::feed(const QString& command, const QString& args,
                      const std::array<QString, SeatCount>& names) {
    wire::TextFields f(args);
    const auto seatField = [&](int& seat) {
        if (!f.number(1, HandOverSeat, seat)) return false;
        seat = boardSeat(seat);
        return true;
    };
    try {
        if (command == QLatin1String("CMD_startgame")) {
            startGame(f.next(), names);
            return;
        }
        if (!current_ || current_->winner) return;
        if (command == QLatin1String("CMD_giveback")) {
            if (!currentEnded_ && !current_->turns.empty()) ended_ = *current_;
            currentEnded_ = true;
            return;
        }
        auto& turns = current_->turns;
        int seat = 0;
        if (command == QLatin1String("CMD_hisroll")) {
            TurnRecord t;
            if (!seatField(t.seat)) return;
            for (int& d : t.dice)
                if (!f.number(0, 1, d)) return;
            if (!f.number(0, MaxPoints, t.points)) return;
            turns.push_back(t);
        } else if (command == QLatin1String("CMD_moveback")) {
            int victim = 0, chip = 0;
            if (!seatField(seat) || !seatField(victim) || !f.number(1, ChipCount, chip)) return;
            squares_[victim - 1][chip - 1] = StartSquare;
            if (!turns.empty() && turns.back().seat == seat) turns.back().sentBack = chip;
        } else if (command == QLatin1String("CMD_moveit")) {
            int chip = 0, square = 0;
            if (!seatField(seat) || !f.number(1, ChipCount, chip) ||
                !f.number(StartSquare, HomeSquare, square))
                return;
            bool flags[4];
            for (bool& b : flags)
                b = f.next() == QLatin1String("t");
            if (turns.empty() || turns.back().seat != seat || turns.back().chip) return;
            TurnRecord& t = turns.back();
            t.chip = chip;
            t.from = squares_[seat - 1][chip - 1];
            t.to = square;
            t.rosette = flags[3];
            t.extra = flags[0] || flags[1] || flags[2] || flags[3];
            squares_[seat - 1][chip - 1] = square;
        } else if (command == QLatin1String("CMD_winner")) {
            if (!seatField(seat)) return;
            current_->winner = seat;
            ended_ = *current_;
            currentEnded_ = true;
        }
    } catch (const wire::FieldError&) {
        // The turn flow has already told the player; the record skips it.
    }
}

QString GameRecord::turnLine(const TurnRecord& t) {
    QString dice;
    for (int d : t.dice)
        dice += QString::number(d);
    const bool moved = t.chip != 0;
    return QStringLiteral("turn %1 %2 %3 %4 %5 %6 %7 %8 %9")
        .arg(t.seat)
        .arg(dice)
        .arg(t.points)
        .arg(orDash(t.chip), moved ? QString::number(t.from) : Dash,
             moved ? QString::number(t.to) : Dash, orDash(t.sentBack), yesNo(t.rosette),
             yesNo(t.extra));
}

QStringList GameRecord::lines(const RecordedGame& game) {
    // A name is free text from the wire: a line break in it must not start a
    // line of its own.
    const auto oneLine = [](QString name) {
        for (QChar& c : name)
            if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) c = QLatin1Char(' ');
        return name;
    };
    QStringList out{QStringLiteral("game ") + oneLine(game.starter)};
    for (int seat = 1; seat <= SeatCount; ++seat)
        out << QStringLiteral("seat %1 %2").arg(seat).arg(oneLine(game.names[seat - 1]));
    for (const TurnRecord& t : game.turns)
        out << turnLine(t);
    if (game.winner) out << QStringLiteral("winner %1").arg(game.winner);
    return out;
}

QString GameRecord::text() const {
    QStringList out{Header};
    for (const auto* game : {&last_, &current_})
        if (*game) out << lines(**game);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// ---- reading back ----

namespace {
bool readNumber(const QString& text, int lo, int hi, int& value) {
    return wire::parseInt(text, value) && value >= lo && value <= hi;
}
bool readOptional(const QString& text, int lo, int hi, int& value) {
    if (text == Dash) {
        value = 0;
        return true;
    }
    return readNumber(text, lo, hi, value) && value != 0;
}
bool readYesNo(const QString& text, bool& value) {
    value = text == QLatin1String("yes");
    return value || text == QLatin1String("no");
}

// One turn line's fields after the word "turn"; empty text when it reads.
QString readTurn(const QStringList& w, TurnRecord& t) {
    if (w.size() != 10) return QCoreApplication::translate("records", "a turn needs nine fields");
    if (!readNumber(w[1], 1, SeatCount, t.seat))
        return QCoreApplication::translate("records", "no seat 1 or 2");
    if (w[2].size() != 4)
        return QCoreApplication::translate("records", "the dice are not four 0s and 1s");
    for (int i = 0; i < 4; ++i) {
        if (w[2][i] != QLatin1Char('0') && w[2][i] != QLatin1Char('1'))
            return QCoreApplication::translate("records", "the dice are not four 0s and 1s");
        t.dice[i] = w[2][i] == QLatin1Char('1');
    }
    if (!readNumber(w[3], 0, MaxPoints, t.points))
        return QCoreApplication::translate("records", "points are not 0 to 4");
    if (t.points != t.dice[0] + t.dice[1] + t.dice[2] + t.dice[3])
        return QCoreApplication::translate("records", "the points do not match the dice");
    const bool moved = w[4] != Dash;
    if (!readOptional(w[4], 1, ChipCount, t.chip))
        return QCoreApplication::translate("records", "no chip 1 to 7");
    if (moved) {
        if (!readNumber(w[5], StartSquare, HomeSquare, t.from) ||
            !readNumber(w[6], StartSquare, HomeSquare, t.to))
            return QCoreApplication::translate("records", "squares are not 0 to 16");
    } else if (w[5] != Dash || w[6] != Dash) {
        return QCoreApplication::translate("records", "squares without a chip");
    }
    if (!readOptional(w[7], 1, ChipCount, t.sentBack))
        return QCoreApplication::translate("records", "no chip sent back");
    if (!readYesNo(w[8], t.rosette) || !readYesNo(w[9], t.extra))
        return QCoreApplication::translate("records", "rosette and extra throw must be yes or no");
    return {};
}
} // namespace

ReadRecord readRecord(const QString& text) {
    ReadRecord r;
    const QStringList all = text.split(QLatin1Char('\n'));
    // A file that ends in a line break has an empty last piece, not a line.
    const int count = all.size() - (all.isEmpty() || all.last().isEmpty() ? 1 : 0);
    const auto stop = [&](int line, const QString& why) {
        r.stoppedAtLine = line;
        r.problem = why;
    };
    for (int i = 0; i < count; ++i) {
        const QString line = all[i].trimmed();
        const int number = i + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QString word = line.section(QLatin1Char(' '), 0, 0);
        if (word == QLatin1String("game")) {
            r.games.push_back({line.section(QLatin1Char(' '), 1), {}, {}, 0});
            continue;
        }
        if (r.games.empty()) {
            stop(number, QCoreApplication::translate("records", "no game begins before it"));
            return r;
        }
        RecordedGame& g = r.games.back();
        if (g.winner) {
            stop(number, QCoreApplication::translate("records", "the game was already won"));
            return r;
        }
        int seat = 0;
        if (word == QLatin1String("seat")) {
            if (!readNumber(line.section(QLatin1Char(' '), 1, 1), 1, SeatCount, seat)) {
                stop(number, QCoreApplication::translate("records", "no seat 1 or 2"));
                return r;
            }
            g.names[seat - 1] = line.section(QLatin1Char(' '), 2);
        } else if (word == QLatin1String("turn")) {
            TurnRecord t;
            const QString why = readTurn(line.split(QLatin1Char(' '), Qt::SkipEmptyParts), t);
            if (!why.isEmpty()) {
                stop(number, why);
                return r;
            }
            g.turns.push_back(t);
            QString problem;
            if (replay(g, &problem).size() != g.turns.size() + 1) {
                g.turns.pop_back();
                stop(number, problem);
                return r;
            }
        } else if (word == QLatin1String("winner")) {
            if (!readNumber(line.section(QLatin1Char(' '), 1, 1), 1, SeatCount, seat)) {
                stop(number, QCoreApplication::translate("records", "no seat 1 or 2"));
                return r;
            }
            const Squares end = replay(g).back();
            for (int sq : end[seat - 1])
                if (sq != HomeSquare) {
                    stop(number,
                         QCoreApplication::translate("records", "the winner has chips still out"));
                    return r;
                }
            g.winner = seat;
        } else {
            stop(number,
                 QCoreApplication::translate("records", "\"%1\" is not a word of the record")
                     .arg(word.left(20)));
            return r;
        }
    }
    if (r.games.empty())
        stop(count + 1, QCoreApplication::translate("records", "it holds no game"));
    else if (!r.games.back().winner)
        stop(count + 1, QCoreApplication::translate("records", "the game was not finished"));
    return r;
}

std::vector<Squares> replay(const RecordedGame& game, QString* problem) {
    std::vector<Squares> out{Squares{}};
    const auto fail = [&](const QString& why) {
        if (problem) *problem = why;
        return out;
    };
    for (const TurnRecord& t : game.turns) {
        Squares next = out.back();
        if (t.chip) {
            BoardModel model;
            model.seatboards[0].chips = next[0];
            model.seatboards[1].chips = next[1];
            if (next[t.seat - 1][t.chip - 1] != t.from)
                return fail(
                    QCoreApplication::translate("records", "chip %1 does not stand on square %2")
                        .arg(t.chip)
                        .arg(t.from));
            if (t.to != t.from + t.points ||
                checkMove(model.seat(t.seat), t.chip, t.points) != MoveCheck::Allowed)
                return fail(QCoreApplication::translate("records", "the move is not a legal one"));
            next[t.seat - 1][t.chip - 1] = t.to;
            if (t.sentBack) {
                const int other = 3 - t.seat;
                int& victim = next[other - 1][t.sentBack - 1];
                if (isRosette(t.to) || !sameCell(t.seat, t.to, other, victim))
                    return fail(QCoreApplication::translate(
                                    "records", "no chip %1 stood there to be sent back")
                                    .arg(t.sentBack));
                victim = StartSquare;
            }
        } else if (t.sentBack) {
            return fail(
                QCoreApplication::translate("records", "a chip was sent back without a move"));
        }
        out.push_back(next);
    }
    return out;
}

} // namespace board
