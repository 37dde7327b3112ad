#include "board_accessible.h"

#include "board_view.h"
#include "client_link.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace board {

namespace {
constexpr int CellCount = BoardRows * BoardColumns;
// Where the cells and the trays lie on the board panel (see placechip).
constexpr int CellLeft = 12, CellTop = 44, CellSize = 48;
constexpr QRect PileRects[4] = {
    {113, 10, 80, 32}, {263, 10, 80, 32}, {113, 199, 80, 32}, {263, 199, 80, 32}};
constexpr QRect DiceRect{114, 229, 228, 58};

BoardReader* readerOf(const QWidget* picture) {
    QWidget* panel = picture ? picture->parentWidget() : nullptr;
    return panel ? panel->findChild<BoardReader*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

class BoardTable;

// One square of the board: a cell of the table, pressed to move the
// reader's chip on it.
class SquareCell : public QAccessibleInterface,
                   public QAccessibleTableCellInterface,
                   public QAccessibleActionInterface {
public:
    SquareCell(QAccessibleInterface* table, int row, int column)
        : table_(table), row_(row), column_(column) {}

    bool isValid() const override { return table_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s = table_->state();
        s.focused = s.focusable = s.active = false;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        BoardReader* reader = readerOf(widget());
        if (t != QAccessible::Name || !reader) return {};
        return reader->cellText(row_, column_);
    }
    QRect rect() const override {
        const QWidget* panel = widget() ? widget()->parentWidget() : nullptr;
        if (!panel) return {};
        return {
            panel->mapToGlobal(QPoint(CellLeft + CellSize * column_, CellTop + CellSize * row_)),
            QSize(CellSize, CellSize)};
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return table_; }

    QStringList actionNames() const override {
        const BoardReader* reader = readerOf(widget());
        if (reader && reader->movableChipAt(row_, column_)) return {pressAction()};
        return {};
    }
    void doAction(const QString& name) override {
        if (name != pressAction()) return;
        if (BoardReader* reader = readerOf(widget())) reader->pressCell(row_, column_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QWidget* widget() const { return qobject_cast<QWidget*>(table_->object()); }
    QAccessibleInterface* table_;
    int row_, column_;
};

// The board picture as a table of three rows of seven squares.
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(QWidget* picture) : QAccessibleWidget(picture, QAccessible::Table) {
        for (int i = 0; i < CellCount; ++i) {
            cells_[static_cast<unsigned>(i)] =
                new SquareCell(this, i / BoardColumns, i % BoardColumns);
            QAccessible::registerAccessibleInterface(cells_[static_cast<unsigned>(i)]);
        }
    }
    ~BoardTable() override {
        // Cells belong to Qt's register once made known there.
        for (SquareCell* cell : cells_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return BoardSpeech::tr("Board");
        const BoardReader* reader = readerOf(widget());
        if (t == QAccessible::Description && reader) return reader->tableSummary();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return CellCount; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < CellCount ? cells_[static_cast<unsigned>(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < CellCount; ++i)
            if (cells_[static_cast<unsigned>(i)] == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (SquareCell* cell : cells_)
            if (cell->rect().contains(x, y)) return cell;
        return nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= BoardRows || column < 0 || column >= BoardColumns) return nullptr;
        return cells_[static_cast<unsigned>(row * BoardColumns + column)];
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return BoardSpeech::tr("Column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override {
        const BoardReader* reader = readerOf(widget());
        return reader && row >= 0 && row < BoardRows ? reader->rowText(row) : QString();
    }
    int columnCount() const override { return BoardColumns; }
    int rowCount() const override { return BoardRows; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    std::array<SquareCell*, CellCount> cells_{};
};

// A clickable picture (a chip, a route button) is a button to press.
class PressableImage : public QAccessibleWidget {
public:
    explicit PressableImage(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) static_cast<ClickImage*>(widget())->click();
    }
};

QAccessibleInterface* boardFactory(const QString& key, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (key == QLatin1String("board::BoardPicture")) return new BoardTable(w);
    if (key == QLatin1String("board::ChipImage") || key == QLatin1String("board::ClickImage"))
        return new PressableImage(w);
    if (key == QLatin1String("board::Announcer"))
        return new QAccessibleWidget(w, QAccessible::Notification);
    return nullptr;
}

QLabel* namedPlace(QWidget* parent, const QRect& where, const char* objectName) {
    // A place without a picture of its own: it paints nothing and lets every
    // click through to the chips over it.
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setGeometry(where);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void setName(QWidget* w, const QString& name) {
    // Qt tells screen readers of every change; only real changes are told.
    if (w->accessibleName() != name) w->setAccessibleName(name);
}
} // namespace

void installBoardAccessibility() {
    QAccessible::installFactory(boardFactory);
}

// ---- Announcer ----

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // It appears with its first line: an empty notification is no news.
    hide();
    gather_.setSingleShot(true);
    gather_.setInterval(GatherMs);
    connect(&gather_, &QTimer::timeout, this, &Announcer::sayGathered);
}

void Announcer::announce(const QString& line) {
    if (line.trimmed().isEmpty()) return;
    gathered_ << line;
    if (!gather_.isActive()) gather_.start();
}

void Announcer::sayGathered() {
    said_ = gathered_.join(QLatin1Char(' '));
    gathered_.clear();
    setAccessibleName(said_);
    // The notification "appears" with each line: that is what screen readers
    // speak from a window whose focus is elsewhere.
    if (isHidden()) {
        show(); // Qt tells of the first appearance itself
    } else if (QAccessible::isActive()) {
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

// ---- BoardReader ----

BoardReader::BoardReader(BoardView& view) : QObject(view.FlatPanel1), view_(view) {
    setObjectName(QStringLiteral("boardreader"));
    const char* pileNames[4] = {"pile_start1", "pile_home1", "pile_start2", "pile_home2"};
    for (int i = 0; i < 4; ++i)
        piles_[static_cast<unsigned>(i)] = namedPlace(view.FlatPanel1, PileRects[i], pileNames[i]);
    dice_ = namedPlace(view.FlatPanel1, DiceRect, "label_dice");
    announcer_ = new Announcer(view.memo_turn->parentWidget());
    connect(view.memo_turn, &TurnLog::lineAdded, announcer_, [this](const QString& line) {
        if (link_) announcer_->announce(line);
    });
    nameStatic();
    refresh();
}

void BoardReader::attach(const BoardModel& model, const ClientLink* link) {
    model_ = &model;
    link_ = link;
    refresh();
}

void BoardReader::nameStatic() {
    view_.memo_turn->setAccessibleName(tr("Turn log"));
    view_.Image7->setAccessibleName(tr("Show the route of seat 1"));
    view_.Image6->setAccessibleName(tr("Show the route of seat 2"));
    view_.label_playername1->setAccessibleDescription(tr("Player 1, green chips, top row"));
    view_.label_playername2->setAccessibleDescription(tr("Player 2, orange chips, bottom row"));
    view_.label_error->setAccessibleDescription(tr("Move refused"));
    view_.FlatPanel1->setAccessibleName(tr("Board panel"));
    view_.image_path1->setAccessibleName(tr("Route of seat 1, green arrows"));
    view_.image_path2->setAccessibleName(tr("Route of seat 2, orange arrows"));
    view_.panel_winner->setAccessibleName(tr("Game over"));
}

Reader BoardReader::reading() const {
    Reader r;
    r.model = model_;
    for (int seat = 1; seat <= SeatCount; ++seat) {
        // An empty seat shows "<Waiting>", which is no name to read out.
        const QString shown = view_.seatname(seat);
        r.names[static_cast<unsigned>(seat - 1)] =
            shown == BoardView::waiting() ? tr("Player %1").arg(seat) : shown;
    }
    if (!link_) return r;
    // The reader plays the seat whose chips answer to their connection
    // number (seat 1's chips answer to 3 while handed over).
    const QString me = QString::number(link_->myseat());
    for (int seat = 1; seat <= SeatCount; ++seat)
        if (link_->myseat() != 0 && view_.image_p(seat, 1)->ownerMark() == me) r.own = seat;
    if (model_)
        r.moves = hintsForPlayer(*model_, link_->myseat(), !view_.button_roll->isHidden(),
                                 link_->justwatching());
    return r;
}

void BoardReader::refresh() {
    const Reader r = reading();
    for (int row = 0; row < BoardRows; ++row) {
        rows_[static_cast<unsigned>(row)] = BoardSpeech::row(r, row);
        for (int column = 0; column < BoardColumns; ++column) {
            const Cell cell{column, row};
            int movable = 0;
            if (r.own && r.model)
                for (const Hint& h : r.moves)
                    if (h.from != StartSquare &&
                        routeOf(r.own)[static_cast<unsigned>(h.from)] == cell) {
                        movable = h.chip;
                        break;
                    }
            movable_[static_cast<unsigned>(row)][static_cast<unsigned>(column)] = movable;
            QString& shown = cells_[static_cast<unsigned>(row)][static_cast<unsigned>(column)];
            const QString text = BoardSpeech::cell(r, cell);
            if (text == shown) continue;
            shown = text;
            notifyCell(row, column);
        }
    }
    for (int seat = 1; seat <= SeatCount; ++seat) {
        for (int chip = 1; chip <= ChipCount; ++chip)
            setName(view_.image_p(seat, chip), BoardSpeech::chip(r, seat, chip));
        setName(pile(seat, false), BoardSpeech::pile(r, seat, false));
        setName(pile(seat, true), BoardSpeech::pile(r, seat, true));
        const QString& name = r.names[static_cast<unsigned>(seat - 1)];
        const bool own = r.own == seat;
        setName(view_.image_eyes(seat),
                own ? tr("You are just watching") : tr("%1 is just watching").arg(name));
        const QString status = own ? tr("Your status") : tr("%1's status").arg(name);
        if (view_.label_status(seat)->accessibleDescription() != status)
            view_.label_status(seat)->setAccessibleDescription(status);
    }
    const std::array<int, 4> values = view_.shownDice();
    setName(dice_, BoardSpeech::dice(values));
    const auto dice = view_.dice();
    for (int i = 0; i < 4; ++i)
        setName(dice[static_cast<unsigned>(i)],
                BoardSpeech::die(i + 1, values[static_cast<unsigned>(i)]));
    // The marker stands beside the name of the seat to act.
    const int marked = view_.image_Turn->y() == view_.label_playername2->y() + 3 ? 2 : 1;
    setName(view_.image_Turn,
            r.own == marked
                ? tr("Turn marker: your turn")
                : tr("Turn marker: %1's turn").arg(r.names[static_cast<unsigned>(marked - 1)]));
}

void BoardReader::notifyCell(int row, int column) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view_.board);
    QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
    if (QAccessibleInterface* cell = cells ? cells->cellAt(row, column) : nullptr) {
        QAccessibleEvent changed(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

QString BoardReader::cellText(int row, int column) const {
    if (row < 0 || row >= BoardRows || column < 0 || column >= BoardColumns) return {};
    return cells_[static_cast<unsigned>(row)][static_cast<unsigned>(column)];
}

QString BoardReader::rowText(int row) const {
    return row >= 0 && row < BoardRows ? rows_[static_cast<unsigned>(row)] : QString();
}

QString BoardReader::tableSummary() const {
    return reading().own ? tr("Three rows of seven squares, player 1's row at the top; squares "
                              "are counted along your route")
                         : tr("Three rows of seven squares, player 1's row at the top; squares "
                              "are counted along player 1's route");
}

int BoardReader::movableChipAt(int row, int column) const {
    if (row < 0 || row >= BoardRows || column < 0 || column >= BoardColumns) return 0;
    return movable_[static_cast<unsigned>(row)][static_cast<unsigned>(column)];
}

void BoardReader::pressCell(int row, int column) {
    const int chip = movableChipAt(row, column);
    const Reader r = reading();
    if (chip && r.own) view_.image_p(r.own, chip)->click();
}

} // namespace board
