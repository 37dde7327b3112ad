#include "chip_animation.h"

#include "board_model.h"
#include "board_view.h"

#include <QLineF>

namespace board {

ChipAnimator::ChipAnimator(BoardView& view) : QObject(&view), view_(view) {
    for (auto& seat : squares_)
        seat.fill(-1);
}

void ChipAnimator::setEnabled(bool on) {
    enabled_ = on;
    if (!on) finishAll();
}

bool ChipAnimator::gliding(int seat, int chip) const {
    return glide(seat, chip).animation != nullptr;
}

bool ChipAnimator::anyGliding() const {
    for (int seat = 1; seat <= SeatCount; ++seat)
        for (int chip = 1; chip <= ChipCount; ++chip)
            if (gliding(seat, chip)) return true;
    return false;
}

void ChipAnimator::finishAll() {
    for (int seat = 1; seat <= SeatCount; ++seat)
        for (int chip = 1; chip <= ChipCount; ++chip)
            finish(seat, chip);
}

void ChipAnimator::finish(int seat, int chip) {
    Glide& g = glide(seat, chip);
    if (!g.animation) return;
    QVariantAnimation* a = g.animation;
    g.animation = nullptr;
    a->stop();
    a->deleteLater();
    view_.image_p(seat, chip)->move(g.path.back());
    g.path.clear();
}

std::vector<QPoint> ChipAnimator::route(int seat, int chip, int from, int to) const {
    std::vector<QPoint> path{view_.image_p(seat, chip)->pos()};
    // Forward along the route through every square between; anything else
    // (sent back, a new game, a snapshot) slides straight.
    if (from >= StartSquare && to > from)
        for (int q = from + 1; q <= to; ++q)
            path.push_back(placechipPosition(seat, chip, q));
    else
        path.push_back(placechipPosition(seat, chip, to));
    return path;
}

void ChipAnimator::place(int seat, int chip, int square) {
    finish(seat, chip);
    ChipImage* image = view_.image_p(seat, chip);
    int& last = squares_[seat - 1][chip - 1];
    // A chip placed before the animator came is found by where it stands.
    for (int q = StartSquare; last < 0 && q <= HomeSquare; ++q)
        if (placechipPosition(seat, chip, q) == image->pos()) last = q;
    const int from = last;
    last = square;
    const QPoint target = placechipPosition(seat, chip, square);
    // A hidden board has nobody to watch it glide.
    if (!enabled_ || from < 0 || from == square || image->pos() == target || !image->isVisible()) {
        image->move(target);
        return;
    }
    Glide& g = glide(seat, chip);
    g.path = route(seat, chip, from, square);
    auto* a = new QVariantAnimation(this);
    g.animation = a;
    a->setStartValue(0.0);
    a->setEndValue(1.0);
    const bool back = square < from;
    a->setDuration(back ? SlideBackMs : GlideMs);
    a->setEasingCurve(back ? QEasingCurve::InOutQuad : QEasingCurve::OutCubic);
    connect(a, &QVariantAnimation::valueChanged, this,
            [this, seat, chip](const QVariant& v) { step(seat, chip, v.toDouble()); });
    connect(a, &QVariantAnimation::finished, this, [this, seat, chip, a] {
        if (glide(seat, chip).animation == a) finish(seat, chip);
    });
    a->start();
}

void ChipAnimator::step(int seat, int chip, double progress) {
    const Glide& g = glide(seat, chip);
    if (g.path.size() < 2) return;
    // Even speed over the whole way, however the squares are spaced.
    double total = 0;
    for (std::size_t i = 1; i < g.path.size(); ++i)
        total += QLineF(g.path[i - 1], g.path[i]).length();
    double along = progress * total;
    for (std::size_t i = 1; i < g.path.size(); ++i) {
        const QLineF leg(g.path[i - 1], g.path[i]);
        if (along <= leg.length() || i + 1 == g.path.size()) {
            const double t = leg.length() > 0 ? qBound(0.0, along / leg.length(), 1.0) : 1.0;
            view_.image_p(seat, chip)->move(leg.pointAt(t).toPoint());
            return;
        }
        along -= leg.length();
    }
}

} // namespace board
