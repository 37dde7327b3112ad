// The client's turn: requests, the local move check and every host message's
// turn log line, cue, transcript line and tally call, as the own seat, the
// other seat and a watcher see them.
#include "framing.h"
#include "recording_link.h"
#include "turn_flow.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace board;

using Handler = void (TurnFlow::*)(const QString&);
Q_DECLARE_METATYPE(Handler)

class TestTurnFlow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void handlerLines_data();
    void handlerLines();
    void chipClick_data();
    void chipClick();
    void secondClickBeforeAnswerDoesNothing();
    void hostRefusalGivesTheMoveBack();
    void staleRollNeverLetsAClickThrough();
    void handOverMessages();
    void handedOverSeatMovesSeatOneChips();
    void rollButton_data();
    void rollButton();
    void startButton();
    void gameStart_data();
    void gameStart();
    void winnerPanelAndStartButton();
    void turnMarkerAndStatus();
    void badFields();
    void turnLogNeverKeepsFocus();

private:
    // The own turn with 'points' rolled, through the host's own messages.
    void myTurnWithPoints(int points);
    QStringList newLogLines() const { return view->memo_turn->lines().mid(1); }

    std::unique_ptr<QWidget> panel;
    BoardView* view = nullptr;
    RecordingLink link;
    std::unique_ptr<TurnFlow> flow;
};

void TestTurnFlow::init() {
    panel = std::make_unique<QWidget>();
    panel->resize(702, 511);
    view = new BoardView(panel.get());
    link = RecordingLink{};
    flow = std::make_unique<TurnFlow>(*view, link);
    view->label_playername1->setText(QStringLiteral("Ann"));
    view->label_playername2->setText(QStringLiteral("Bob"));
    view->memo_turn->setPlainText(QStringLiteral("-"));
}

void TestTurnFlow::cleanup() {
    flow.reset();
    panel.reset();
}

void TestTurnFlow::myTurnWithPoints(int points) {
    const QString me = QString::number(link.seat);
    flow->getnextplayer(me + QStringLiteral("+"));
    flow->button_roll1Click();
    flow->hisroll(me + QStringLiteral("+1+1+0+0+%1+").arg(points));
    link.forget();
    view->memo_turn->setPlainText(QStringLiteral("-"));
}

