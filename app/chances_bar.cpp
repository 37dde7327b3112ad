#include "chances_bar.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
// The chips' own colours: seat 1 green, seat 2 orange; the numbers in lighter
// shades of them, so they read on the walnut.
const QColor Seat1(58, 170, 72);
const QColor Seat2(232, 128, 36);
const QColor Seat1Text(132, 216, 128);
const QColor Seat2Text(252, 170, 96);
const QColor Frame(214, 178, 104);
const QColor Trough(40, 26, 16);
constexpr int NumberHeight = 16; // the band for each number, above and below the bar
constexpr int BarWidth = 12;
} // namespace

ChancesBar::ChancesBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chances"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setToolTip(tr("Chance to win, as the computer sees it"));
    setAccessibleName(tr("Chances to win: no game"));
}

void ChancesBar::setChance(double seat1) {
    chance_ = seat1 < 0 ? -1 : std::min(1.0, seat1);
    // Read out as it is drawn: the top player's share first.
    const QString said =
        chance_ < 0 ? tr("Chances to win: no game")
                    : tr("Chances to win: player 1 %1, player 2 %2").arg(seatText(1), seatText(2));
    if (accessibleName() != said) setAccessibleName(said);
    update();
}

void ChancesBar::setExact(bool exact) {
    exact_ = exact;
}

QString ChancesBar::seatText(int seat) const {
    if (chance_ < 0) return QString();
    // Rounded once, so the two shares always make 100.
    const int first = static_cast<int>(std::lround(chance_ * 100));
    return QStringLiteral("%1%").arg(seat == 1 ? first : 100 - first);
}

void ChancesBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF bar((width() - BarWidth) / 2.0 + 0.5, NumberHeight + 2.5, BarWidth - 1.0,
                     height() - 2 * (NumberHeight + 2) - 1.0);
    QPainterPath clip;
    clip.addRoundedRect(bar, 3, 3);
    p.save();
    p.setClipPath(clip);
    p.fillRect(bar, Trough);
    if (chance_ >= 0) {
        const double split = bar.top() + bar.height() * chance_;
        p.fillRect(QRectF(bar.left(), bar.top(), bar.width(), split - bar.top()), Seat1);
        p.fillRect(QRectF(bar.left(), split, bar.width(), bar.bottom() - split), Seat2);
        // Even odds, marked.
        p.setPen(QPen(QColor(255, 255, 255, 170), 1));
        const double mid = bar.center().y();
        p.drawLine(QPointF(bar.left(), mid), QPointF(bar.right(), mid));
    }
    p.restore();
    p.setPen(QPen(Frame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(bar, 3, 3);

    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    const QString none = QStringLiteral("–");
    p.setPen(Seat1Text);
    p.drawText(QRect(0, 0, width(), NumberHeight), Qt::AlignCenter,
               chance_ < 0 ? none : seatText(1));
    p.setPen(Seat2Text);
    p.drawText(QRect(0, height() - NumberHeight, width(), NumberHeight), Qt::AlignCenter,
               chance_ < 0 ? none : seatText(2));
}
