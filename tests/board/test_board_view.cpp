// The board panel: its controls' places, which control covers which, the
// route buttons, the composed chips and dice. Set KELVOA_BOARD_SHOT to a file
// name to keep a picture of a game in progress, KELVOA_GLIDE_SHOT for one of a
// chip under way.
#include "board_view.h"
#include "chip_animation.h"
#include "hint_overlay.h"
#include "recording_link.h"
#include "turn_flow.h"

#include <QElapsedTimer>
#include <QTest>

using namespace board;

class TestBoardView : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void places_data();
    void places();
    void picturesLoaded();
    void sharedCellShowsBothChips();
    void chipClickPassesThroughRoute();
    void routeButtonsToggle();
    void diceShowTheirValues();
    void chipsShowTheirSeatColour();
    void gameInProgressPicture();
    void chipGlidesAlongItsRoute();
    void newMoveFinishesTheGlide();
    void glidingOffPlacesAtOnce();
    void hintsGlowAndShowTheLanding();

private:
    std::unique_ptr<QWidget> panel;
    BoardView* view = nullptr;
};

void TestBoardView::init() {
    panel = std::make_unique<QWidget>();
    panel->resize(702, 511);
    view = new BoardView(panel.get());
}

void TestBoardView::cleanup() {
    panel.reset();
}

void TestBoardView::places_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("FlatPanel1") << "FlatPanel1" << QRect(332, 5, 362, 298) << false;
    QTest::newRow("board") << "board" << QRect(2, 2, 358, 294) << false;
    QTest::newRow("label_error") << "label_error" << QRect(7, 235, 98, 54) << false;
    QTest::newRow("image_path1") << "image_path1" << QRect(31, 46, 308, 125) << true;
    QTest::newRow("image_path2") << "image_path2" << QRect(31, 70, 286, 113) << true;
    QTest::newRow("label_playername1") << "label_playername1" << QRect(24, 20, 89, 16) << false;
    QTest::newRow("label_playername2") << "label_playername2" << QRect(24, 205, 89, 16) << false;
    QTest::newRow("Image7") << "Image7" << QRect(213, 56, 33, 26) << false;
    QTest::newRow("Image6") << "Image6" << QRect(213, 152, 33, 26) << false;
    QTest::newRow("label_status1") << "label_status1" << QRect(194, 13, 70, 22) << false;
    QTest::newRow("label_status2") << "label_status2" << QRect(194, 202, 70, 22) << false;
    QTest::newRow("image_eyes1") << "image_eyes1" << QRect(8, 8, 24, 10) << true;
    QTest::newRow("image_eyes2") << "image_eyes2" << QRect(8, 222, 24, 10) << true;
    QTest::newRow("image_Turn") << "image_Turn" << QRect(9, 23, 12, 12) << false;
    QTest::newRow("image_dice1") << "image_dice1" << QRect(133, 236, 48, 48) << false;
    QTest::newRow("image_Dice2") << "image_Dice2" << QRect(184, 236, 48, 48) << false;
    QTest::newRow("image_dice3") << "image_dice3" << QRect(234, 236, 48, 48) << false;
    QTest::newRow("image_dice4") << "image_dice4" << QRect(283, 236, 48, 48) << false;
    QTest::newRow("button_roll") << "button_roll" << QRect(5, 246, 105, 26) << true;
    QTest::newRow("button_start") << "button_start" << QRect(174, 247, 117, 26) << true;
    QTest::newRow("memo_turn") << "memo_turn" << QRect(8, 40, 318, 240) << false;
    QTest::newRow("panel_winner") << "panel_winner" << QRect(10, 72, 314, 53) << true;
    QTest::newRow("button_give") << "button_give" << QRect(64, 208, 193, 25) << true;
}

void TestBoardView::places() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, hidden);
    auto* widget = panel->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isHidden(), hidden);
}