void TestTurnFlow::handlerLines_data() {
    QTest::addColumn<int>("myseat");
    QTest::addColumn<Handler>("handler");
    QTest::addColumn<QString>("args");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("cues");
    QTest::addColumn<QStringList>("games");

    const Handler next = &TurnFlow::getnextplayer, roll = &TurnFlow::hisroll,
                  move = &TurnFlow::moveit, back = &TurnFlow::moveback, none = &TurnFlow::unable,
                  err = &TurnFlow::error, won = &TurnFlow::winner;
    const QStringList nothing;
    const QStringList turn{QStringLiteral("turn")}, dice{QStringLiteral("dice")},
        chip{QStringLiteral("movechip")};
    // Own seat 1, the other seat 2, and a watcher on connection 5.
    for (int me : {1, 2, 5}) {
        const bool own = me == 1;
        const QByteArray who = own ? "own" : (me == 2 ? "other" : "watcher");
        auto row = [&](const char* what) -> QTestData& {
            return QTest::addRow("%s: %s", who.data(), what);
        };
        row("turn") << me << next << "1+"
                    << (own ? QStringList{"", "Your turn to roll"}
                            : QStringList{"", "Ann is rolling..."})
                    << (own ? turn : nothing) << nothing;
        row("roll nil") << me << roll << "1+0+0+0+0+0+"
                        << QStringList{own ? "You rolled a nil" : "Ann rolled a nil"} << dice
                        << nothing;
        row("roll 1") << me << roll << "1+1+0+0+0+1+"
                      << QStringList{own ? "Choose a chip to move 1 space"
                                         : "Ann is moving a chip 1 space."}
                      << dice << nothing;
        row("roll 3") << me << roll << "1+1+1+0+1+3+"
                      << QStringList{own ? "Choose a chip to move 3 spaces"
                                         : "Ann is moving a chip 3 spaces."}
                      << dice << nothing;
        row("entered") << me << move << "1+1+1+t+f+f+f+"
                       << QStringList{"Ann brought a chip out and will roll again."} << chip
                       << nothing;
        row("home") << me << move << "1+1+16+f+t+f+t+"
                    << QStringList{"Ann put a chip in and will roll again."} << chip << nothing;
        row("capture") << me << move << "1+1+7+f+f+t+f+"
                       << QStringList{"Ann sent a chip back and will roll again."} << chip
                       << nothing;
        row("rosette") << me << move << "1+1+8+f+f+f+t+"
                       << QStringList{"Ann landed on a rosette and will roll again."} << chip
                       << nothing;
        row("plain move") << me << move << "1+1+6+f+f+f+f+" << QStringList{"Ann 's turn is over.."}
                          << chip << nothing;
        row("flag not exactly t") << me << move << "1+1+6+T+true+f+f+"
                                  << QStringList{"Ann 's turn is over.."} << chip << nothing;
        row("chip sent back") << me << back << "2+1+3+"
                              << QStringList{own ? "Your chip got sent back to start by Bob."
                                                 : "Bob sent Ann's chip back to start."}
                              << QStringList{own ? "sentback" : "putback"} << nothing;
        row("unable") << me << none << "1+"
                      << QStringList{own ? "You are unable to move.. ending turn.."
                                         : "Ann is unable to move.. ending turn.."}
                      << (own ? QStringList{"unable"} : nothing) << nothing;
        row("refused") << me << err << "1+3+" << nothing << (own ? QStringList{"invalid"} : nothing)
                       << nothing;
        row("winner") << me << won << "1+" << nothing << QStringList{"winner"}
                      << (own       ? QStringList{"addtomine"}
                          : me == 2 ? QStringList{"Ann"}
                                    : nothing);
    }
    // Seat 1 played by connection 3 after a hand-over.
    QTest::newRow("handed over: own turn")
        << 3 << next << "3+" << QStringList{"", "Your turn to roll"} << turn << nothing;
    QTest::newRow("handed over: seen by seat 2")
        << 2 << next << "3+" << QStringList{"", "Ann is rolling..."} << nothing << nothing;
    QTest::newRow("handed over: move")
        << 2 << move << "3+2+5+f+f+f+f+" << QStringList{"Ann 's turn is over.."} << chip << nothing;
    QTest::newRow("handed over: own unable")
        << 3 << none << "3+" << QStringList{"You are unable to move.. ending turn.."}
        << QStringList{"unable"} << nothing;
    QTest::newRow("handed over: winner")
        << 2 << won << "3+" << nothing << QStringList{"winner"} << QStringList{"Ann"};
    QTest::newRow("new turn sound") << 1 << next << "1+" << QStringList{"", "Your turn to roll"}
                                    << QStringList{"turnnew"} << nothing;
}

void TestTurnFlow::handlerLines() {
    QFETCH(int, myseat);
    QFETCH(Handler, handler);
    QFETCH(QString, args);
    QFETCH(QStringList, log);
    QFETCH(QStringList, cues);
    QFETCH(QStringList, games);
    link.seat = myseat;
    if (QByteArray(QTest::currentDataTag()) == "new turn sound") link.turnSound = 1;
    (flow.get()->*handler)(args);
    QCOMPARE(newLogLines(), log);
    QCOMPARE(link.cues, cues);
    QCOMPARE(link.games, games);
    QVERIFY(link.sent.isEmpty());
}

