#pragma once
// The dice statistics window: how often each sum was thrown this session, per
// seat and in all, beside the shares fair dice give and a chi-square test.
#include "dice_stats.h"

#include <QLabel>
#include <QTableWidget>
#include <QWidget>

#include <array>

class DiceChart;

class Tdicestats : public QWidget {
    Q_OBJECT
public:
    explicit Tdicestats(const board::DiceStats& stats, QWidget* parent = nullptr);

    // Seat names as the board shows them; then the figures are read afresh.
    void setNames(const QString& seat1, const QString& seat2);
    void refresh();

    // "12 (25.0 %)"
    static QString countCell(int count, double share);
    // "chi² = 3.21, p = 0.523" and a word on what it means.
    static QString verdict(const board::DiceStats& stats, int seat);

    QTableWidget* grid;
    std::array<QLabel*, 3> label_test{}; // seat 1, seat 2, all
    QLabel* label_fair;                  // over every kept game

    // The throws of all kept games, for the answer to "Are the dice fair?".
    void setKeptDice(const board::DiceStats& kept, int games);
    // That answer in plain words, with the chi-square test's p-value.
    static QString fairness(const board::DiceStats& kept, int games);

private:
    const board::DiceStats& stats_;
    std::array<QString, 2> names_{QStringLiteral("Seat 1"), QStringLiteral("Seat 2")};
    DiceChart* chart_;
    board::DiceStats kept_;
    int keptGames_ = 0;
};
