#pragma once
// The board as assistive technology meets it: a table of its squares, chips
// that are buttons, named piles and dice, and a voice that says each event as
// the turn log writes it. The texts come from BoardSpeech; this side keeps
// them on the controls and tells screen readers when they change.
#include "board_speech.h"

#include <QObject>
#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;

namespace board {

class BoardView;
class ClientLink;

// Says a line to a screen reader without showing anything. What the desktop's
// accessibility bus relays for it is a notification object that appears with
// the line as its name, which screen readers speak whatever has the focus.
class Announcer : public QWidget {
    Q_OBJECT
public:
    // Lines that come within this time are said as one, so a burst of
    // messages (a capture, the move, the next turn) is never cut short by its
    // own next line while the reader still speaks the first.
    static constexpr int GatherMs = 120;
    explicit Announcer(QWidget* parent);
    void announce(const QString& line);
    // What was said last (lines gathered together are said as one).
    QString lastSaid() const { return said_; }

private:
    void sayGathered();
    QStringList gathered_;
    QString said_;
    QTimer gather_;
};

class BoardReader : public QObject {
    Q_OBJECT
public:
    explicit BoardReader(BoardView& view);
    // From here on the texts follow this board, read from the seat that
    // 'link' plays. Without a link (a record being viewed) it is read as a
    // watcher reads it, and the turn log is not announced: it is no news.
    void attach(const BoardModel& model, const ClientLink* link = nullptr);
    // Reads the board again; every text that changed is set and announced
    // as a change to screen readers. Cheap when nothing changed.
    void refresh();

    QString cellText(int row, int column) const;
    QString rowText(int row) const;
    QString tableSummary() const;
    // The reader's lowest chip on that cell, when it may move now.
    int movableChipAt(int row, int column) const;
    // A press on a cell moves that chip, as its click does.
    void pressCell(int row, int column);

    QLabel* pile(int seat, bool home) const { return piles_[(seat - 1) * 2 + (home ? 1 : 0)]; }
    QLabel* diceTray() const { return dice_; }
    Announcer* announcer() const { return announcer_; }

private:
    Reader reading() const;
    void nameStatic();
    void notifyCell(int row, int column);

    BoardView& view_;
    const BoardModel* model_ = nullptr;
    const ClientLink* link_ = nullptr;
    std::array<std::array<QString, BoardColumns>, BoardRows> cells_;
    std::array<std::array<int, BoardColumns>, BoardRows> movable_{};
    std::array<QString, BoardRows> rows_;
    std::array<QLabel*, 4> piles_{};
    QLabel* dice_ = nullptr;
    Announcer* announcer_ = nullptr;
};

// Makes Qt build the interfaces above for the board's own widgets. Every
// board view calls it; Qt keeps one copy.
void installBoardAccessibility();

} // namespace board