void TestTurnFlow::chipClick_data() {
    QTest::addColumn<int>("myseat");
    QTest::addColumn<int>("points");
    QTest::addColumn<QList<int>>("squares"); // own chips 1..7
    QTest::addColumn<int>("clickSeat");
    QTest::addColumn<int>("clickChip");
    QTest::addColumn<QByteArray>("sent"); // empty: nothing sent
    QTest::addColumn<QString>("error");
    const QList<int> start{0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("enter with 1") << 1 << 1 << start << 1 << 1 << QByteArray("CMD_movepiece+1+1+")
                                  << QString();
    QTest::newRow("enter with 2") << 1 << 2 << start << 1 << 1 << QByteArray() << "Invalid Move";
    QTest::newRow("opponent's chip") << 1 << 1 << start << 2 << 1 << QByteArray() << "Invalid Move";
    QTest::newRow("14 + 2 bears off") << 2 << 2 << QList<int>{0, 0, 14, 0, 0, 0, 0} << 2 << 3
                                      << QByteArray("CMD_movepiece+2+3+") << QString();
    QTest::newRow("14 + 3 past home")
        << 2 << 3 << QList<int>{0, 0, 14, 0, 0, 0, 0} << 2 << 3 << QByteArray() << "Invalid Move";
    QTest::newRow("join own on rosette 8") << 1 << 2 << QList<int>{6, 8, 0, 0, 0, 0, 0} << 1 << 1
                                           << QByteArray("CMD_movepiece+1+1+") << QString();
    QTest::newRow("join own on 9")
        << 1 << 3 << QList<int>{6, 9, 0, 0, 0, 0, 0} << 1 << 1 << QByteArray() << "Invalid Move";
    QTest::newRow("no points: silent")
        << 1 << 0 << QList<int>{5, 0, 0, 0, 0, 0, 0} << 1 << 1 << QByteArray() << QString();
}

void TestTurnFlow::chipClick() {
    QFETCH(int, myseat);
    QFETCH(int, points);
    QFETCH(QList<int>, squares);
    QFETCH(int, clickSeat);
    QFETCH(int, clickChip);
    QFETCH(QByteArray, sent);
    QFETCH(QString, error);
    link.seat = myseat;
    for (int chip = 1; chip <= 7; ++chip)
        flow->setChip(myseat, chip, squares[chip - 1]);
    myTurnWithPoints(points);
    view->label_error->setText(QStringLiteral("stale"));
    flow->image_p11Click(view->image_p(clickSeat, clickChip));
    QCOMPARE(view->label_error->text(), error);
    QCOMPARE(link.sent, sent.isEmpty() ? QList<QByteArray>{} : QList<QByteArray>{sent});
    QCOMPARE(link.cues, error.isEmpty() ? QStringList{} : QStringList{"invalid"});
    // A refusal keeps the points for another choice; a sent move spends them.
    QCOMPARE(flow->model().points(myseat), sent.isEmpty() ? points : 0);
    QCOMPARE(flow->model().whoseturn, sent.isEmpty() ? myseat : 0);
    // The chip does not move until the host says so.
    QCOMPARE(flow->model().square(myseat, clickChip),
             clickSeat == myseat ? squares[clickChip - 1] : 0);
}

void TestTurnFlow::secondClickBeforeAnswerDoesNothing() {
    myTurnWithPoints(1);
    flow->image_p11Click(view->image_p(1, 1));
    QCOMPARE(link.sent, QList<QByteArray>{QByteArray("CMD_movepiece+1+1+")});
    flow->image_p11Click(view->image_p(1, 1));
    flow->image_p11Click(view->image_p(1, 2));
    flow->image_p11Click(view->image_p(2, 1));
    QCOMPARE(link.sent.size(), 1);
    QVERIFY(link.cues.isEmpty());
    QVERIFY(view->label_error->text().isEmpty());

    // Ignored too: the roll button still showing, another seat's turn, a
    // just-watching user (who is told why).
    link.forget();
    flow->getnextplayer(QStringLiteral("1+"));
    flow->image_p11Click(view->image_p(1, 1));
    flow->getnextplayer(QStringLiteral("2+"));
    flow->image_p11Click(view->image_p(1, 1));
    QVERIFY(link.sent.isEmpty());
    myTurnWithPoints(1);
    link.watching = true;
    flow->image_p11Click(view->image_p(1, 1));
    QVERIFY(link.sent.isEmpty());
    QCOMPARE(link.boxes, QStringList{"Unset just watching in order to play."});

    // Not connected: nothing sent, but the roll is spent all the same.
    link.watching = false;
    myTurnWithPoints(1);
    link.connected = false;
    flow->image_p11Click(view->image_p(1, 1));
    QVERIFY(link.sent.isEmpty());
    QCOMPARE(flow->model().whoseturn, 0);
}

void TestTurnFlow::hostRefusalGivesTheMoveBack() {
    myTurnWithPoints(1);
    flow->image_p11Click(view->image_p(1, 2));
    flow->error(QStringLiteral("1+2+"));
    QCOMPARE(view->label_error->text(), QStringLiteral("Invalid Move"));
    QCOMPARE(link.cues, QStringList{"invalid"});
    // The host keeps the turn, so the player may choose again.
    QCOMPARE(flow->model().points(1), 1);
    QCOMPARE(flow->model().whoseturn, 1);
    flow->image_p11Click(view->image_p(1, 3));
    QCOMPARE(link.sent, (QList<QByteArray>{QByteArray("CMD_movepiece+1+2+"),
                                           QByteArray("CMD_movepiece+1+3+")}));

    // A refusal meant for another seat changes nothing here.
    link.forget();
    flow->error(QStringLiteral("2+1+"));
    QVERIFY(link.cues.isEmpty());
    QCOMPARE(flow->model().whoseturn, 0);
    // An unknown code is heard but not shown.
    view->label_error->clear();
    flow->error(QStringLiteral("1+9+"));
    QCOMPARE(link.cues, QStringList{"invalid"});
    QVERIFY(view->label_error->text().isEmpty());
}

// Points left over from a turn the computer played for this seat, or from a
// snapshot, must not let a chip click through between "Roll Dice" and the
// host's answer: the host would ignore that move and the player would wait
// for ever.
void TestTurnFlow::staleRollNeverLetsAClickThrough() {
    // The computer rolled 3 and moved for seat 1 while its user watched.
    flow->getnextplayer(QStringLiteral("1+"));
    flow->hisroll(QStringLiteral("1+1+1+1+0+3+"));
    flow->moveit(QStringLiteral("1+1+3+t+f+f+f+"));
    flow->getnextplayer(QStringLiteral("2+"));
    flow->getnextplayer(QStringLiteral("1+"));
    link.forget();
    flow->button_roll1Click();
    for (int chip = 1; chip <= 7; ++chip)
        flow->image_p11Click(view->image_p(1, chip));
    QCOMPARE(link.sent, QList<QByteArray>{QByteArray("CMD_rolldice+1+")});
    // The answer arrives and the player moves as usual.
    flow->hisroll(QStringLiteral("1+1+0+0+0+1+"));
    flow->image_p11Click(view->image_p(1, 2));
    QCOMPARE(link.sent.last(), QByteArray("CMD_movepiece+1+2+"));

    // A snapshot names the last roll of a seat that is to roll again.
    link.forget();
    flow->takeSnapshotTurn(1, QLatin1Char('r'), 4);
    QCOMPARE(flow->model().points(1), 0);
    flow->takeSnapshotTurn(1, QLatin1Char('m'), 2);
    QCOMPARE(flow->model().points(1), 2);
    QCOMPARE(flow->model().whoseturn, 1);
}

// The hand-over as every client sees it, and its end.
void TestTurnFlow::handOverMessages() {
    link.host = true;
    flow->startthegame(QStringLiteral("Ann+"));
    QVERIFY(flow->gameRunning());
    flow->giving3(QStringLiteral("1+<b>Cy</b>+"));
    QVERIFY(flow->handedOver());
    QCOMPARE(view->label_playername1->text(), QStringLiteral("<b>Cy</b>"));
    QCOMPARE(view->label_playername1->textFormat(), Qt::PlainText);
    QCOMPARE(link.chat.last(),
             QStringLiteral("0+The host has given <b>Cy</b> the ability to play."));
    for (int chip = 1; chip <= 7; ++chip)
        QCOMPARE(view->image_p(1, chip)->ownerMark(), QStringLiteral("3"));
    flow->getnextplayer(QStringLiteral("3+"));
    QVERIFY(view->button_start->isHidden());
    flow->giveback(QStringLiteral("Ann+"));
    QCOMPARE(view->label_playername1->text(), QStringLiteral("Ann"));
    QCOMPARE(link.chat.last(), QStringLiteral("0+The Game is over since player 3 left"));
    QCOMPARE(view->image_p(1, 7)->ownerMark(), QStringLiteral("1"));
    QCOMPARE(link.cues.last(), QStringLiteral("gameover"));
    QVERIFY(!view->button_start->isHidden());
    QVERIFY(view->button_roll->isHidden());
    QCOMPARE(flow->model().whoseturn, 0);
    QVERIFY(!flow->gameRunning() && !flow->handedOver());
    flow->cantgive(QString());
    QCOMPARE(link.chat.last(), QStringLiteral("0+You cannot give player 3 your turn."));
}

void TestTurnFlow::handedOverSeatMovesSeatOneChips() {
    view->setOwnerMarks(1, QStringLiteral("3"));
    link.seat = 3;
    flow->getnextplayer(QStringLiteral("3+"));
    flow->button_roll1Click();
    QCOMPARE(link.sent, QList<QByteArray>{QByteArray("CMD_rolldice+3+")});
    flow->hisroll(QStringLiteral("3+1+0+0+0+1+"));
    QCOMPARE(flow->model().points(1), 1);
    link.forget();
    flow->image_p11Click(view->image_p(1, 4));
    QCOMPARE(link.sent, QList<QByteArray>{QByteArray("CMD_movepiece+3+4+")});

    // Seat 1's own user no longer owns those chips.
    link = RecordingLink{};
    flow->getnextplayer(QStringLiteral("1+"));
    flow->button_roll1Click();
    flow->hisroll(QStringLiteral("1+1+0+0+0+1+"));
    link.forget();
    flow->image_p11Click(view->image_p(1, 4));
    QVERIFY(link.sent.isEmpty());
    QCOMPARE(view->label_error->text(), QStringLiteral("Invalid Move"));
}

void TestTurnFlow::rollButton_data() {
    QTest::addColumn<int>("turn");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("watching");
    QTest::addColumn<bool>("sends");
    QTest::newRow("my turn") << 1 << true << false << true;
    QTest::newRow("not connected") << 1 << false << false << false;
    QTest::newRow("other's turn") << 2 << true << false << false;
    QTest::newRow("just watching") << 1 << true << true << false;
}

void TestTurnFlow::rollButton() {
    QFETCH(int, turn);
    QFETCH(bool, connected);
    QFETCH(bool, watching);
    QFETCH(bool, sends);
    flow->getnextplayer(QString::number(turn) + QStringLiteral("+"));
    QCOMPARE(view->button_roll->isHidden(), turn != 1);
    link.connected = connected;
    link.watching = watching;
    flow->button_roll1Click();
    QVERIFY(view->button_roll->isHidden());
    QCOMPARE(link.sent,
             sends ? QList<QByteArray>{QByteArray("CMD_rolldice+1+")} : QList<QByteArray>{});
    QCOMPARE(link.boxes,
             watching ? QStringList{"Unset just watching in order to play."} : QStringList{});
}

void TestTurnFlow::startButton() {
    flow->button_startClick();
    QCOMPARE(link.sent, QList<QByteArray>{QByteArray("CMD_startgame+Ann+")});
    link.forget();
    link.connected = false;
    flow->button_startClick();
    QVERIFY(link.sent.isEmpty());
    QCOMPARE(link.boxes, QStringList{"You are not connected"});
}

void TestTurnFlow::gameStart_data() {
    QTest::addColumn<QString>("seat2");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty seat is the computer's") << "<Waiting>"
                                                  << "Klot";
    QTest::newRow("a human keeps the name") << "Bob"
                                            << "Bob";
}

void TestTurnFlow::gameStart() {
    QFETCH(QString, seat2);
    QFETCH(QString, shown);
    view->label_playername2->setText(seat2);
    flow->setChip(1, 3, 9);
    flow->setChip(2, 7, 16);
    myTurnWithPoints(2);
    view->label_error->setText(QStringLiteral("Invalid Move"));
    view->panel_winner->show();
    view->button_start->show();
    view->button_give->show();
    view->setEyes(1, true);
    view->setEyes(2, true);
    link.watching = true;

    flow->startthegame(QStringLiteral("Ann"));
    QCOMPARE(view->label_playername2->text(), shown);
    QCOMPARE(link.chat, QStringList{"0+Ann has started a game."});
    QVERIFY(view->label_error->text().isEmpty());
    QVERIFY(view->panel_winner->isHidden());
    QVERIFY(view->button_start->isHidden());
    QVERIFY(view->button_give->isHidden());
    QVERIFY(view->button_roll->isHidden());
    QVERIFY(view->image_eyes1->isHidden() && view->image_eyes2->isHidden());
    QVERIFY(!link.watching);
    QVERIFY(view->memo_turn->toPlainText().isEmpty());
    for (int seat = 1; seat <= 2; ++seat)
        for (int chip = 1; chip <= 7; ++chip) {
            QCOMPARE(flow->model().square(seat, chip), 0);
            QCOMPARE(view->image_p(seat, chip)->pos(), placechipPosition(seat, chip, 0));
        }
    // The turn and the points stay until the host names the next seat.
    QCOMPARE(flow->model().whoseturn, 1);
    QCOMPARE(flow->model().points(1), 2);
}

void TestTurnFlow::winnerPanelAndStartButton() {
    flow->winner(QStringLiteral("2+"));
    QVERIFY(!view->panel_winner->isHidden());
    QCOMPARE(view->label_winner1->text(), QStringLiteral("Bob has Won the Game!"));
    QCOMPARE(view->label_winner2->text(), QStringLiteral("Bob has Won the Game!"));
    QCOMPARE(link.chat, QStringList{"0+Bob has Won the Game!"});
    QVERIFY(view->button_start->isHidden());
    link.host = true;
    flow->winner(QStringLiteral("2+"));
    QVERIFY(!view->button_start->isHidden());
}

void TestTurnFlow::turnMarkerAndStatus() {
    flow->getnextplayer(QStringLiteral("2+"));
    QCOMPARE(view->image_Turn->pos(), QPoint(9, 208));
    QCOMPARE(view->label_status2->text(), QStringLiteral("Rolling.."));
    QVERIFY(view->label_status1->text().isEmpty());
    flow->hisroll(QStringLiteral("2+1+0+1+1+3+"));
    QCOMPARE(view->label_status2->text(), QStringLiteral("3 points"));
    flow->hisroll(QStringLiteral("2+1+0+0+0+1+"));
    QCOMPARE(view->label_status2->text(), QStringLiteral("1 point"));
    flow->getnextplayer(QStringLiteral("3+"));
    QCOMPARE(view->image_Turn->pos(), QPoint(9, 23));
    QCOMPARE(view->label_status1->text(), QStringLiteral("Rolling.."));
    QVERIFY(view->label_status2->text().isEmpty());
    flow->hisroll(QStringLiteral("1+0+0+0+0+0+"));
    QCOMPARE(view->label_status1->text(), QStringLiteral("0 points"));
    // A chip moved by the host lands where the placement rule says.
    flow->moveit(QStringLiteral("2+4+12+f+f+f+t+"));
    QCOMPARE(view->image_p(2, 4)->pos(), placechipPosition(2, 4, 12));
    flow->moveback(QStringLiteral("1+2+4+"));
    QCOMPARE(view->image_p(2, 4)->pos(), placechipPosition(2, 4, 0));
    QCOMPARE(flow->model().square(2, 4), 0);
}

void TestTurnFlow::badFields() {
    QVERIFY_THROWS_EXCEPTION(wire::FieldError, flow->hisroll(QStringLiteral("1+x+0+0+0+1+")));
    QVERIFY_THROWS_EXCEPTION(wire::FieldError, flow->moveit(QStringLiteral("+1+3+f+f+f+f+")));
    QVERIFY_THROWS_EXCEPTION(wire::FieldError, flow->getnextplayer(QString()));
    // Numbers out of range: the message is ignored, nothing is indexed.
    flow->moveit(QStringLiteral("1+8+3+f+f+f+f+"));
    flow->moveit(QStringLiteral("1+1+17+f+f+f+f+"));
    flow->moveit(QStringLiteral("4+1+3+f+f+f+f+"));
    flow->moveback(QStringLiteral("1+0+1+"));
    flow->hisroll(QStringLiteral("1+2+0+0+0+1+"));
    flow->hisroll(QStringLiteral("1+1+0+0+0+5+"));
    flow->getnextplayer(QStringLiteral("0+"));
    flow->winner(QStringLiteral("9+"));
    QCOMPARE(newLogLines(), QStringList{});
    QVERIFY(link.cues.isEmpty());
    QCOMPARE(flow->model().whoseturn, 0);
    QVERIFY(view->panel_winner->isHidden());
}

void TestTurnFlow::turnLogNeverKeepsFocus() {
    QCOMPARE(view->memo_turn->focusPolicy(), Qt::NoFocus);
    QVERIFY(view->memo_turn->isReadOnly());
    QSignalSpy wanted(view->memo_turn, &TurnLog::focusWanted);
    QTest::mousePress(view->memo_turn->viewport(), Qt::LeftButton);
    QCOMPARE(wanted.size(), 1);
}

QTEST_MAIN(TestTurnFlow)
#include "test_turn_flow.moc"
