#include "record_viewer.h"

#include "board_accessible.h"

#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QShortcut>

namespace board {

namespace {
const QString ButtonStyle = QStringLiteral(
    "QPushButton { color: rgb(44,26,10); font: bold 12px; border: 1px solid rgb(74,52,34);"
    " border-radius: 4px; padding: 3px 2px;"
    " background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 rgb(232,200,130),"
    " stop:1 rgb(176,132,66)); }"
    "QPushButton:hover { background: qlineargradient(x1:0,y1:0,x2:0,y2:1,"
    " stop:0 rgb(246,220,160), stop:1 rgb(196,152,84)); }"
    "QPushButton:focus { border: 2px solid rgb(255,236,170); }"
    "QPushButton:disabled { color: rgb(120,100,80); background: rgb(120,96,62); }");
constexpr int PanelWidth = 702;
constexpr int PanelHeight = 352;
constexpr int ReviewHeight = 322;
const QString ComboStyle = QStringLiteral(
    "QComboBox { background: rgb(240,232,212); color: rgb(44,26,10); font: bold 12px;"
    " border: 2px solid rgb(74,52,34); border-radius: 3px; padding: 1px 6px; }"
    "QComboBox:focus { border-color: rgb(255,214,110); }");

// "20261209-184501-Anna-Klot.txt" as "9 Dec 2026 18:45  Anna against Klot".
QString keptTitle(const QString& path) {
    const QString name = QFileInfo(path).completeBaseName();
    const QDateTime when = QDateTime::fromString(name.left(15), QStringLiteral("yyyyMMdd-HHmmss"));
    if (!when.isValid()) return name;
    QString rest = name.mid(16);
    if (!rest.isEmpty() && rest[0].isDigit()) rest = rest.section(QLatin1Char('-'), 1);
    const qsizetype dash = rest.indexOf(QLatin1Char('-'));
    const QString who =
        dash > 0 ? QObject::tr("%1 against %2").arg(rest.left(dash), rest.mid(dash + 1)) : rest;
    return QLocale().toString(when, QStringLiteral("d MMM yyyy  HH:mm")) + QStringLiteral("   ") +
           who;
}
} // namespace

Trecordviewer::Trecordviewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("recordviewer"));
    setWindowTitle(tr("Game Record"));
    setFixedSize(PanelWidth + 10, PanelHeight + ReviewHeight + 6);
    setWalnutBackground(this, QColor(236, 220, 180));

    panel_board = new QWidget(this);
    panel_board->setGeometry(5, 3, PanelWidth, PanelHeight);
    view = new BoardView(panel_board);
    view->reader->attach(shown_);

    combo_game = new QComboBox(panel_board);
    combo_game->setObjectName(QStringLiteral("combo_game"));
    combo_game->setGeometry(8, 8, 318, 26);
    combo_game->setStyleSheet(ComboStyle);
    connect(combo_game, &QComboBox::activated, this, &Trecordviewer::showGame);

    combo_kept = new QComboBox(this);
    combo_kept->setObjectName(QStringLiteral("combo_kept"));
    combo_kept->setGeometry(13, PanelHeight + 8, 560, 26);
    combo_kept->setStyleSheet(ComboStyle);
    combo_kept->setToolTip(tr("The kept games, newest first"));
    connect(combo_kept, &QComboBox::activated, this, &Trecordviewer::openKept);
    button_open = new QPushButton(tr("&Open…"), this);
    button_open->setObjectName(QStringLiteral("button_open"));
    button_open->setGeometry(PanelWidth + 5 - 128, PanelHeight + 7, 128, 28);
    button_open->setStyleSheet(ButtonStyle);
    button_open->setFont(boardFont(12));
    button_open->setToolTip(tr("Open any game record file"));
    chooseFile = [this] {
        return QFileDialog::getOpenFileName(this, tr("Open Game Record"), QString(),
                                            tr("Game records (*.txt);;All files (*)"));
    };
    connect(button_open, &QPushButton::clicked, this, [this] {
        const QString path = chooseFile ? chooseFile() : QString();
        if (!path.isEmpty()) openFile(path);
    });
    review = new ReviewPanel(*view, this);
    review->setGeometry(13, PanelHeight + 42, PanelWidth - 6, ReviewHeight - 42);
    connect(review, &ReviewPanel::stepClicked, this, &Trecordviewer::stepTo);

    const auto button = [this](const QString& text, int left, const QKeySequence& key) {
        auto* b = new QPushButton(text, panel_board);
        b->setGeometry(left, 312, 77, 28);
        b->setStyleSheet(ButtonStyle);
        b->setToolTip(key.toString(QKeySequence::NativeText));
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, b, &QPushButton::click);
        return b;
    };
    button_first = button(tr("|< &Start"), 8, Qt::Key_Home);
    button_back = button(tr("< &Back"), 88, Qt::Key_Left);
    button_forward = button(tr("&Forward >"), 168, Qt::Key_Right);
    button_last = button(tr("&End >|"), 248, Qt::Key_End);
    for (QPushButton* b : {button_first, button_back, button_forward, button_last})
        b->setFont(boardFont(12));
    connect(button_first, &QPushButton::clicked, this, &Trecordviewer::stepStart);
    connect(button_back, &QPushButton::clicked, this, &Trecordviewer::stepBack);
    connect(button_forward, &QPushButton::clicked, this, &Trecordviewer::stepForward);
    connect(button_last, &QPushButton::clicked, this, &Trecordviewer::stepEnd);

    label_where = new QLabel(panel_board);
    label_where->setObjectName(QStringLiteral("label_where"));
    label_where->setGeometry(332, 306, 362, 20);
    label_where->setFont(boardFont(13));
    label_problem = new QLabel(panel_board);
    label_problem->setObjectName(QStringLiteral("label_problem"));
    label_problem->setGeometry(332, 326, 362, 20);
    label_problem->setFont(boardFont(12, false));
    QPalette warn = label_problem->palette();
    warn.setColor(QPalette::WindowText, QColor(255, 170, 80));
    label_problem->setPalette(warn);
    label_problem->setTextFormat(Qt::PlainText);
    label_where->setTextFormat(Qt::PlainText);
    stepTo(0);
}