void TestBoardView::picturesLoaded() {
    const BoardPictures pictures;
    for (const QPixmap* p :
         {&pictures.board, &pictures.path1, &pictures.path2, &pictures.turn, &pictures.eyes,
          &pictures.buttonRoll, &pictures.buttonStart, &pictures.route1, &pictures.route2})
        QVERIFY(!p->isNull());
    for (const QPixmap& p : pictures.imagelist_chips)
        QCOMPARE(p.size(), QSize(24, 24));
    for (const QPixmap& p : pictures.imagelist_pieces)
        QCOMPARE(p.size(), QSize(48, 48));
    QCOMPARE(pictures.board.size(), QSize(358, 294));
    QCOMPARE(pictures.path1.size(), QSize(308, 125));
    QCOMPARE(pictures.path2.size(), QSize(286, 113));
    QCOMPARE(pictures.buttonRoll.size(), QSize(105, 26));
    QCOMPARE(pictures.buttonStart.size(), QSize(117, 26));
    QCOMPARE(pictures.route1.size(), QSize(33, 26));
    QCOMPARE(pictures.eyes.size(), QSize(24, 10));
    QCOMPARE(pictures.turn.size(), QSize(12, 12));
    // Chips and route arrows are see-through around their shapes.
    QCOMPARE(qAlpha(pictures.imagelist_chips[0].toImage().pixel(0, 23)), 0);
    QCOMPARE(qAlpha(pictures.path1.toImage().pixel(0, 124)), 0);
}

void TestBoardView::sharedCellShowsBothChips() {
    view->placechip(1, 1, 13);
    view->placechip(2, 1, 13);
    // Each chip keeps a corner of the shared cell to itself.
    QCOMPARE(view->FlatPanel1->childAt(QPoint(303 + 4, 96 + 4)), view->image_p(1, 1));
    QCOMPARE(view->FlatPanel1->childAt(QPoint(323 + 20, 116 + 20)), view->image_p(2, 1));
    // Piles: the lower chip number lies on top, seat 2 above seat 1.
    QCOMPARE(view->FlatPanel1->childAt(QPoint(164 - 5 * 2 + 6, 14 + 12)), view->image_p(1, 2));
    view->placechip(1, 3, 8);
    view->placechip(2, 3, 8);
    QCOMPARE(view->FlatPanel1->childAt(QPoint(173 + 2, 116 + 2)), view->image_p(2, 3));
}

void TestBoardView::chipClickPassesThroughRoute() {
    view->Image7Click();
    view->Image6Click();
    view->placechip(1, 2, 6);
    int clicks = 0;
    connect(view, &BoardView::chipClicked, this, [&](ChipImage* image) {
        QCOMPARE(image, view->image_p(1, 2));
        ++clicks;
    });
    const QPoint at = placechipPosition(1, 2, 6) + QPoint(12, 12);
    QWidget* hit = view->FlatPanel1->childAt(at);
    QCOMPARE(hit, view->image_p(1, 2));
    QTest::mouseClick(hit, Qt::LeftButton);
    QCOMPARE(clicks, 1);
}

void TestBoardView::routeButtonsToggle() {
    QTest::mouseClick(view->Image7, Qt::LeftButton);
    QVERIFY(!view->image_path1->isHidden());
    QVERIFY(view->image_path2->isHidden());
    QTest::mouseClick(view->Image7, Qt::LeftButton);
    QVERIFY(view->image_path1->isHidden());
    QTest::mouseClick(view->Image6, Qt::LeftButton);
    QVERIFY(!view->image_path2->isHidden());
    QTest::mouseClick(view->Image6, Qt::LeftButton);
    QVERIFY(view->image_path2->isHidden());
}

void TestBoardView::diceShowTheirValues() {
    const BoardPictures pictures;
    view->showdice({0, 1, 1, 7});
    const auto dice = view->dice();
    QCOMPARE(dice[0]->pixmap().toImage(), pictures.imagelist_pieces[0].toImage());
    QCOMPARE(dice[1]->pixmap().toImage(), pictures.imagelist_pieces[1].toImage());
    QCOMPARE(dice[2]->pixmap().toImage(), pictures.imagelist_pieces[1].toImage());
    QCOMPARE(dice[3]->pixmap().toImage(), pictures.imagelist_pieces[2].toImage());
}

