#include "tdicestats.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QHeaderView>
#include <QLineSeries>
#include <QShortcut>
#include <QVBoxLayout>
#include <QValueAxis>

#include "board_widgets.h"

namespace {
const QColor Gold(222, 184, 102);
const QColor SeatColour[2] = {QColor(86, 170, 72), QColor(232, 128, 40)};
const QColor AllColour(196, 156, 84);
constexpr int Columns = 5; // sum, seat 1, seat 2, all, fair
} // namespace

// Bars of the observed shares per sum, seat by seat and in all, against a
// line at the share fair dice give, drawn with Qt Charts.
class DiceChart : public QChartView {
public:
    explicit DiceChart(QWidget* parent) : QChartView(parent) {
        setObjectName(QStringLiteral("dice_chart"));
        setMinimumHeight(170);
        setRenderHint(QPainter::Antialiasing);
        setFrameShape(QFrame::NoFrame);
        auto* c = new QChart;
        c->setBackgroundBrush(QColor(30, 20, 12));
        c->setBackgroundPen(QPen(QColor(120, 96, 62)));
        c->setBackgroundRoundness(6);
        c->setMargins(QMargins(2, 2, 4, 2));
        bars_ = new QBarSeries(c);
        for (int k = 0; k < 3; ++k) {
            sets_[std::size_t(k)] = new QBarSet(QString(), bars_);
            const QColor colour = k == 2 ? AllColour : SeatColour[k];
            sets_[std::size_t(k)]->setColor(colour);
            sets_[std::size_t(k)]->setBorderColor(colour.darker(140));
            bars_->append(sets_[std::size_t(k)]);
        }
        bars_->setBarWidth(0.8);
        fair_ = new QLineSeries(c);
        fair_->setName(Tdicestats::tr("fair dice"));
        fair_->setPen(QPen(QColor(255, 240, 200), 1.6, Qt::DashLine));
        fair_->setPointsVisible(true);
        for (int sum = 0; sum < board::DiceStats::Sums; ++sum)
            fair_->append(sum, 100.0 * board::DiceStats::Expected[std::size_t(sum)]);
        c->addSeries(bars_);
        c->addSeries(fair_);
        auto* x = new QBarCategoryAxis(c);
        x->append({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                   QStringLiteral("3"), QStringLiteral("4")});
        x->setTitleText(Tdicestats::tr("sum of the four dice"));
        auto* y = new QValueAxis(c);
        y->setRange(0, 50);
        y->setTickCount(6);
        y->setLabelFormat(QStringLiteral("%d%%"));
        QFont small = font();
        small.setPixelSize(10);
        for (QAbstractAxis* a : std::initializer_list<QAbstractAxis*>{x, y}) {
            a->setLabelsFont(small);
            a->setTitleFont(small);
            a->setLabelsBrush(QColor(236, 220, 180));
            a->setTitleBrush(QColor(200, 180, 140));
            a->setGridLineColor(QColor(90, 70, 48));
            a->setLinePenColor(QColor(120, 96, 62));
        }
        x->setGridLineVisible(false);
        c->addAxis(x, Qt::AlignBottom);
        c->addAxis(y, Qt::AlignLeft);
        for (QAbstractSeries* series : c->series()) {
            series->attachAxis(x);
            series->attachAxis(y);
        }
        c->legend()->setAlignment(Qt::AlignTop);
        c->legend()->setLabelColor(QColor(236, 220, 180));
        c->legend()->setFont(small);
        setChart(c);
    }

    void refresh(const board::DiceStats& stats, const std::array<QString, 3>& names) {
        for (int k = 0; k < 3; ++k) {
            QBarSet* set = sets_[std::size_t(k)];
            const int seat = k == 2 ? 0 : k + 1;
            set->setLabel(names[std::size_t(k)]);
            QList<qreal> shares;
            for (int sum = 0; sum < board::DiceStats::Sums; ++sum)
                shares << 100.0 * stats.share(seat, sum);
            if (set->count() == shares.size())
                for (int sum = 0; sum < board::DiceStats::Sums; ++sum)
                    set->replace(sum, shares[sum]);
            else
                set->append(shares);
        }
    }

private:
    QBarSeries* bars_;
    std::array<QBarSet*, 3> sets_{};
    QLineSeries* fair_;
};

