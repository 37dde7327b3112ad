#pragma once
// The winning chance of one seat over the turns of a reviewed game, drawn
// with Qt Charts: a line from the first throw to the end, a dot on each move
// that was not best (coloured by how much it gave away), a triangle on each
// very lucky throw and a diamond on each very unlucky one, and a marker on
// the step the board shows. A click anywhere on the plot steps there.
#include "game_review.h"

#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>

#include <vector>

namespace board {

class ReviewChart : public QChartView {
    Q_OBJECT
public:
    explicit ReviewChart(QWidget* parent = nullptr);

    // 'chance' holds the seat's chance before the first turn and after each;
    // 'marks' the rated turns (their step is turn + 1).
    // 'luck' holds each turn's luck for its mover: very lucky and very
    // unlucky throws are marked too.
    void setChances(const std::vector<double>& chance, const std::vector<review::Rating>& ratings,
                    const QString& seatName, const std::vector<double>& luck = {});
    int luckMarks(bool lucky) const { return int((lucky ? lucky_ : unlucky_)->count()); }
    void clearChances();
    void setCurrent(int step);
    int steps() const { return steps_; }
    // The step nearest to a point of the widget, or -1 outside the plot.
    int stepAt(QPoint widgetPos) const;

signals:
    void stepClicked(int step);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLineSeries* line_;
    QLineSeries* even_;
    QScatterSeries* current_;
    std::array<QScatterSeries*, 3> marks_{}; // inaccuracy, mistake, blunder
    QScatterSeries* lucky_;
    QScatterSeries* unlucky_;
    std::vector<double> chance_;
    int steps_ = 0;
};

} // namespace board
