#pragma once
// The board panel and the board's other controls in the main window's board
// panel. It shows; TurnFlow decides what.
#include "board_pictures.h"
#include "board_widgets.h"

#include <QFrame>
#include <QPushButton>

#include <array>
#include <optional>

namespace board {

class ChipAnimator;
class BoardReader;

class BoardView : public QObject {
    Q_OBJECT
public:
    // Creates every control as a child of 'panel_board' at its place: the
    // board panel at (332,5), the turn log, winner panel and give button
    // beside it.
    explicit BoardView(QWidget* panel_board);

    // An empty seat's name, in the language in force.
    static QString waiting() { return tr("<Waiting>"); }
    static constexpr QPoint PanelPosition{332, 5};

    // ---- the board panel, in drawing order from bottom to top ----
    QFrame* FlatPanel1;
    QLabel* board;
    QLabel* label_error;
    QLabel* image_path1;
    QLabel* image_path2;
    QLabel* label_playername2;
    ClickImage* Image7; // shows or hides seat 1's route
    ClickImage* Image6; // shows or hides seat 2's route
    QLabel* label_status1;
    QLabel* label_status2;
    QLabel* label_playername1;
    QLabel* image_eyes1;
    QLabel* image_Turn;
    QLabel* image_eyes2;
    QLabel* image_dice3;
    QLabel* image_Dice2;
    QLabel* image_dice1;
    PictureButton* button_roll;
    QLabel* image_dice4;
    PictureButton* button_start;

    // ---- in panel_board beside the board panel ----
    TurnLog* memo_turn;
    QFrame* panel_winner;
    QLabel* label_winner2; // the shadow, under
    QLabel* label_winner1;
    QPushButton* button_give;

    // image_p<seat><chip>
    ChipImage* image_p(int seat, int chip) const { return chips_[seat - 1][chip - 1]; }
    QLabel* label_playername(int seat) const;
    QLabel* label_status(int seat) const;
    QLabel* image_eyes(int seat) const;
    std::array<QLabel*, 4> dice() const {
        return {image_dice1, image_Dice2, image_dice3, image_dice4};
    }

    // The name a seat's label shows now, which every log line uses.
    QString seatname(int seat) const { return label_playername(seat)->text(); }
    // Moves the chip's picture to the square; the square itself is stored by
    // the caller.
    void placechip(int seat, int chip, int square);
    // When set, chips glide to their squares (see ChipAnimator).
    ChipAnimator* animator = nullptr;
    // Values 0 and 1 show a die; anything else an empty place.
    void showdice(const std::array<int, 4>& values);
    std::array<int, 4> shownDice() const { return shownDice_; }
    // What screen readers are told of the board.
    BoardReader* reader = nullptr;
    void setEyes(int seat, bool shown);
    // The turn marker stands beside the name of the seat to act.
    void moveTurnMarker(int seat);
    void clearStatus();
    // Owner mark of all seven chips of a seat ("3" while handed over).
    void setOwnerMarks(int seat, const QString& mark);

    void Image7Click();
    void Image6Click();

signals:
    void chipClicked(board::ChipImage* image);

private:
    QLabel* picture(const QPixmap& pixmap, QRect geometry);
    void buildPanel();
    void buildSideControls(QWidget* panel_board);

    std::optional<BoardPictures> pictures_; // from the moment the panel is built
    std::array<std::array<ChipImage*, 7>, 2> chips_{};
    std::array<int, 4> shownDice_{-1, -1, -1, -1};
};

} // namespace board
