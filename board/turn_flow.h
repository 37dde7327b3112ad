#pragma once
// The client's side of a game: the three requests (start, roll, move), the
// local check of a chosen chip, and showing what the host announces. Each
// handler takes the argument text after the command word; a field that should
// be a number and is not throws wire::FieldError for the caller to report,
// and a number out of range makes the handler ignore the message.
#include "board_model.h"
#include "board_view.h"
#include "client_link.h"

#include <QObject>

#include <array>

namespace board {

class TurnFlow : public QObject {
    Q_OBJECT
public:
    TurnFlow(BoardView& view, ClientLink& link, QObject* parent = nullptr);

    BoardModel& model() { return model_; }
    const BoardModel& model() const { return model_; }
    BoardView& view() { return view_; }

    // ---- user actions ----
    void button_startClick();
    void button_roll1Click();
    void image_p11Click(ChipImage* image);
    void button_giveClick();

    // ---- host messages ----
    void startthegame(const QString& args);  // CMD_startgame
    void getnextplayer(const QString& args); // CMD_nextplayer
    void hisroll(const QString& args);       // CMD_hisroll
    void moveit(const QString& args);        // CMD_moveit
    void moveback(const QString& args);      // CMD_moveback
    void unable(const QString& args);        // CMD_unable
    void error(const QString& args);         // CMD_error
    void winner(const QString& args);        // CMD_winner
    void giving3(const QString& args);       // CMD_giving3
    void giveback(const QString& args);      // CMD_giveback
    void cantgive(const QString& args);      // CMD_cantgive

    // A snapshot's turn: the seat to act as received (3 for seat 1 handed
    // over), its phase letter and points.
    void takeSnapshotTurn(int turn, QChar phase, int points);

    // Between a game's start (or a snapshot of it) and its end.
    bool gameRunning() const { return gamerunning_; }
    // Seat 1's turns are taken by connection 3.
    bool handedOver() const { return handedover_; }

    // Stores a chip's square and moves its picture; the only way chips move.
    void setChip(int seat, int chip, int square);

private:
    void refuse();
    void log(const QString& line) { view_.memo_turn->addLine(line); }
    QString name(int seat) const { return view_.seatname(seat); }

    BoardView& view_;
    ClientLink& link_;
    BoardModel model_;

    // The points of each seat's last roll: what the host holds while that
    // seat is to move, so a refusal can always give the turn back.
    std::array<int, SeatCount> lastRoll_{};
    bool gamerunning_ = false;
    bool handedover_ = false;
};

} // namespace board