void Trecordviewer::setKeptGames(const QStringList& paths) {
    kept_ = paths;
    combo_kept->clear();
    for (const QString& p : paths)
        combo_kept->addItem(keptTitle(p), p);
    if (paths.isEmpty()) combo_kept->addItem(tr("No games kept yet"));
    combo_kept->setEnabled(!paths.isEmpty());
}

void Trecordviewer::openKept(int index) {
    if (index < 0 || index >= kept_.size()) return;
    combo_kept->setCurrentIndex(index);
    openFile(kept_[index]);
}

bool Trecordviewer::openFile(const QString& path) {
    const qsizetype keptAt = kept_.indexOf(path);
    if (keptAt >= 0) combo_kept->setCurrentIndex(int(keptAt));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        review->clear();
        record_ = {};
        combo_game->clear();
        positions_.clear();
        game_ = -1;
        label_where->setText(tr("Cannot read %1").arg(QFileInfo(path).fileName()));
        label_problem->clear();
        return false;
    }
    // Bounded: a record of many games is still far below this.
    const QByteArray bytes = file.read(4 << 20);
    return openText(QString::fromUtf8(bytes), QFileInfo(path).fileName());
}

bool Trecordviewer::openText(const QString& text, const QString& title) {
    record_ = readRecord(text);
    setWindowTitle(tr("Game Record - %1").arg(title));
    combo_game->clear();
    for (std::size_t i = 0; i < record_.games.size(); ++i) {
        const RecordedGame& g = record_.games[i];
        combo_game->addItem(tr("Game %1: %2 against %3").arg(i + 1).arg(g.names[0], g.names[1]));
    }
    if (record_.stoppedAtLine)
        label_problem->setText(
            tr("The record stops at line %1: %2.").arg(record_.stoppedAtLine).arg(record_.problem));
    else
        label_problem->clear();
    if (record_.games.empty()) {
        game_ = -1;
        positions_.clear();
        review->clear();
        stepTo(0);
        return false;
    }
    // The newest game first: it is the one a player saved the record for.
    const int newest = int(record_.games.size()) - 1;
    combo_game->setCurrentIndex(newest);
    showGame(newest);
    return true;
}

