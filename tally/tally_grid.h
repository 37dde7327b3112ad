#pragma once
// The tally: a 9-column grid of text cells. Row 0 is the local user's summary
// (1 total games, 2 own wins, 3 and 4 spare); every further row is one tallied
// opponent (0 name; 1..4 games, his wins, own wins, neither, all time; 5..8
// the same for this run). The grid is also the unit the tally file stores,
// so its layout is part of the file format.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class TallyGrid {
public:
    static constexpr int Columns = 9;
    using Row = std::array<QString, Columns>;

    TallyGrid(); // row 0 only, all "0"

    int rowCount() const { return static_cast<int>(rows_.size()); }
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);
    // Adds one to a counter cell and returns the new value. A cell that holds
    // no number (only a damaged file can bring one) counts as 0.
    int addit(int col, int row);
    // Appends an opponent row: the name, then "0" in every counter.
    void addRow(const QString& name);
    // Deletes a row, moving the later rows up; row 0 always stays.
    void moverow(int row);
    // Back to the single summary row, all "0".
    void reset();

    // The plain-text layout: "9", the row count, then every cell column by
    // column, each line ended by CR LF.
    QByteArray toText() const;
    // Reads that layout; nullopt (with a reason) when a count line is not a
    // number or the text ends early.
    // The grid as far as the text fills it; 'error' tells why it stopped early.
    static TallyGrid fromText(const QByteArray& text, QString* error = nullptr);
    // More opponents than anyone tallies: a count beyond it is damage.
    static constexpr int MaxRows = 100000;

private:
    std::vector<Row> rows_;
};

// The local user's tally: the grid and the rules that count a finished game.
class Tally {
public:
    TallyGrid grid;

    // Names of the tallied opponents, in the order they were added.
    QStringList tallied() const;
    // Index in tallied() of a name compared without regard to case, or -1.
    int indexOf(const QString& name) const;
    // Starts tallying a player; false when he is tallied already.
    bool startTallying(const QString& name);
    // Stops tallying entry 'index' of tallied(); his counts are gone.
    void stopTallying(int index);
    // Counts one finished game. 'winner' is "addtomine" for an own win, else
    // the winner's name as shown on his seat; 'opponents' are the other
    // players seated in that game.
    void addgame(const QString& winner, const QStringList& opponents);
    // After loading: the counts of this run start at 0.
    void startSession();
};
