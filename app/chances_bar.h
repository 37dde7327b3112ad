#pragma once
// A slim bar beside the board: how likely seat 1 is to win from the position
// as it stands, seat 1's colour filling from the top, seat 2's the rest.
#include <QWidget>

class ChancesBar : public QWidget {
    Q_OBJECT
public:
    explicit ChancesBar(QWidget* parent = nullptr);

    // 0..1, or negative for no game.
    void setChance(double seat1);
    double chance() const { return chance_; }
    // Whether the value came from the exact table.
    void setExact(bool exact);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    double chance_ = -1;
    bool exact_ = false;
};
