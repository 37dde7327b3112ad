#include "review_panel.h"

#include "levels.h"
#include "record_review.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <atomic>
#include <cmath>

namespace board {

namespace {
const QColor Beige(236, 220, 180);
const QColor Best(120, 236, 255);

QPointF centre(int seat, int chip, int square) {
    return QPointF(placechipPosition(seat, chip, square)) + QPointF(12, 12);
}
} // namespace

// ---- the best move on the board ----

BestMoveOverlay::BestMoveOverlay(BoardView& view) : QWidget(view.FlatPanel1) {
    setObjectName(QStringLiteral("best_move_overlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(view.FlatPanel1->rect());
    hide();
}

void BestMoveOverlay::showMove(int seat, int chip, int from, int to) {
    seat_ = seat;
    chip_ = chip;
    from_ = from;
    to_ = to;
    raise();
    show();
    update();
}

void BestMoveOverlay::clearMove() {
    seat_ = 0;
    hide();
}

void BestMoveOverlay::paintEvent(QPaintEvent*) {
    if (!seat_) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF a = centre(seat_, chip_, from_), b = centre(seat_, chip_, to_);
    // A ring round the chip that should have moved, a ghost where it would
    // have landed, and an arrow between them.
    p.setPen(QPen(Best, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(a, 15, 15);
    QColor ghost = Best;
    ghost.setAlpha(110);
    p.setBrush(ghost);
    p.setPen(QPen(Best, 2, Qt::DashLine));
    p.drawEllipse(b, 13, 13);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len < 30) return;
    const QPointF u = d / len;
    const QPointF s = a + u * 17, e = b - u * 16;
    QPen shaft(Best, 3);
    shaft.setCapStyle(Qt::RoundCap);
    p.setPen(shaft);
    p.drawLine(s, e);
    const QPointF n(-u.y(), u.x());
    QPainterPath head;
    head.moveTo(e + u * 2);
    head.lineTo(e - u * 9 + n * 6);
    head.lineTo(e - u * 9 - n * 6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Best);
    p.drawPath(head);
}

// ---- the panel ----

struct ReviewPanel::Job {
    std::vector<review::Turn> turns;
    std::shared_ptr<const solver::Table> table;
    std::atomic<int> done{0};
    std::atomic<bool> cancel{false}, finished{false};
    review::Review result;
};

ReviewPanel::ReviewPanel(BoardView& view, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("review_panel"));
    overlay = new BestMoveOverlay(view);
    chart = new ReviewChart(this);
    connect(chart, &ReviewChart::stepClicked, this, &ReviewPanel::stepClicked);
    progress = new QProgressBar(this);
    progress->setObjectName(QStringLiteral("review_progress"));
    progress->setRange(0, 1);
    progress->setFormat(tr("Expert reviews the game… %p %"));
    progress->setMaximumHeight(16);
    label_move = new QLabel(this);
    label_move->setObjectName(QStringLiteral("label_move"));
    label_move->setWordWrap(true);
    label_move->setTextFormat(Qt::RichText);
    label_move->setFont(boardFont(13, false));
    label_move->setMinimumHeight(54);
    label_move->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    side->addWidget(label_move);
    for (int seat = 1; seat <= SeatCount; ++seat) {
        QLabel*& l = label_summary[std::size_t(seat - 1)];
        l = new QLabel(this);
        l->setObjectName(QStringLiteral("label_summary%1").arg(seat));
        l->setTextFormat(Qt::RichText);
        l->setFont(boardFont(12, false));
        l->setWordWrap(true);
        side->addWidget(l);
    }
    side->addStretch(1);
    side->addWidget(progress);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(chart, 3);
    row->addLayout(side, 2);
    for (QLabel* l : {label_move, label_summary[0], label_summary[1]}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Beige);
        l->setPalette(pal);
    }
    connect(&poll_, &QTimer::timeout, this, &ReviewPanel::poll);
    clear();
}

ReviewPanel::~ReviewPanel() {
    stop();
}

void ReviewPanel::stop() {
    poll_.stop();
    if (job_) job_->cancel = true;
    if (worker_.joinable()) worker_.join();
    job_.reset();
}

void ReviewPanel::clear() {
    stop();
    ready_ = false;
    result_ = {};
    chart->clearChances();
    overlay->clearMove();
    progress->hide();
    label_move->clear();
    for (QLabel* l : label_summary)
        l->clear();
}

void ReviewPanel::start(const RecordedGame& game, int seat) {
    clear();
    game_ = game;
    seat_ = seat == 2 ? 2 : 1;
    job_ = std::make_shared<Job>();
    job_->turns = reviewTurns(game);
    // Exact where the table is loaded; Expert's search everywhere else.
    job_->table = levels::perfectTable();
    progress->setRange(0, std::max(1, int(job_->turns.size())));
    progress->setValue(0);
    progress->show();
    label_move->setText(tr("Expert is looking at every move…"));
    worker_ = std::thread([job = job_] {
        job->result = review::reviewGame(job->turns, job->table.get(), 2, &job->cancel,
                                         [&job](int done, int) { job->done = done; });
        job->finished = true;
    });
    poll_.start(pollMs);
}

void ReviewPanel::poll() {
    if (!job_) return;
    progress->setValue(job_->done.load());
    if (!job_->finished.load()) return;
    poll_.stop();
    worker_.join();
    result_ = std::move(job_->result);
    job_.reset();
    ready_ = true;
    progress->hide();
    showResult();
    emit finished();
}

void ReviewPanel::showResult() {
    std::vector<double> chance = result_.seat1Chance;
    if (seat_ == 2)
        for (double& c : chance)
            c = 1.0 - c;
    if (game_.winner && !chance.empty()) chance.back() = game_.winner == seat_ ? 1.0 : 0.0;
    chart->setChances(chance, result_.ratings, game_.names[std::size_t(seat_ - 1)]);
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const review::SeatSummary& s = result_.seats[std::size_t(seat - 1)];
        label_summary[std::size_t(seat - 1)]->setText(
            tr("<b>%1</b>: accuracy <b>%2%</b> of %3 moves<br>%4 inaccuracies, %5 mistakes, "
               "%6 blunders")
                .arg(game_.names[std::size_t(seat - 1)].toHtmlEscaped())
                .arg(qRound(s.accuracy()))
                .arg(s.moves)
                .arg(s.inaccuracies)
                .arg(s.mistakes)
                .arg(s.blunders));
    }
    showStep(step_);
}

const review::Rating* ReviewPanel::ratingFor(int step) const {
    for (const review::Rating& r : result_.ratings)
        if (r.turn + 1 == step) return &r;
    return nullptr;
}

QString ReviewPanel::markText(review::Mark mark) {
    switch (mark) {
    case review::Mark::Best:
        return tr("best");
    case review::Mark::Inaccuracy:
        return tr("an inaccuracy");
    case review::Mark::Mistake:
        return tr("a mistake");
    case review::Mark::Blunder:
        return tr("a blunder");
    }
    return {};
}

QString ReviewPanel::moveText(int from, int to) {
    const auto square = [](int q) {
        return q == StartSquare ? tr("start") : q == HomeSquare ? tr("home") : QString::number(q);
    };
    return tr("%1 to %2").arg(square(from), square(to));
}

void ReviewPanel::showStep(int step) {
    step_ = step;
    overlay->clearMove();
    if (!ready_) return;
    chart->setCurrent(step);
    if (step <= 0 || step > int(game_.turns.size())) {
        label_move->setText(step <= 0 ? tr("Before the first throw. Step through the game, or "
                                           "click the chart.")
                                      : QString());
        return;
    }
    const TurnRecord& t = game_.turns[std::size_t(step - 1)];
    const QString who = game_.names[std::size_t(t.seat - 1)].toHtmlEscaped();
    const review::Rating* r = ratingFor(step);
    if (!r) {
        label_move->setText(
            tr("Turn %1: %2 threw %3 and could not move.").arg(step).arg(who).arg(t.points));
        return;
    }
    static const std::array<const char*, 4> Colour{"#9be39b", "#f0d060", "#f09a40", "#ff6050"};
    QString text = tr("Turn %1: %2 moved %3: <b><span style=\"color:%4\">%5</span></b>")
                       .arg(step)
                       .arg(who, moveText(r->playedFrom, r->playedTo),
                            QLatin1String(Colour[std::size_t(r->mark)]), markText(r->mark));
    if (r->choices == 1) text += tr(" (the only move)");
    if (r->bestFrom != r->playedFrom) {
        text += tr(", %1 points of winning chance lost.<br>Best was <b>%2</b>, shown on the board.")
                    .arg(r->loss(), 0, 'f', 1)
                    .arg(moveText(r->bestFrom, r->bestTo));
        overlay->showMove(r->seat, r->bestChip, r->bestFrom, r->bestTo);
    } else {
        text += QLatin1Char('.');
    }
    label_move->setText(text);
}

} // namespace board
