#pragma once
// Chips that glide to their new square instead of jumping there. A move
// follows the chip's route square by square; a chip going back to its start
// pile slides straight home. Gliding is only a picture: the board model holds
// the new square at once, and a new placement of a chip that is still under
// way finishes its glide first, so nothing ever waits for an animation.
#include <QObject>
#include <QPoint>
#include <QVariantAnimation>

#include <array>
#include <vector>

namespace board {

class BoardView;

class ChipAnimator : public QObject {
    Q_OBJECT
public:
    static constexpr int GlideMs = 150;
    static constexpr int SlideBackMs = 220;

    explicit ChipAnimator(BoardView& view);

    // Off: every placement is instant, as the board model places chips.
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }

    // Moves the chip's picture to the square (the model has already stored it).
    void place(int seat, int chip, int square);
    bool gliding(int seat, int chip) const;
    bool anyGliding() const;
    // Every chip at once where it is going.
    void finishAll();

private:
    struct Glide {
        QVariantAnimation* animation = nullptr;
        std::vector<QPoint> path;
    };
    Glide& glide(int seat, int chip) { return glides_[seat - 1][chip - 1]; }
    const Glide& glide(int seat, int chip) const { return glides_[seat - 1][chip - 1]; }
    void finish(int seat, int chip);
    void step(int seat, int chip, double progress);
    std::vector<QPoint> route(int seat, int chip, int from, int to) const;

    BoardView& view_;
    bool enabled_ = true;
    std::array<std::array<Glide, 7>, 2> glides_{};
    // The square each picture was last sent to; -1 until the first placement.
    std::array<std::array<int, 7>, 2> squares_{};
};

} // namespace board
