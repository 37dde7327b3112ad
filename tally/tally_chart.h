#pragma once
// Games won and lost against each tallied opponent, all time, as bars drawn
// with Qt Charts beneath the tally window's figures.
#include "tally_grid.h"

#include <QChartView>

class QBarSet;
class QBarCategoryAxis;
class QValueAxis;

class TallyChart : public QChartView {
    Q_OBJECT
public:
    explicit TallyChart(QWidget* parent = nullptr);
    void refresh(const Tally& tally);

    // What the bars show now: per opponent, own wins and his wins.
    QStringList opponents() const;
    QBarSet* won;
    QBarSet* lost;

private:
    QBarCategoryAxis* names_;
    QValueAxis* counts_;
};
