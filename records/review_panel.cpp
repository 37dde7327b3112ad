#include "review_panel.h"

#include "levels.h"
#include "perfect_table.h"
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
    std::atomic<double> solving{-1}; // how far the table is, while it is solved first
    bool solvingShown = false;       // the window's thread only
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
    label_move->setFont(boardFont(12, false));
    label_move->setMinimumHeight(64);
    label_move->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    side->addWidget(label_move);
    for (int seat = 1; seat <= SeatCount; ++seat) {
        QLabel*& l = label_summary[std::size_t(seat - 1)];
        l = new QLabel(this);
        l->setObjectName(QStringLiteral("label_summary%1").arg(seat));
        l->setTextFormat(Qt::RichText);
        l->setFont(boardFont(11, false));
        l->setWordWrap(true);
        side->addWidget(l);
    }
    label_moments = new QLabel(this);
    label_moments->setObjectName(QStringLiteral("label_moments"));
    label_moments->setTextFormat(Qt::RichText);
    label_moments->setWordWrap(true);
    label_moments->setFont(boardFont(11, false));
    connect(label_moments, &QLabel::linkActivated, this,
            [this](const QString& link) { emit stepClicked(link.toInt()); });
    side->addWidget(label_moments);
    label_dice = new QLabel(this);
    label_dice->setObjectName(QStringLiteral("label_dice"));
    label_dice->setTextFormat(Qt::RichText);
    label_dice->setWordWrap(true);
    label_dice->setFont(boardFont(10, false));
    side->addWidget(label_dice);
    side->addStretch(1);
    side->addWidget(progress);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(chart, 1);
    row->addLayout(side, 1);
    for (QLabel* l : {label_move, label_summary[0], label_summary[1], label_moments, label_dice}) {
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
    label_moments->clear();
    label_dice->clear();
}

void ReviewPanel::start(const RecordedGame& game, int seat) {
    clear();
    game_ = game;
    seat_ = seat == 2 ? 2 : 1;
    job_ = std::make_shared<Job>();
    job_->turns = reviewTurns(game);
    // Exact wherever the table reaches: a player without one gets it solved
    // (once, then cached) before the review; the search only before it.
    job_->table = levels::perfectTable();
    progress->setRange(0, std::max(1, int(job_->turns.size())));
    progress->setValue(0);
    progress->show();
    label_move->setText(tr("Expert is looking at every move…"));
    worker_ = std::thread([job = job_] {
        if (!job->table)
            job->table = levels::obtainPerfectTable(
                levels::tableCachePath(), levels::tableCoverage(), &job->cancel,
                [&job](const solver::Progress& p) { job->solving = p.fraction; });
        if (job->cancel) return;
        job->solving = -1;
        job->result = review::reviewGame(job->turns, job->table.get(), 2, &job->cancel,
                                         [&job](int done, int) { job->done = done; });
        job->finished = true;
    });
    poll_.start(pollMs);
}

void ReviewPanel::poll() {
    if (!job_) return;
    if (const double solving = job_->solving.load(); solving >= 0) {
        if (!job_->solvingShown) {
            job_->solvingShown = true;
            progress->setRange(0, 1000);
            progress->setFormat(tr("Solving the exact table, once… %p %"));
            label_move->setText(tr("Expert first works out the exact odds of every end game "
                                   "(about a minute, only this once)."));
        }
        progress->setValue(int(solving * 1000));
        return;
    }
    if (job_->solvingShown) {
        job_->solvingShown = false;
        progress->setRange(0, std::max(1, int(job_->turns.size())));
        progress->setFormat(tr("Expert reviews the game… %p %"));
        label_move->setText(tr("Expert is looking at every move…"));
    }
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
    chart->setChances(chance, result_.ratings, game_.names[std::size_t(seat_ - 1)], result_.luck);
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const review::SeatSummary& s = result_.seats[std::size_t(seat - 1)];
        label_summary[std::size_t(seat - 1)]->setText(
            tr("<b>%1</b>: accuracy <b>%2%</b> of %3 moves<br>%4 inaccuracies, %5 mistakes, "
               "%6 blunders<br>luck <b>%7</b> over %8 throws, luck-adjusted result <b>%9</b>")
                .arg(game_.names[std::size_t(seat - 1)].toHtmlEscaped())
                .arg(qRound(s.accuracy()))
                .arg(s.moves)
                .arg(s.inaccuracies)
                .arg(s.mistakes)
                .arg(s.blunders)
                .arg(signedPoints(s.luck))
                .arg(s.throws)
                .arg(signedPoints(s.adjusted())));
    }
    showMoments();
    showDice();
    showStep(step_);
}

// Each key moment names its turn (a link there), whose throw it was, and
// whether the dice or the move swung the chance: whichever did more of it.
void ReviewPanel::showMoments() {
    QStringList parts;
    for (const int turn : result_.keyTurns) {
        if (turn < 0 || turn >= int(game_.turns.size())) continue;
        const int mover = game_.turns[std::size_t(turn)].seat;
        if (mover < 1 || mover > SeatCount) continue;
        const double luck = turn < int(result_.luck.size()) ? result_.luck[std::size_t(turn)] : 0;
        const review::Rating* r = ratingFor(turn + 1);
        const double loss = r ? r->loss() : 0;
        const double swing = luck - loss;
        const QString who = game_.names[std::size_t(mover - 1)].toHtmlEscaped();
        const QString what = std::abs(luck) >= loss ? tr("the dice") : tr("the move");
        parts << tr("<a href=\"%1\" style=\"color:#ffd66e\">turn %1</a>: %2, %3 for %4")
                     .arg(turn + 1)
                     .arg(what, signedPoints(swing), who);
    }
    label_moments->setText(
        parts.isEmpty() ? QString() : tr("<b>Key moments</b>: %1").arg(parts.join(tr("; "))));
}

void ReviewPanel::showDice() {
    std::array<int, 5> seen{};
    for (const TurnRecord& t : game_.turns)
        if (t.points >= 0 && t.points <= 4) ++seen[std::size_t(t.points)];
    const int n = int(game_.turns.size());
    static constexpr std::array<int, 5> Fair{1, 4, 6, 4, 1};
    QStringList got, fair;
    for (std::size_t p = 0; p < seen.size(); ++p) {
        got << QString::number(seen[p]);
        fair << QString::number(n * Fair[p] / 16.0, 'f', 1);
    }
    label_dice->setText(
        tr("Dice this game, 0 to 4 points: %1; fair dice would give %2 "
           "(1, 4, 6, 4, 1 in 16)")
            .arg(got.join(QStringLiteral(" · ")), fair.join(QStringLiteral(" · "))));
}

QString ReviewPanel::signedPoints(double points) {
    if (std::abs(points) < 0.05) points = 0;
    return (points < 0 ? QStringLiteral("−") : QStringLiteral("+")) +
           QString::number(std::abs(points), 'f', 1);
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
    const QString luck = step - 1 < int(result_.luck.size())
                             ? tr("<br>Luck of the throw: <b>%1</b>")
                                   .arg(signedPoints(result_.luck[std::size_t(step - 1)]))
                             : QString();
    if (!r) {
        label_move->setText(
            tr("Turn %1: %2 threw %3 and could not move.").arg(step).arg(who).arg(t.points) + luck);
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
    label_move->setText(text + luck);
}

} // namespace board
