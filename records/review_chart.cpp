#include "review_chart.h"

#include <QMouseEvent>
#include <QValueAxis>

#include <cmath>

namespace board {

namespace {
const QColor Parchment(240, 232, 212);
const QColor Ink(44, 26, 10);
const QColor LineBrown(120, 70, 20);
const std::array<QColor, 3> MarkColour{QColor(226, 180, 40), QColor(232, 120, 30),
                                       QColor(200, 30, 30)};
} // namespace

ReviewChart::ReviewChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("review_chart"));
    setRenderHint(QPainter::Antialiasing);
    setCursor(Qt::PointingHandCursor);
    setFrameShape(QFrame::NoFrame);
    auto* c = new QChart;
    c->legend()->hide();
    c->setBackgroundBrush(Parchment);
    c->setBackgroundRoundness(4);
    c->setMargins(QMargins(4, 2, 8, 2));
    c->setTitleBrush(Ink);
    QFont title = font();
    title.setBold(true);
    title.setPixelSize(12);
    c->setTitleFont(title);

    even_ = new QLineSeries(c);
    even_->setPen(QPen(QColor(150, 130, 100), 1, Qt::DashLine));
    line_ = new QLineSeries(c);
    line_->setPen(QPen(LineBrown, 2));
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        marks_[i] = new QScatterSeries(c);
        marks_[i]->setMarkerSize(i == 2 ? 10 : 8);
        marks_[i]->setColor(MarkColour[i]);
        marks_[i]->setBorderColor(Ink);
    }
    lucky_ = new QScatterSeries(c);
    lucky_->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    lucky_->setMarkerSize(11);
    lucky_->setColor(QColor(60, 170, 70));
    lucky_->setBorderColor(Ink);
    unlucky_ = new QScatterSeries(c);
    unlucky_->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
    unlucky_->setMarkerSize(11);
    unlucky_->setColor(QColor(120, 70, 170));
    unlucky_->setBorderColor(Ink);
    current_ = new QScatterSeries(c);
    current_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    current_->setMarkerSize(11);
    current_->setColor(QColor(60, 160, 220));
    current_->setBorderColor(Ink);
    c->addSeries(even_);
    c->addSeries(line_);
    c->addSeries(lucky_);
    c->addSeries(unlucky_);
    for (QScatterSeries* s : marks_)
        c->addSeries(s);
    c->addSeries(current_);

    auto* x = new QValueAxis(c);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(tr("turn"));
    auto* y = new QValueAxis(c);
    y->setRange(0, 100);
    y->setTickCount(5);
    y->setLabelFormat(QStringLiteral("%d%%"));
    QFont small = font();
    small.setPixelSize(10);
    for (QValueAxis* a : {x, y}) {
        a->setLabelsFont(small);
        a->setTitleFont(small);
        a->setLabelsBrush(Ink);
        a->setTitleBrush(Ink);
        a->setGridLineColor(QColor(210, 196, 170));
        a->setLinePenColor(Ink);
    }
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : c->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    setChart(c);
    clearChances();
}

void ReviewChart::clearChances() {
    chance_.clear();
    steps_ = 0;
    line_->clear();
    even_->clear();
    current_->clear();
    lucky_->clear();
    unlucky_->clear();
    for (QScatterSeries* s : marks_)
        s->clear();
    chart()->setTitle(QString());
    chart()->axes(Qt::Horizontal).front()->setRange(0, 1);
}

void ReviewChart::setChances(const std::vector<double>& chance,
                             const std::vector<review::Rating>& ratings, const QString& seatName,
                             const std::vector<double>& luck) {
    clearChances();
    chance_ = chance;
    steps_ = chance.empty() ? 0 : int(chance.size()) - 1;
    QList<QPointF> points;
    for (std::size_t i = 0; i < chance.size(); ++i)
        points << QPointF(double(i), 100.0 * chance[i]);
    line_->replace(points);
    even_->replace({QPointF(0, 50), QPointF(std::max(1, steps_), 50)});
    for (std::size_t i = 0; i < luck.size() && i + 1 < chance.size(); ++i)
        if (std::abs(luck[i]) >= review::VeryLuckyFrom)
            (luck[i] > 0 ? lucky_ : unlucky_)->append(double(i + 1), 100.0 * chance[i + 1]);
    for (const review::Rating& r : ratings) {
        if (r.mark == review::Mark::Best) continue;
        const int step = r.turn + 1;
        if (step < int(chance.size()))
            marks_[std::size_t(int(r.mark) - 1)]->append(double(step),
                                                         100.0 * chance[std::size_t(step)]);
    }
    auto* x = static_cast<QValueAxis*>(chart()->axes(Qt::Horizontal).front());
    x->setRange(0, std::max(1, steps_));
    // Round turn numbers under the ticks: 5, 10, 20, 50 or 100 apart.
    int every = 5;
    for (int step : {10, 20, 50, 100})
        if (steps_ / every > 8) every = step;
    x->setTickAnchor(0);
    x->setTickInterval(every);
    x->setTickType(QValueAxis::TicksDynamic);
    chart()->setTitle(tr("Winning chance of %1").arg(seatName));
}

void ReviewChart::setCurrent(int step) {
    current_->clear();
    if (step >= 0 && step < int(chance_.size()))
        current_->append(double(step), 100.0 * chance_[std::size_t(step)]);
}

int ReviewChart::stepAt(QPoint widgetPos) const {
    if (chance_.empty()) return -1;
    const QPointF inScene = mapToScene(widgetPos);
    const QPointF inChart = chart()->mapFromScene(inScene);
    if (!chart()->plotArea().adjusted(-6, -6, 6, 6).contains(inChart)) return -1;
    const QPointF value = chart()->mapToValue(inChart, line_);
    return qBound(0, qRound(value.x()), steps_);
}

void ReviewChart::mousePressEvent(QMouseEvent* event) {
    const int step = stepAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && step >= 0) {
        emit stepClicked(step);
        event->accept();
        return;
    }
    QChartView::mousePressEvent(event);
}

} // namespace board
