#include "turn_flow.h"

#include "catalogue.h"
#include "framing.h"

namespace board {

namespace {
constexpr const char* InvalidMove = QT_TRANSLATE_NOOP("board::TurnFlow", "Invalid Move");
constexpr const char* WatchingRefusal =
    QT_TRANSLATE_NOOP("board::TurnFlow", "Unset just watching in order to play.");

// Seat numbers in host messages: the two seats, or 3 for seat 1 handed over.
bool readSeat(wire::TextFields& f, int& seat) {
    return f.number(1, HandOverSeat, seat);
}

bool flag(wire::TextFields& f) {
    return f.next() == QLatin1String("t");
}
} // namespace

TurnFlow::TurnFlow(BoardView& view, ClientLink& link, QObject* parent)
    : QObject(parent), view_(view), link_(link) {
    for (int seat = 1; seat <= SeatCount; ++seat)
        for (int chip = 1; chip <= ChipCount; ++chip)
            setChip(seat, chip, StartSquare);
    view_.clearStatus();
    connect(view_.button_start, &QAbstractButton::clicked, this, &TurnFlow::button_startClick);
    connect(view_.button_roll, &QAbstractButton::clicked, this, &TurnFlow::button_roll1Click);
    connect(view_.button_give, &QAbstractButton::clicked, this, &TurnFlow::button_giveClick);
    connect(&view_, &BoardView::chipClicked, this, &TurnFlow::image_p11Click);
}

void TurnFlow::setChip(int seat, int chip, int square) {
    model_.square(seat, chip) = square;
    view_.placechip(seat, chip, square);
}

void TurnFlow::refuse() {
    view_.label_error->setText(tr(InvalidMove));
    link_.playsounds(QStringLiteral("invalid"));
}

// ---- user actions ----

void TurnFlow::button_startClick() {
    if (link_.loggedin())
        link_.send(wire::startgame(link_.playername()));
    else
        link_.messagebox(tr("You are not connected"));
}

void TurnFlow::button_roll1Click() {
    view_.button_roll->hide();
    if (link_.justwatching()) {
        // The button stays hidden until this user's next turn.
        link_.messagebox(tr(WatchingRefusal));
        return;
    }
    if (model_.whoseturn == link_.myseat() && link_.loggedin()) {
        // The roll starts from nothing: points left from an earlier turn
        // (played by the computer, or named by a snapshot) must not let a
        // chip click through before the host's answer.
        const int seat = boardSeat(link_.myseat());
        if (validSeat(seat)) model_.points(seat) = 0;
        link_.send(wire::rolldice(link_.myseat()));
    }
}

void TurnFlow::image_p11Click(ChipImage* image) {
    view_.label_error->clear();
    const int me = link_.myseat();
    // Nobody acts while the turn is 0, also a client that has no seat yet.
    if (model_.whoseturn == 0 || model_.whoseturn != me || !view_.button_roll->isHidden()) return;
    if (link_.justwatching()) {
        link_.messagebox(tr(WatchingRefusal));
        return;
    }
    if (image->ownerMark() != QString::number(me)) {
        refuse();
        return;
    }
    const int seat = boardSeat(me);
    if (!validSeat(seat)) return;
    const int points = model_.points(seat);
    switch (checkMove(model_.seat(seat), image->chip(), points)) {
    case MoveCheck::NoPoints:
        return;
    case MoveCheck::NeedsOne:
    case MoveCheck::PastHome:
    case MoveCheck::OwnChipThere:
        refuse();
        return;
    case MoveCheck::Allowed:
        break;
    }
    // The player may take a poor move back before anything is sent.
    if (!link_.allowMove(seat, image->chip(), points)) return;
    if (link_.loggedin()) link_.send(wire::movepiece(me, image->chip()));
    // Spent either way: further clicks wait for the host's answer.
    model_.points(seat) = 0;
    model_.whoseturn = 0;
}

void TurnFlow::button_giveClick() {
    if (link_.loggedin()) link_.send(wire::give3(link_.myseat()));
}

// ---- host messages ----

void TurnFlow::startthegame(const QString& args) {
    wire::TextFields f(args);
    const QString starter = f.next();
    gamerunning_ = true;
    view_.label_error->clear();
    view_.button_start->hide();
    view_.button_give->hide();
    view_.button_roll->hide();
    link_.setJustWatching(false);
    view_.panel_winner->hide();
    view_.memo_turn->clear();
    link_.addlinetochat(QStringLiteral("0+") + tr("%1 has started a game.").arg(starter));
    for (int seat = 1; seat <= SeatCount; ++seat)
        for (int chip = 1; chip <= ChipCount; ++chip)
            setChip(seat, chip, StartSquare);
    view_.setEyes(1, false);
    view_.setEyes(2, false);
    // An empty second seat is the computer's.
    if (view_.label_playername2->text() == BoardView::waiting())
        view_.label_playername2->setText(QStringLiteral("Klot"));
}

void TurnFlow::getnextplayer(const QString& args) {
    wire::TextFields f(args);
    int turn = 0;
    if (!readSeat(f, turn)) return;
    view_.label_error->clear();
    model_.whoseturn = turn;
    const int seat = boardSeat(turn);
    // A seat about to roll has no points to move with yet.
    model_.points(seat) = 0;
    view_.clearStatus();
    view_.button_roll->hide();
    view_.label_status(seat)->setText(tr("Rolling.."));
    view_.moveTurnMarker(seat);
    log(QString());
    if (turn == link_.myseat()) {
        log(tr("Your turn to roll"));
        view_.button_roll->show();
        link_.playsounds(link_.turnsound() == 1 ? QStringLiteral("turnnew")
                                                : QStringLiteral("turn"));
    } else {
        log(tr("%1 is rolling...").arg(name(seat)));
    }
}

void TurnFlow::hisroll(const QString& args) {
    wire::TextFields f(args);
    int roller = 0, points = 0;
    std::array<int, 4> dice{};
    if (!readSeat(f, roller)) return;
    for (int& die : dice)
        if (!f.number(0, 1, die)) return;
    if (!f.number(0, MaxPoints, points)) return;
    view_.label_error->clear();
    view_.clearStatus();
    const int seat = boardSeat(roller);
    model_.points(seat) = points;
    lastRoll_[static_cast<unsigned>(seat - 1)] = points;
    view_.showdice(dice);
    view_.label_status(seat)->setText(points == 1 ? tr("1 point")
                                                  : tr("%n points", nullptr, points));
    if (seat == link_.myseat()) {
        if (points == 0)
            log(tr("You rolled a nil"));
        else if (points == 1)
            log(tr("Choose a chip to move 1 space"));
        else
            log(tr("Choose a chip to move %n spaces", nullptr, points));
    } else if (points == 0) {
        log(tr("%1 rolled a nil").arg(name(seat)));
    } else if (points == 1) {
        log(tr("%1 is moving a chip 1 space.").arg(name(seat)));
    } else {
        log(tr("%1 is moving a chip %n spaces.", nullptr, points).arg(name(seat)));
    }
    link_.playsounds(QStringLiteral("dice"));
}

void TurnFlow::moveit(const QString& args) {
    wire::TextFields f(args);
    int mover = 0, chip = 0, square = 0;
    if (!readSeat(f, mover) || !f.number(1, ChipCount, chip) ||
        !f.number(StartSquare, HomeSquare, square))
        return;
    const bool entered = flag(f), home = flag(f), capture = flag(f), rosette = flag(f);
    const int seat = boardSeat(mover);
    setChip(seat, chip, square);
    model_.points(seat) = 0; // spent, whoever moved for the seat
    const QString who = name(seat);
    if (entered)
        log(tr("%1 brought a chip out and will roll again.").arg(who));
    else if (home)
        log(tr("%1 put a chip in and will roll again.").arg(who));
    else if (capture)
        log(tr("%1 sent a chip back and will roll again.").arg(who));
    else if (rosette)
        log(tr("%1 landed on a rosette and will roll again.").arg(who));
    else
        log(tr("%1 's turn is over..").arg(who));
    link_.playsounds(QStringLiteral("movechip"));
}

void TurnFlow::moveback(const QString& args) {
    wire::TextFields f(args);
    int mover = 0, victim = 0, chip = 0;
    if (!readSeat(f, mover) || !readSeat(f, victim) || !f.number(1, ChipCount, chip)) return;
    mover = boardSeat(mover);
    victim = boardSeat(victim);
    setChip(victim, chip, StartSquare);
    if (victim == link_.myseat()) {
        log(tr("Your chip got sent back to start by %1.").arg(name(mover)));
        link_.playsounds(QStringLiteral("sentback"));
    } else {
        log(tr("%1 sent %2's chip back to start.").arg(name(mover), name(victim)));
        link_.playsounds(QStringLiteral("putback"));
    }
}

void TurnFlow::unable(const QString& args) {
    wire::TextFields f(args);
    int seat = 0;
    if (!readSeat(f, seat)) return;
    if (seat == link_.myseat()) {
        log(tr("You are unable to move.. ending turn.."));
        link_.playsounds(QStringLiteral("unable"));
    } else {
        log(tr("%1 is unable to move.. ending turn..").arg(name(boardSeat(seat))));
    }
}

void TurnFlow::error(const QString& args) {
    wire::TextFields f(args);
    const int seat = f.number();
    const int code = f.number();
    if (seat != link_.myseat()) return;
    if (code >= 1 && code <= 3) view_.label_error->setText(tr(InvalidMove));
    link_.playsounds(QStringLiteral("invalid"));
    // The host kept the turn and the points of the seat's last roll (it
    // refuses only a seat that is to move): give them back so the player can
    // choose another chip rather than wait for a message that never comes.
    if (model_.whoseturn == 0 && validSeat(boardSeat(seat))) {
        model_.whoseturn = seat;
        model_.points(boardSeat(seat)) = lastRoll_[static_cast<unsigned>(boardSeat(seat) - 1)];
    }
}

void TurnFlow::winner(const QString& args) {
    wire::TextFields f(args);
    int seat = 0;
    if (!readSeat(f, seat)) return;
    seat = boardSeat(seat);
    gamerunning_ = false;
    view_.label_error->clear();
    link_.playsounds(QStringLiteral("winner"));
    const QString won = tr("%1 has Won the Game!").arg(name(seat));
    view_.label_winner1->setText(won);
    view_.label_winner2->setText(won);
    view_.panel_winner->show();
    view_.panel_winner->raise();
    link_.addlinetochat(QStringLiteral("0+") + won);
    if (link_.ishost()) view_.button_start->show();
    const int me = link_.myseat();
    if (validSeat(me)) link_.addgame(seat == me ? QStringLiteral("addtomine") : name(seat));
}

void TurnFlow::takeSnapshotTurn(int turn, QChar phase, int points) {
    const int seat = boardSeat(turn);
    if (!validSeat(seat)) return;
    gamerunning_ = true;
    model_.whoseturn = turn;
    lastRoll_[static_cast<unsigned>(seat - 1)] = points;
    // Points count only while the seat is to move; otherwise they are the
    // last roll's and would let a click through that the host ignores.
    model_.points(seat) = phase == QLatin1Char('m') ? points : 0;
}

// ---- hand-over of seat 1 to connection 3 ----

void TurnFlow::giving3(const QString& args) {
    wire::TextFields f(args);
    f.next(); // the host's number, not used
    const QString name = f.next();
    handedover_ = true;
    view_.label_playername1->setText(name);
    link_.addlinetochat(QStringLiteral("0+") +
                        tr("The host has given %1 the ability to play.").arg(name));
    view_.setOwnerMarks(1, QString::number(HandOverSeat));
}

void TurnFlow::giveback(const QString& args) {
    wire::TextFields f(args);
    const QString name = f.next();
    handedover_ = false;
    gamerunning_ = false;
    // The host has ended the game: nobody is to act any more.
    model_.whoseturn = 0;
    view_.button_roll->hide();
    view_.label_playername1->setText(name);
    link_.addlinetochat(QStringLiteral("0+") + tr("The Game is over since player 3 left"));
    view_.setOwnerMarks(1, QStringLiteral("1"));
    if (link_.ishost()) view_.button_start->show();
    link_.playsounds(QStringLiteral("gameover"));
}

void TurnFlow::cantgive(const QString&) {
    link_.addlinetochat(QStringLiteral("0+") + tr("You cannot give player 3 your turn."));
}

} // namespace board