Tdicestats::Tdicestats(const board::DiceStats& stats, QWidget* parent)
    : QWidget(parent, Qt::Window), stats_(stats) {
    setObjectName(QStringLiteral("dicestats"));
    setWindowTitle(tr("Dice Statistics"));
    resize(490, 520);
    board::setWalnutBackground(this, QColor(236, 220, 180));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    auto* title = new QLabel(tr("Sums of the four dice this session"), this);
    QFont tf(QStringLiteral("DejaVu Serif"));
    tf.setPixelSize(17);
    tf.setBold(true);
    title->setFont(tf);
    title->setStyleSheet(QStringLiteral("color: rgb(222,184,102);"));
    layout->addWidget(title);

    chart_ = new DiceChart(this);
    layout->addWidget(chart_, 1);

    grid = new QTableWidget(board::DiceStats::Sums + 1, Columns, this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus); // nothing in it to act on
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setStyleSheet(QStringLiteral(
        "QTableWidget { background: rgb(240,232,212); color: rgb(44,26,10);"
        " gridline-color: rgb(196,170,120); border: 2px solid rgb(74,52,34); font: 12px; }"
        "QTableWidget:focus { border: 2px solid rgb(222,184,102); }"
        "QHeaderView::section { background: rgb(176,132,66); color: rgb(44,26,10);"
        " font: bold 12px; border: 0; border-right: 1px solid rgb(120,90,50); padding: 3px; }"));
    grid->setFixedHeight(6 * 24 + 30);
    for (int r = 0; r <= board::DiceStats::Sums; ++r)
        grid->setRowHeight(r, 24);
    layout->addWidget(grid);

    for (int i = 0; i < 3; ++i) {
        label_test[std::size_t(i)] = new QLabel(this);
        label_test[std::size_t(i)]->setTextFormat(Qt::PlainText);
        layout->addWidget(label_test[std::size_t(i)]);
    }
    label_fair = new QLabel(this);
    label_fair->setObjectName(QStringLiteral("label_fair"));
    label_fair->setWordWrap(true);
    label_fair->setTextFormat(Qt::PlainText);
    label_fair->setStyleSheet(QStringLiteral("color: rgb(255,240,200); font: bold 12px;"));
    layout->addWidget(label_fair);
    auto* note = new QLabel(tr("Fair dice give the sums 0 to 4 as 1 : 4 : 6 : 4 : 1. A p-value "
                               "below 0.01 would be surprising from fair dice."),
                            this);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: rgb(200,180,140); font: italic 11px;"));
    layout->addWidget(note);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    refresh();
}

void Tdicestats::setNames(const QString& seat1, const QString& seat2) {
    names_ = {seat1, seat2};
    refresh();
}

QString Tdicestats::countCell(int count, double share) {
    return QStringLiteral("%1 (%2 %)").arg(count).arg(share * 100, 0, 'f', 1);
}

QString Tdicestats::verdict(const board::DiceStats& stats, int seat) {
    const int n = stats.total(seat);
    if (n == 0) return tr("no throws yet");
    const double p = stats.pValue(seat);
    return tr("%1 throws, chi-square %2, p = %3")
        .arg(n)
        .arg(stats.chiSquare(seat), 0, 'f', 2)
        .arg(p, 0, 'f', 3);
}

void Tdicestats::setKeptDice(const board::DiceStats& kept, int games) {
    kept_ = kept;
    keptGames_ = games;
    label_fair->setText(fairness(kept_, keptGames_));
}

QString Tdicestats::fairness(const board::DiceStats& kept, int games) {
    const int n = kept.total(0);
    if (n == 0) return tr("Are the dice fair? No kept games yet to tell.");
    const double p = kept.pValue(0);
    const QString over = (games == 1 ? tr("1 kept game") : tr("%1 kept games").arg(games)) +
                         (n == 1 ? tr(" and 1 throw") : tr(" and %1 throws").arg(n));
    const QString odds = QString::number(100.0 * p, 'f', p < 0.1 ? 1 : 0);
    const QString test = QString::number(p, 'f', p < 0.01 ? 4 : 3);
    if (p >= 0.05)
        return tr("Are the dice fair? Yes, as far as %1 can tell: fair dice come out at least "
                  "this uneven %2 % of the time (chi-square p = %3).")
            .arg(over, odds, test);
    if (p >= 0.01)
        return tr("Are the dice fair? Probably, but %1 are a little uneven: fair dice come out "
                  "like this only %2 % of the time (chi-square p = %3).")
            .arg(over, odds, test);
    return tr("Are the dice fair? Doubtful: in %1, fair dice would come out this uneven only "
              "%2 % of the time (chi-square p = %3).")
        .arg(over, odds, test);
}

void Tdicestats::refresh() {
    grid->setHorizontalHeaderLabels({tr("Sum"), names_[0], names_[1], tr("All"), tr("Fair dice")});
    const auto set = [this](int row, int column, const QString& text) {
        auto* item = grid->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            grid->setItem(row, column, item);
        }
        item->setText(text);
    };
    for (int sum = 0; sum < board::DiceStats::Sums; ++sum) {
        set(sum, 0, QString::number(sum));
        set(sum, 1, countCell(stats_.count(1, sum), stats_.share(1, sum)));
        set(sum, 2, countCell(stats_.count(2, sum), stats_.share(2, sum)));
        set(sum, 3, countCell(stats_.count(0, sum), stats_.share(0, sum)));
        set(sum, 4,
            QStringLiteral("%1 %").arg(board::DiceStats::Expected[std::size_t(sum)] * 100, 0, 'g',
                                       3));
    }
    const int last = board::DiceStats::Sums;
    set(last, 0, tr("Throws"));
    for (int k = 0; k < 3; ++k)
        set(last, k + 1, QString::number(stats_.total(k == 2 ? 0 : k + 1)));
    set(last, 4, QStringLiteral("100 %"));
    const QString who[3] = {names_[0], names_[1], tr("All")};
    chart_->refresh(stats_, {who[0], who[1], who[2]});
    for (int k = 0; k < 3; ++k) {
        QLabel* l = label_test[std::size_t(k)];
        l->setText(who[k] + QStringLiteral(": ") + verdict(stats_, k == 2 ? 0 : k + 1));
        const QColor c = k == 2 ? Gold : SeatColour[k].lighter(120);
        l->setStyleSheet(QStringLiteral("color: %1; font: bold 12px;").arg(c.name()));
    }
}