void Trecordviewer::showGame(int index) {
    if (index < 0 || index >= int(record_.games.size())) return;
    game_ = index;
    const RecordedGame& g = record_.games[std::size_t(index)];
    positions_ = replay(g);
    for (int seat = 1; seat <= SeatCount; ++seat)
        view->label_playername(seat)->setText(g.names[seat - 1]);
    review->start(g, ownSeat);
    stepTo(0);
}

Squares Trecordviewer::shown() const {
    if (positions_.empty()) return {};
    return positions_[std::size_t(step_)];
}

QString Trecordviewer::describe(const TurnRecord& t, const std::array<QString, SeatCount>& names) {
    const QString who = names[t.seat - 1];
    QString s =
        t.points == 1 ? tr("%1 threw 1").arg(who) : tr("%1 threw %2").arg(who).arg(t.points);
    if (!t.chip) return s + tr(" and could not move.");
    const auto square = [](int q) {
        return q == StartSquare ? tr("start") : q == HomeSquare ? tr("home") : QString::number(q);
    };
    s += tr(": chip %1 from %2 to %3").arg(t.chip).arg(square(t.from), square(t.to));
    if (t.sentBack) s += tr(", sent chip %1 back").arg(t.sentBack);
    if (t.rosette && t.to != HomeSquare) s += tr(", rosette");
    if (t.extra) s += tr(", throws again");
    return s + QLatin1Char('.');
}

void Trecordviewer::stepTo(int step) {
    const bool loaded = game_ >= 0 && !positions_.empty();
    step_ = loaded ? qBound(0, step, steps()) : 0;
    view->panel_winner->hide();
    view->clearStatus();
    view->memo_turn->clear();
    review->showStep(loaded ? step_ : -1);
    if (!loaded) {
        view->showdice({-1, -1, -1, -1});
        label_where->setText(record_.games.empty() && !label_problem->text().isEmpty()
                                 ? tr("Nothing to show.")
                                 : label_where->text());
        for (QPushButton* b : {button_first, button_back, button_forward, button_last})
            b->setEnabled(false);
        shown_.resetChips();
        view->reader->refresh();
        return;
    }
    const RecordedGame& g = record_.games[std::size_t(game_)];
    const Squares& squares = positions_[std::size_t(step_)];
    for (int seat = 1; seat <= SeatCount; ++seat)
        for (int chip = 1; chip <= ChipCount; ++chip) {
            view->placechip(seat, chip, squares[seat - 1][chip - 1]);
            shown_.square(seat, chip) = squares[seat - 1][chip - 1];
        }
    view->memo_turn->addLine(tr("%1 started the game.").arg(g.starter));
    for (int i = 0; i < step_; ++i)
        view->memo_turn->addLine(QStringLiteral("%1. ").arg(i + 1) +
                                 describe(g.turns[std::size_t(i)], g.names));
    if (step_ > 0) {
        const TurnRecord& t = g.turns[std::size_t(step_ - 1)];
        view->showdice(t.dice);
        view->label_status(t.seat)->setText(t.points == 1 ? tr("1 point")
                                                          : tr("%n points", nullptr, t.points));
        view->moveTurnMarker(t.seat);
    } else {
        view->showdice({-1, -1, -1, -1});
    }
    if (step_ == steps() && g.winner) {
        const QString won = tr("%1 has Won the Game!").arg(g.names[g.winner - 1]);
        view->label_winner1->setText(won);
        view->label_winner2->setText(won);
        view->panel_winner->show();
        view->panel_winner->raise();
    }
    label_where->setText(tr("Turn %1 of %2").arg(step_).arg(steps()));
    button_first->setEnabled(step_ > 0);
    button_back->setEnabled(step_ > 0);
    button_forward->setEnabled(step_ < steps());
    button_last->setEnabled(step_ < steps());
    view->reader->refresh();
}

} // namespace board
