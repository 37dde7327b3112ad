#pragma once
// The review beside the record viewer's board: Expert's judgement of every
// move, worked out on a thread of its own while a bar shows how far it is;
// then the chart of one seat's chance, what the move at the shown step was
// worth, the best move drawn on the board when another was played, and each
// player's accuracy, mistakes and blunders, luck and luck-adjusted result;
// the key moments and the game's dice.
#include "board_view.h"
#include "game_record.h"
#include "game_review.h"
#include "review_chart.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <array>
#include <memory>
#include <thread>

namespace board {

// The best move's arrow on the board: from the chip that should have moved to
// the square it would have reached. Never takes a click.
class BestMoveOverlay : public QWidget {
public:
    explicit BestMoveOverlay(BoardView& view);
    void showMove(int seat, int chip, int from, int to);
    void clearMove();
    bool showing() const { return seat_ != 0; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int seat_ = 0, chip_ = 0, from_ = 0, to_ = 0;
};

class ReviewPanel : public QWidget {
    Q_OBJECT
public:
    ReviewPanel(BoardView& view, QWidget* parent);
    ~ReviewPanel() override; // stops and waits for the evaluation

    // Reviews the game; 'seat' is the seat whose chance the chart draws.
    void start(const RecordedGame& game, int seat);
    void clear();
    bool running() const { return worker_.joinable(); }
    bool ready() const { return ready_; }
    const review::Review& result() const { return result_; }
    // The rating of the turn that led to 'step', or null (none, or no move).
    const review::Rating* ratingFor(int step) const;
    void showStep(int step);

    // How often the window looks whether the worker is done; the fuzzer,
    // which reviews thousands of games, looks at every turn of the loop.
    int pollMs = 40;

    // Texts for the player.
    static QString markText(review::Mark mark);
    static QString moveText(int from, int to);
    static QString signedPoints(double points);

    ReviewChart* chart;
    QProgressBar* progress;
    QLabel* label_move;
    std::array<QLabel*, SeatCount> label_summary{};
    QLabel* label_moments; // the three turns that swung the game most; each a link
    QLabel* label_dice;    // the game's dice beside what fair dice give
    BestMoveOverlay* overlay;

signals:
    void stepClicked(int step);
    void finished();

private:
    struct Job;
    void stop();
    void poll();
    void showResult();
    void showMoments();
    void showDice();
    std::shared_ptr<Job> job_;
    std::thread worker_;
    QTimer poll_;
    review::Review result_;
    bool ready_ = false;
    RecordedGame game_;
    int seat_ = 1;
    int step_ = 0;
};

} // namespace board