void TestBoardView::chipsShowTheirSeatColour() {
    // Sample the disc beside its dot marks: green for seat 1, orange for seat 2.
    for (int chip = 1; chip <= 7; ++chip) {
        const QColor one = view->image_p(1, chip)->pixmap().toImage().pixelColor(12, 3);
        const QColor two = view->image_p(2, chip)->pixmap().toImage().pixelColor(12, 3);
        QVERIFY2(one.green() > one.red() && one.green() > one.blue(), qPrintable(one.name()));
        QVERIFY2(two.red() > two.green() && two.green() > two.blue(), qPrintable(two.name()));
    }
    // The dot marks differ from chip to chip.
    QVERIFY(view->image_p(1, 1)->pixmap().toImage() != view->image_p(1, 2)->pixmap().toImage());
}

void TestBoardView::gameInProgressPicture() {
    RecordingLink link;
    TurnFlow flow(*view, link);
    view->label_playername1->setText(QStringLiteral("Ann"));
    view->label_playername2->setText(QStringLiteral("Klot"));
    const int squares1[7] = {16, 13, 8, 8, 3, 0, 0};
    const int squares2[7] = {16, 16, 13, 9, 14, 2, 0};
    for (int chip = 1; chip <= 7; ++chip) {
        flow.setChip(1, chip, squares1[chip - 1]);
        flow.setChip(2, chip, squares2[chip - 1]);
    }
    flow.getnextplayer(QStringLiteral("1+"));
    flow.button_roll1Click();
    flow.hisroll(QStringLiteral("1+1+0+1+1+3+"));
    flow.image_p11Click(view->image_p(1, 6)); // entering needs a 1: refused
    QCOMPARE(view->label_error->text(), QStringLiteral("Invalid Move"));
    const QImage shot = view->FlatPanel1->grab().toImage();
    QCOMPARE(shot.size(), QSize(362, 298));
    if (const QByteArray file = qgetenv("KELVOA_BOARD_SHOT"); !file.isEmpty()) {
        view->Image7Click();
        view->Image6Click();
        QVERIFY(shot.save(QString::fromLocal8Bit(file)));
        const QByteArray withRoute = file.left(file.size() - 4) + "_route.png";
        QVERIFY(view->FlatPanel1->grab().save(QString::fromLocal8Bit(withRoute)));
        QPalette brown = panel->palette();
        brown.setColor(QPalette::Window, QColor(60, 40, 24));
        panel->setPalette(brown);
        panel->setAutoFillBackground(true);
        flow.winner(QStringLiteral("1+"));
        const QByteArray whole = file.left(file.size() - 4) + "_panel.png";
        QVERIFY(panel->grab().save(QString::fromLocal8Bit(whole)));
    }
}

// The board shown with a gliding animator and the turn flow on it.
struct GlidingBoard {
    explicit GlidingBoard(BoardView* v) : view(v), animator(new ChipAnimator(*v)) {
        view->animator = animator;
        view->FlatPanel1->window()->show();
    }
    BoardView* view;
    ChipAnimator* animator;
    RecordingLink link;
    TurnFlow flow{*view, link};
};

void TestBoardView::chipGlidesAlongItsRoute() {
    GlidingBoard b(view);
    QVERIFY(QTest::qWaitForWindowExposed(view->FlatPanel1->window()));
    ChipImage* chip = view->image_p(1, 3);
    b.flow.setChip(1, 3, 2);
    QTRY_VERIFY(!b.animator->anyGliding());
    QCOMPARE(chip->pos(), placechipPosition(1, 3, 2));
    // From square 2 to 6 the route turns at the corner rosette: the chip
    // passes near square 4 rather than cutting across.
    b.flow.moveit(QStringLiteral("1+3+6+f+f+f+f+"));
    QCOMPARE(b.flow.model().seatboards[0].chips[2], 6); // the model does not wait
    QVERIFY(b.animator->gliding(1, 3));
    bool nearCorner = false;
    const QPoint corner = placechipPosition(1, 3, 4);
    QElapsedTimer clock;
    clock.start();
    const QByteArray shot = qgetenv("KELVOA_GLIDE_SHOT"); // a picture of the chip under way
    while (b.animator->gliding(1, 3) && clock.elapsed() < 2000) {
        const bool nowNear = (chip->pos() - corner).manhattanLength() < 20;
        if (nowNear && !nearCorner && !shot.isEmpty())
            view->FlatPanel1->grab().save(QString::fromLocal8Bit(shot));
        nearCorner |= nowNear;
        QTest::qWait(2);
    }
    QVERIFY(nearCorner);
    QCOMPARE(chip->pos(), placechipPosition(1, 3, 6));
    // A capture slides the victim back to its start pile.
    b.flow.setChip(2, 1, 6);
    QTRY_VERIFY(!b.animator->anyGliding());
    b.flow.moveback(QStringLiteral("1+2+1+"));
    QVERIFY(b.animator->gliding(2, 1));
    QTRY_COMPARE(view->image_p(2, 1)->pos(), placechipPosition(2, 1, 0));
}

