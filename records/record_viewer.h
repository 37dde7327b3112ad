#pragma once
// The record viewer: a saved game record stepped through on a board of its
// own, turn by turn (start, back, forward, end), with Expert's review of every
// move beneath it. The kept games are a list to choose from; Open reads any
// record file. It never touches the game that runs in the main window.
#include "board_model.h"
#include "board_view.h"
#include "game_record.h"
#include "review_panel.h"

#include <functional>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace board {

class Trecordviewer : public QWidget {
    Q_OBJECT
public:
    explicit Trecordviewer(QWidget* parent = nullptr);

    // Shows a record read from 'text'; 'title' names it in the window title.
    // Returns false when not one turn could be read.
    bool openText(const QString& text, const QString& title);
    // Reads the file; false (with the reason in label_where) when it cannot.
    bool openFile(const QString& path);

    // The kept games to offer, newest first, as file paths.
    void setKeptGames(const QStringList& paths);
    void openKept(int index);
    // The seat whose chance the chart draws: the viewer's own where it has
    // one (1 or 2), else seat 1.
    int ownSeat = 1;
    // Asks for a record file to open; empty when none was chosen.
    std::function<QString()> chooseFile;

    void showGame(int index);
    void stepTo(int step); // 0: before the first turn
    void stepStart() { stepTo(0); }
    void stepBack() { stepTo(step_ - 1); }
    void stepForward() { stepTo(step_ + 1); }
    void stepEnd() { stepTo(steps()); }
    int step() const { return step_; }
    int steps() const { return int(positions_.size()) - 1; }
    const ReadRecord& record() const { return record_; }
    // The squares shown now.
    Squares shown() const;

    // A turn in the player's words.
    static QString describe(const TurnRecord& turn, const std::array<QString, SeatCount>& names);

    BoardView* view;
    QComboBox* combo_game;
    QLabel* label_where;   // "Turn 12 of 80"
    QLabel* label_problem; // where a damaged or unfinished record stopped
    QPushButton* button_first;
    QPushButton* button_back;
    QPushButton* button_forward;
    QPushButton* button_last;
    QComboBox* combo_kept;
    QPushButton* button_open;
    ReviewPanel* review;

private:
    QWidget* panel_board;
    ReadRecord record_;
    int game_ = -1;
    int step_ = 0;
    std::vector<Squares> positions_;
    QStringList kept_;
    BoardModel shown_; // the step's board, as screen readers are told it
};

} // namespace board
