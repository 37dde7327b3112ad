#include "chances_bar.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
// The chips' own colours: seat 1 green, seat 2 orange.
const QColor Seat1(58, 170, 72);
const QColor Seat2(232, 128, 36);
const QColor Frame(214, 178, 104);
} // namespace

ChancesBar::ChancesBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chances"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ChancesBar::setChance(double seat1) {
    chance_ = seat1;
    setToolTip(seat1 < 0 ? QStringLiteral("No game")
                         : QStringLiteral("Seat 1 wins %1 % of the time from here%2")
                               .arg(seat1 * 100, 0, 'f', 1)
                               .arg(exact_ ? QStringLiteral(" (exact)") : QString()));
    update();
}

void ChancesBar::setExact(bool exact) {
    exact_ = exact;
}

void ChancesBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath clip;
    clip.addRoundedRect(outer, 3, 3);
    p.setClipPath(clip);
    p.fillRect(outer, QColor(40, 26, 16));
    if (chance_ >= 0) {
        const double split = outer.top() + outer.height() * chance_;
        p.fillRect(QRectF(outer.left(), outer.top(), outer.width(), split - outer.top()), Seat1);
        p.fillRect(QRectF(outer.left(), split, outer.width(), outer.bottom() - split), Seat2);
        // Even odds, marked.
        p.setPen(QPen(QColor(255, 255, 255, 150), 1));
        const double mid = outer.center().y();
        p.drawLine(QPointF(outer.left(), mid), QPointF(outer.right(), mid));
    }
    p.setClipping(false);
    p.setPen(QPen(Frame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer, 3, 3);
}
