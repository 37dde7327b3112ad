#pragma once
// Draws the hints on the board panel: a soft glow under every chip that may
// move, and, while the pointer rests on one of them, a ghost of that chip on
// the square where it would land. It lies under the chips and never takes a
// click.
#include "hints.h"

#include <QWidget>

namespace board {

class BoardView;
class ChipImage;

class HintOverlay : public QWidget {
    Q_OBJECT
public:
    explicit HintOverlay(BoardView& view);

    // 'seat' is the board seat (1 or 2) whose chips the hints name.
    void setHints(int seat, std::vector<Hint> hints);
    void clearHints() { setHints(0, {}); }
    const std::vector<Hint>& hints() const { return hints_; }
    int seat() const { return seat_; }
    // The chip under the pointer when it is one of the hinted chips, else 0.
    int hovered() const { return hovered_; }
    // Where the hovered chip would land, in board panel pixels; null if none.
    QRect landingRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Hint* find(int chip) const;
    BoardView& view_;
    int seat_ = 0;
    int hovered_ = 0;
    std::vector<Hint> hints_;
};

} // namespace board
