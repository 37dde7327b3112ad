#include "hint_overlay.h"

#include "board_view.h"

#include <QEvent>
#include <QPainter>
#include <QRadialGradient>

namespace board {

namespace {
const QColor Glow(255, 214, 110);
const QColor Landing(120, 236, 255);

void halo(QPainter& p, QPointF centre, const QColor& colour, qreal radius, int strength = 255) {
    QRadialGradient g(centre, radius);
    QColor inner = colour, outer = colour;
    QColor mid = colour;
    inner.setAlpha(strength);
    mid.setAlpha(strength * 3 / 5);
    outer.setAlpha(0);
    // Solid under the chip's own disc (radius 12), fading out beyond it.
    g.setColorAt(0.0, inner);
    g.setColorAt(12.0 / radius, inner);
    g.setColorAt(15.0 / radius, mid);
    g.setColorAt(1.0, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}
} // namespace

HintOverlay::HintOverlay(BoardView& view) : QWidget(view.FlatPanel1), view_(view) {
    setObjectName(QStringLiteral("hint_overlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(view.FlatPanel1->rect());
    // Under every chip (seat 1's chip 7 is the lowest), above the board.
    stackUnder(view.image_p(1, ChipCount));
    for (int seat = 1; seat <= SeatCount; ++seat)
        for (int chip = 1; chip <= ChipCount; ++chip)
            view.image_p(seat, chip)->installEventFilter(this);
    hide();
}

void HintOverlay::setHints(int seat, std::vector<Hint> hints) {
    if (seat == seat_ && hints == hints_) return;
    seat_ = seat;
    hints_ = std::move(hints);
    if (!find(hovered_)) hovered_ = 0;
    // A chip already under the pointer when the hints arrive shows its landing.
    for (const Hint& h : hints_)
        if (view_.image_p(seat_, h.chip)->underMouse()) hovered_ = h.chip;
    setVisible(!hints_.empty());
    update();
}

const Hint* HintOverlay::find(int chip) const {
    for (const Hint& h : hints_)
        if (h.chip == chip) return &h;
    return nullptr;
}

QRect HintOverlay::landingRect() const {
    const Hint* h = find(hovered_);
    if (!h) return {};
    return QRect(placechipPosition(seat_, h->chip, h->to), QSize(24, 24));
}

bool HintOverlay::eventFilter(QObject* watched, QEvent* event) {
    auto* chip = qobject_cast<ChipImage*>(watched);
    if (chip && chip->seat() == seat_) {
        if (event->type() == QEvent::Enter && find(chip->chip())) {
            hovered_ = chip->chip();
            update();
        } else if (event->type() == QEvent::Leave && hovered_ == chip->chip()) {
            hovered_ = 0;
            update();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HintOverlay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn where the board model has the chip, which a glide still under
    // way may not have reached yet.
    const auto centreOf = [&](int chip, int square) {
        return QRectF(placechipPosition(seat_, chip, square), QSizeF(24, 24)).center();
    };
    for (const Hint& h : hints_)
        halo(p, centreOf(h.chip, h.from), Glow, h.chip == hovered_ ? 24 : 21);
    const QRect land = landingRect();
    if (land.isNull()) return;
    const Hint* h = find(hovered_);
    // The way there, square by square, so a player sees the route it takes.
    // Dark teal reads on the light squares and on the blue rosettes alike.
    QPen trail(QColor(0, 118, 150, 230), 3.0, Qt::DotLine, Qt::RoundCap);
    p.setPen(trail);
    p.setBrush(Qt::NoBrush);
    QPointF last = centreOf(h->chip, h->from);
    for (int q = h->from + 1; q <= h->to; ++q) {
        const QPointF next = centreOf(h->chip, q);
        p.drawLine(last, next);
        last = next;
    }
    halo(p, QRectF(land).center(), Landing, 22, 140);
    p.setOpacity(0.75);
    p.drawPixmap(land.topLeft(), view_.image_p(seat_, h->chip)->pixmap());
    p.setOpacity(1.0);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.5));
    p.drawEllipse(QRectF(land).adjusted(-1.5, -1.5, 1.5, 1.5));
}

} // namespace board
