#pragma once
// A column between the turn log and the board: how likely each seat is to
// win from the position as it stands, seat 1's colour filling from the top,
// seat 2's the rest, with each seat's share in per cent at its own end.
#include <QWidget>

class ChancesBar : public QWidget {
    Q_OBJECT
public:
    // The column's size; the turn log gives way by Width and a gap.
    static constexpr int Width = 30;
    static constexpr int Gap = 4;

    explicit ChancesBar(QWidget* parent = nullptr);

    // 0..1, or negative for no game.
    void setChance(double seat1);
    double chance() const { return chance_; }
    // Whether the value came from the exact table.
    void setExact(bool exact);
    // The two numbers as shown, seat 1's first ("63%", "37%"); empty without a game.
    QString seatText(int seat) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    double chance_ = -1;
    bool exact_ = false;
};
