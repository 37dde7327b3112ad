// The flat button's looks and clicks.
#include <QEnterEvent>
#include <QTest>

#include "tselbutton.h"

namespace {
void enter(TSelButton& b) {
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&b, &e);
}
void leave(TSelButton& b) {
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(&b, &e);
}
} // namespace

class TestTSelButton : public QObject {
    Q_OBJECT
private slots:
    void looksThroughAClick();
    void disabledStaysNormal();
    void dragOffDoesNotClick();
    void borders();
};

void TestTSelButton::looksThroughAClick() {
    TSelButton b;
    QCOMPARE(b.size(), QSize(105, 20));
    b.setColor(Qt::white);
    int clicks = 0;
    b.OnClick = [&](TSelButton*) { ++clicks; };
    enter(b);
    QCOMPARE(b.look(), (TSelButton::Look{QColor(132, 185, 164), Qt::black, 0}));
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(b.look(), (TSelButton::Look{QColor(132, 185, 164), Qt::black, 1}));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks, 1);
    QCOMPARE(b.look(), (TSelButton::Look{QColor(132, 185, 164), Qt::black, 0}));
    leave(b);
    QCOMPARE(b.look(), (TSelButton::Look{Qt::white, QColor(128, 128, 128), 0}));
    // Other buttons change nothing.
    QTest::mouseClick(&b, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(clicks, 1);
}

void TestTSelButton::disabledStaysNormal() {
    TSelButton b;
    b.Enabled = false;
    int clicks = 0;
    b.OnClick = [&](TSelButton*) { ++clicks; };
    const TSelButton::Look normal = b.look();
    enter(b);
    QCOMPARE(b.look(), normal);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(b.look(), normal);
    QCOMPARE(clicks, 0);
}

void TestTSelButton::dragOffDoesNotClick() {
    TSelButton b;
    int clicks = 0;
    b.OnClick = [&](TSelButton*) { ++clicks; };
    enter(b);
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
    leave(b);
    const TSelButton::Look normal = b.look();
    QCOMPARE(normal.offset, 0);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(300, 10));
    QCOMPARE(clicks, 0);
    QCOMPARE(b.look(), normal);
}

void TestTSelButton::borders() {
    for (int width : {0, 3}) {
        TSelButton b;
        b.setColor(Qt::white);
        b.setColorBorder(Qt::red);
        b.setBorderWidth(width);
        const QImage img = b.grab().toImage();
        for (int i = 0; i < 4; ++i) {
            const bool outline = i < width;
            QCOMPARE(QColor(img.pixel(i, 10)) == QColor(Qt::red), outline);
        }
    }
}

QTEST_MAIN(TestTSelButton)
#include "test_tselbutton.moc"
