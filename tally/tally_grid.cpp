#include "tally_grid.h"

#include "codepage.h"

#include <algorithm>
#include <limits>

namespace {
const QString Zero = QStringLiteral("0");
constexpr int TotalGames = 1, OwnWins = 2;
constexpr int Games = 1, HisWins = 2, MyWins = 3, Neither = 4, Session = 4;
} // namespace

TallyGrid::TallyGrid() {
    reset();
}

QString TallyGrid::cell(int col, int row) const {
    if (col < 0 || col >= Columns || row < 0 || row >= rowCount()) return {};
    return rows_[row][col];
}

void TallyGrid::setCell(int col, int row, const QString& text) {
    if (col < 0 || col >= Columns || row < 0 || row >= rowCount()) return;
    rows_[row][col] = text;
}

int TallyGrid::addit(int col, int row) {
    bool ok = false;
    int value = cell(col, row).toInt(&ok);
    if (!ok) value = 0;
    // A count at the top of the range (only a damaged file holds one) stays there.
    if (value < std::numeric_limits<int>::max()) ++value;
    setCell(col, row, QString::number(value));
    return value;
}

void TallyGrid::addRow(const QString& name) {
    Row r;
    r.fill(Zero);
    r[0] = name;
    rows_.push_back(r);
}

void TallyGrid::moverow(int row) {
    if (row < 1 || row >= rowCount()) return;
    rows_.erase(rows_.begin() + row);
}

void TallyGrid::reset() {
    Row r;
    r.fill(Zero);
    rows_.assign(1, r);
}

QByteArray TallyGrid::toText() const {
    QByteArray out;
    auto line = [&out](const QString& s) {
        out += wire::encode(s); // names in the game's own code page
        out += "\r\n";
    };
    line(QString::number(Columns));
    line(QString::number(rowCount()));
    for (int c = 0; c < Columns; ++c)
        for (const Row& r : rows_)
            line(r[c]);
    return out;
}

TallyGrid TallyGrid::fromText(const QByteArray& text, QString* error) {
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray& l : lines)
        if (l.endsWith('\r')) l.chop(1);
    auto fail = [error](const QString& why) {
        if (error) *error = why;
    };
    // Read as far as the text goes: a damaged count keeps the empty tally,
    // missing cells stay empty (and count as 0), and the reason is reported.
    TallyGrid g;
    bool ok1 = false, ok2 = false;
    const int cols = lines.value(0).toInt(&ok1);
    if (!ok1 || cols != Columns) {
        fail(QStringLiteral("'%1' is not a valid integer value")
                 .arg(QString::fromLatin1(lines.value(0))));
        return g;
    }
    const int rows = lines.value(1).toInt(&ok2);
    if (!ok2 || rows < 1 || rows > MaxRows) {
        fail(QStringLiteral("'%1' is not a valid integer value")
                 .arg(QString::fromLatin1(lines.value(1))));
        return g;
    }
    g.rows_.assign(static_cast<std::size_t>(rows), Row{});
    int at = 2;
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            if (at >= lines.size()) {
                // Rows the text never reached (not even their names) are not
                // kept: a short file cannot promise 100 000 opponents.
                if (c == 0) g.rows_.resize(static_cast<std::size_t>(std::max(1, r)));
                fail(QStringLiteral("Read beyond end of file"));
                return g;
            }
            g.rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                wire::decode(lines[at++]);
        }
    return g;
}

QStringList Tally::tallied() const {
    QStringList names;
    for (int r = 1; r < grid.rowCount(); ++r)
        names.append(grid.cell(0, r));
    return names;
}

int Tally::indexOf(const QString& name) const {
    const QStringList names = tallied();
    for (int i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

bool Tally::startTallying(const QString& name) {
    if (indexOf(name) >= 0) return false;
    grid.addRow(name);
    return true;
}

void Tally::stopTallying(int index) {
    grid.moverow(index + 1);
}

void Tally::addgame(const QString& winner, const QStringList& opponents) {
    const bool mine = winner == QLatin1String("addtomine");
    grid.addit(TotalGames, 0);
    if (mine) grid.addit(OwnWins, 0);
    for (const QString& name : opponents) {
        const int index = indexOf(name);
        if (index < 0) continue;
        const int row = index + 1;
        for (int c = 1; c < TallyGrid::Columns; ++c)
            if (grid.cell(c, row).isEmpty()) grid.setCell(c, row, Zero);
        const int outcome = grid.cell(0, row) == winner ? HisWins : mine ? MyWins : Neither;
        for (int col : {Games, outcome}) {
            grid.addit(col, row);
            grid.addit(col + Session, row);
        }
    }
}

void Tally::startSession() {
    for (int r = 1; r < grid.rowCount(); ++r)
        for (int c = 5; c < TallyGrid::Columns; ++c)
            grid.setCell(c, r, Zero);
}