void TestBoardView::newMoveFinishesTheGlide() {
    GlidingBoard b(view);
    QVERIFY(QTest::qWaitForWindowExposed(view->FlatPanel1->window()));
    ChipImage* chip = view->image_p(2, 5);
    b.flow.moveit(QStringLiteral("2+5+1+t+f+f+f+"));
    QVERIFY(b.animator->gliding(2, 5));
    QVERIFY(chip->pos() != placechipPosition(2, 5, 1));
    // The next message moves the same chip before the glide ended: the first
    // glide is done at once and the second starts where it ended.
    b.flow.moveit(QStringLiteral("2+5+4+f+f+f+t+"));
    QVERIFY(b.animator->gliding(2, 5));
    QVERIFY((chip->pos() - placechipPosition(2, 5, 1)).manhattanLength() <= 8);
    // A game start puts every chip back, whatever was under way.
    b.flow.startthegame(QStringLiteral("Ann+"));
    QVERIFY(b.animator->gliding(2, 5));
    b.animator->finishAll();
    QVERIFY(!b.animator->anyGliding());
    QCOMPARE(chip->pos(), placechipPosition(2, 5, 0));
}

void TestBoardView::glidingOffPlacesAtOnce() {
    GlidingBoard b(view);
    QVERIFY(QTest::qWaitForWindowExposed(view->FlatPanel1->window()));
    b.flow.moveit(QStringLiteral("1+1+1+t+f+f+f+"));
    QVERIFY(b.animator->gliding(1, 1));
    b.animator->setEnabled(false); // switching off ends what runs
    QVERIFY(!b.animator->anyGliding());
    QCOMPARE(view->image_p(1, 1)->pos(), placechipPosition(1, 1, 1));
    b.flow.moveit(QStringLiteral("1+1+4+f+f+f+t+"));
    QVERIFY(!b.animator->anyGliding());
    QCOMPARE(view->image_p(1, 1)->pos(), placechipPosition(1, 1, 4));
}

void TestBoardView::hintsGlowAndShowTheLanding() {
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    HintOverlay overlay(*view);
    QVERIFY(overlay.isHidden());
    view->placechip(1, 2, 6);
    const QPoint besideChip = placechipPosition(1, 2, 6) + QPoint(12, -2);
    const QColor plain = view->FlatPanel1->grab().toImage().pixelColor(besideChip);
    overlay.setHints(1, {{2, 6, 9}, {3, 0, 3}});
    QVERIFY(overlay.isVisible());
    // The glow shows on the board around the chip, golder than the board.
    const QColor glow = view->FlatPanel1->grab().toImage().pixelColor(besideChip);
    QVERIFY2(plain.blue() - glow.blue() > 20 && glow.red() >= plain.red() - 4,
             qPrintable(plain.name() + " " + glow.name()));
    // Under the chips: a click on a chip still reaches the chip.
    QCOMPARE(view->FlatPanel1->childAt(placechipPosition(1, 2, 6) + QPoint(12, 12)),
             view->image_p(1, 2));
    QVERIFY(overlay.landingRect().isNull());
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(view->image_p(1, 2), &enter);
    QCOMPARE(overlay.hovered(), 2);
    QCOMPARE(overlay.landingRect(), QRect(placechipPosition(1, 2, 9), QSize(24, 24)));
    // Hovering a chip without a hint, or another seat's, shows no landing.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(view->image_p(1, 2), &leave);
    QCoreApplication::sendEvent(view->image_p(1, 4), &enter);
    QCoreApplication::sendEvent(view->image_p(2, 2), &enter);
    QCOMPARE(overlay.hovered(), 0);
    overlay.clearHints();
    QVERIFY(overlay.isHidden());
}

QTEST_MAIN(TestBoardView)
#include "test_board_view.moc"
