#include "tally_chart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QHorizontalStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace {
const QColor Ink(44, 26, 10);
// Only so many opponents fit the window's height; the most played come first.
constexpr int MaxShown = 8;
constexpr int MaxCount = std::numeric_limits<int>::max() / 2;
} // namespace

TallyChart::TallyChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("tally_chart"));
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    auto* c = new QChart;
    c->setBackgroundBrush(QColor(224, 214, 190));
    c->setBackgroundPen(QPen(QColor(90, 80, 64)));
    c->setBackgroundRoundness(4);
    c->setMargins(QMargins(2, 0, 6, 0));
    QFont title = font();
    title.setBold(true);
    title.setPixelSize(13);
    c->setTitleFont(title);
    c->setTitleBrush(Ink);
    c->setTitle(tr("Games against each opponent"));
    auto* series = new QHorizontalStackedBarSeries(c);
    won = new QBarSet(tr("You won"), series);
    lost = new QBarSet(tr("He won"), series);
    won->setColor(QColor(86, 150, 72));
    lost->setColor(QColor(190, 80, 50));
    for (QBarSet* s : {won, lost}) {
        s->setBorderColor(s->color().darker(150));
        s->setLabelColor(Qt::white);
        series->append(s);
    }
    series->setBarWidth(0.7);
    series->setLabelsVisible(true);
    c->addSeries(series);
    names_ = new QBarCategoryAxis(c);
    counts_ = new QValueAxis(c);
    counts_->setLabelFormat(QStringLiteral("%d"));
    QFont small = font();
    small.setPixelSize(11);
    for (QAbstractAxis* a : std::initializer_list<QAbstractAxis*>{names_, counts_}) {
        a->setLabelsFont(small);
        a->setLabelsBrush(Ink);
        a->setGridLineColor(QColor(190, 178, 150));
    }
    names_->setGridLineVisible(false);
    c->addAxis(names_, Qt::AlignLeft);
    c->addAxis(counts_, Qt::AlignBottom);
    series->attachAxis(names_);
    series->attachAxis(counts_);
    c->legend()->setAlignment(Qt::AlignBottom);
    c->legend()->setFont(small);
    c->legend()->setLabelColor(Ink);
    setChart(c);
}

void TallyChart::refresh(const Tally& tally) {
    struct Row {
        QString name;
        int games, his, mine;
    };
    std::vector<Row> rows;
    // A damaged file may hold any number: a bar is at least nothing, and two
    // of them still add up within an int.
    const auto number = [&](int col, int row) {
        return std::clamp(tally.grid.cell(col, row).toInt(), 0, MaxCount);
    };
    for (int r = 1; r < tally.grid.rowCount(); ++r)
        rows.push_back({tally.grid.cell(0, r), number(1, r), number(2, r), number(3, r)});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.games > b.games; });
    if (rows.size() > std::size_t(MaxShown)) rows.resize(MaxShown);
    // The first category is drawn at the bottom: the most played goes last.
    std::reverse(rows.begin(), rows.end());
    won->remove(0, won->count());
    lost->remove(0, lost->count());
    names_->clear();
    int most = 1;
    for (const Row& r : rows) {
        names_->append(r.name.left(16));
        *won << r.mine;
        *lost << r.his;
        most = std::max(most, r.mine + r.his);
    }
    counts_->setRange(0, most);
    counts_->setTickCount(std::min(most, 5) + 1);
    chart()->setTitle(rows.empty() ? tr("No opponent tallied yet: tick a player above")
                                   : tr("Games against each opponent"));
}

QStringList TallyChart::opponents() const {
    return names_->categories();
}
