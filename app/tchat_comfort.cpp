// Play comfort beside the game itself: hints after the own roll, chips that
// glide, the game record and the dice figures. None of it changes a request
// the client sends or what it makes of the host's answers.
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>
#include <QStandardPaths>

#include "catalogue.h"
#include "chip_animation.h"
#include "game_archive.h"
#include "hint_overlay.h"
#include "hints.h"
#include "record_viewer.h"
#include "tally_file.h"
#include "tchat.h"
#include "tdicestats.h"
#include "ttallylist.h"

namespace {
// The action that follows 'after' in its menu, to insert new items beside it.
QAction* actionAfter(QMenu* menu, QAction* after) {
    const QList<QAction*> all = menu->actions();
    const auto at = all.indexOf(after);
    return at >= 0 && at + 1 < all.size() ? all[at + 1] : nullptr;
}
} // namespace

void Tchat::buildComfort() {
    auto* options = qobject_cast<QMenu*>(PlayChatterSounds1->parent());
    ShowHints1 = new QAction(tr("Show Hints"), options);
    AnimateChips1 = new QAction(tr("Animate Chips"), options);
    for (QAction* a : {ShowHints1, AnimateChips1}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    options->insertActions(actionAfter(options, PlayChatterSounds1), {ShowHints1, AnimateChips1});

    auto* file = qobject_cast<QMenu*>(Exit1->parent());
    SaveGameRecord1 = new QAction(tr("Save Game Record…"), file);
    OpenGameRecord1 = new QAction(tr("Open Game Record…"), file);
    file->insertActions(Exit1, {SaveGameRecord1, OpenGameRecord1});

    auto* viewMenu = qobject_cast<QMenu*>(PhraseList1->parent());
    DiceStatistics1 = new QAction(tr("Dice Statistics"), viewMenu);
    viewMenu->insertAction(actionAfter(viewMenu, PhraseList1), DiceStatistics1);
    ReviewGame1 = new QAction(tr("Review Game…"), viewMenu);
    viewMenu->insertAction(actionAfter(viewMenu, DiceStatistics1), ReviewGame1);
    connect(ReviewGame1, &QAction::triggered, this, [this] { reviewGame(); });
    // Under the game-over line, over the turn log: the way to the review.
    label_review = new QLabel(view->panel_winner->parentWidget());
    label_review->setObjectName(QStringLiteral("label_review"));
    label_review->setGeometry(view->panel_winner->x() + 77,
                              view->panel_winner->geometry().bottom() + 4, 160, 24);
    label_review->setAlignment(Qt::AlignCenter);
    label_review->setFont(board::boardFont(13));
    label_review->setTextFormat(Qt::RichText);
    label_review->setText(QStringLiteral("<a href=\"review\" style=\"color:#ffd66e\">%1</a>")
                              .arg(tr("Review this game")));
    label_review->setStyleSheet(QStringLiteral(
        "QLabel#label_review { background: rgb(46,26,12); border: 2px solid rgb(196,156,84);"
        " border-radius: 5px; }"));
    label_review->setCursor(Qt::PointingHandCursor);
    label_review->hide();
    connect(label_review, &QLabel::linkActivated, this, [this] { reviewGame(lastKeptGame); });

    hintoverlay = new board::HintOverlay(*view);
    chipanimator = new board::ChipAnimator(*view);
    view->animator = chipanimator;

    connect(ShowHints1, &QAction::triggered, this, [this] {
        refreshHints();
        saveinifile();
    });
    connect(AnimateChips1, &QAction::triggered, this, [this](bool on) {
        chipanimator->setEnabled(on);
        saveinifile();
    });
    connect(SaveGameRecord1, &QAction::triggered, this, &Tchat::saveGameRecord);
    connect(OpenGameRecord1, &QAction::triggered, this, &Tchat::openGameRecord);
    connect(DiceStatistics1, &QAction::triggered, this, &Tchat::showDiceStatistics);
    // After the turn flow has judged the click or the roll (it was connected
    // first), the hints follow what is left.
    connect(view, &board::BoardView::chipClicked, this, &Tchat::refreshHints);
    connect(view->button_roll, &QAbstractButton::clicked, this, &Tchat::refreshHints);
    connect(JustWatch1, &QAction::changed, this, &Tchat::refreshHints);
    buildKeys();
}

void Tchat::applyComfortSettings(bool hints, bool animate) {
    ShowHints1->setChecked(hints);
    AnimateChips1->setChecked(animate);
    chipanimator->setEnabled(animate);
    refreshHints();
}

void Tchat::keepEndedGame(bool offerReview) {
    const auto ended = gamerecord.takeEnded();
    if (!ended) return;
    const QString kept = board::keepGame(gamesFolder(), *ended, QDateTime::currentDateTime());
    if (kept.isEmpty()) return;
    lastKeptGame = kept;
    if (!offerReview) return;
    label_review->show();
    label_review->raise();
}

void Tchat::keepUnfinishedGame() {
    // A game the window closes on is kept as one that ended without a winner.
    if (const auto game = gamerecord.unfinished())
        board::keepGame(gamesFolder(), *game, QDateTime::currentDateTime());
}

void Tchat::afterMessage(const QString& command, const QString& rest) {
    gamerecord.feed(command, rest, {view->seatname(1), view->seatname(2)});
    keepEndedGame(true);
    if (command == QLatin1String(cmd::StartGame)) label_review->hide();
    if (command == QLatin1String(cmd::HisRoll)) {
        // Read as the turn flow read it; a throw it ignored is not counted.
        wire::TextFields f(rest);
        int seat = 0, die = 0, points = 0;
        try {
            bool whole = f.number(1, board::HandOverSeat, seat);
            for (int i = 0; i < 4 && whole; ++i)
                whole = f.number(0, 1, die);
            if (whole && f.number(0, board::MaxPoints, points)) {
                dicestats.add(board::boardSeat(seat), points);
                if (dicestatswindow && dicestatswindow->isVisible()) dicestatswindow->refresh();
            }
        } catch (const wire::FieldError&) {
        }
    }
    refreshHints();
}

void Tchat::refreshHints() {
    // What screen readers are told follows every change the hints follow.
    refreshAccess();
    if (!hintoverlay) return;
    if (!ShowHints1->isChecked()) {
        hintoverlay->clearHints();
        return;
    }
    std::vector<board::Hint> hints = board::hintsForPlayer(
        turnflow->model(), myseat, !view->button_roll->isHidden(), JustWatch1->isChecked());
    const int seat = board::boardSeat(myseat);
    // A chip handed to someone else would be refused: no glow for it.
    std::erase_if(hints, [&](const board::Hint& h) {
        return view->image_p(seat, h.chip)->ownerMark() != QString::number(myseat);
    });
    hintoverlay->setHints(seat, std::move(hints));
}

// ---- keys ----

void Tchat::rollKey() {
    if (!view->button_roll->isHidden()) view->button_roll->click();
}

void Tchat::chipKey(int chip) {
    const int seat = board::boardSeat(myseat);
    if (!board::validSeat(seat) || !board::validChip(chip)) return;
    turnflow->image_p11Click(view->image_p(seat, chip));
    refreshHints();
}

// ---- the game record ----

void Tchat::saveGameRecord() {
    if (gamerecord.empty()) {
        messagebox(tr("There is no game to record yet."));
        return;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(
        QStringLiteral("kelvoa-%1.txt")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm"))));
    const QString path = dialogs_->saveFileName(this, tr("Save Game Record"), suggested);
    if (path.isEmpty()) return;
    if (!saveGameRecordTo(path)) messagebox(tr("Cannot write %1").arg(QFileInfo(path).fileName()));
}

bool Tchat::saveGameRecordTo(const QString& path) {
    // Written beside and renamed, so a failed write leaves no half record.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    file.write(gamerecord.text().toUtf8());
    return file.commit();
}

QString Tchat::gamesFolder() const {
    return board::gamesFolder(windows_.tallylist ? windows_.tallylist->path
                                                 : tallyfile::defaultPath());
}

board::Trecordviewer* Tchat::recordViewer() {
    if (!recordviewer) {
        recordviewer = new board::Trecordviewer(this);
        recordviewer->chooseFile = [this] {
            return dialogs_->openFileName(recordviewer, tr("Open Game Record"));
        };
    }
    recordviewer->setKeptGames(board::keptGames(gamesFolder()));
    const int seat = board::boardSeat(myseat);
    recordviewer->ownSeat = board::validSeat(seat) ? seat : 1;
    return recordviewer;
}

void Tchat::openGameRecord() {
    const QString path = dialogs_->openFileName(this, tr("Open Game Record"));
    if (path.isEmpty()) return;
    recordViewer()->openFile(path);
    showWindow(recordviewer);
}

void Tchat::reviewGame(const QString& path) {
    board::Trecordviewer* viewer = recordViewer();
    const QStringList kept = board::keptGames(gamesFolder());
    const QString file = !path.isEmpty()           ? path
                         : !lastKeptGame.isEmpty() ? lastKeptGame
                                                   : kept.value(0);
    if (file.isEmpty()) {
        messagebox(tr("No game has been kept yet: a game is kept when it ends."));
        return;
    }
    viewer->openFile(file);
    showWindow(viewer);
}

// ---- dice figures ----

void Tchat::showDiceStatistics() {
    if (!dicestatswindow) dicestatswindow = new Tdicestats(dicestats, this);
    dicestatswindow->setNames(view->seatname(1), view->seatname(2));
    int games = 0;
    const board::DiceStats kept = board::keptDice(gamesFolder(), &games);
    dicestatswindow->setKeptDice(kept, games);
    showWindow(dicestatswindow);
}
