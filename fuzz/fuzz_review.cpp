// A game record file through the whole review, as View > Review Game opens
// it: the viewer reads the file, replays the newest game on its board, Expert
// rates every move on the panel's worker, the chart and the summaries show
// the result, and the player steps through the game. A small exact table is
// at hand, so that the end of a game is rated from it as with the real one.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <memory>

#include "fuzz_support.h"
#include "levels.h"
#include "record_review.h"
#include "record_viewer.h"

namespace {
QApplication* app = nullptr;
QTemporaryDir* folder = nullptr;
// Never destroyed at exit: Qt's own statics may be gone by then.
board::Trecordviewer* viewer = nullptr;
int uses = 0;

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz-review: %s\n", what);
    std::abort();
}

void checkResult(const board::ReviewPanel& panel, const board::RecordedGame& game) {
    const review::Review& r = panel.result();
    check(r.complete, "an uncancelled review is complete");
    check(r.seat1Chance.size() == board::reviewTurns(game).size() + 1, "one chance per turn");
    for (double c : r.seat1Chance)
        check(c >= 0 && c <= 1, "a chance out of 0..1");
    int rated = 0;
    for (const review::Rating& m : r.ratings) {
        check(m.turn >= 0 && std::size_t(m.turn) < game.turns.size(), "a rating of no turn");
        check(std::isfinite(m.loss()) && m.loss() >= 0, "a loss below nothing");
        ++rated;
    }
    check(r.seats[0].moves + r.seats[1].moves == rated, "summaries count other moves");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QApplication(*argc, *argv);
    folder = new QTemporaryDir;
    auto table = std::make_shared<solver::Table>(11);
    if (!solver::build(*table, nullptr, {}, 1)) std::abort();
    levels::publishPerfectTable(std::move(table));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!viewer || ++uses > 2000) {
        delete viewer;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        viewer = new board::Trecordviewer();
        viewer->review->pollMs = 0;
        uses = 0;
    }
    const QString path = QDir(folder->path()).filePath(QStringLiteral("game.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const bool shown = viewer->openFile(path);
    const board::ReadRecord& read = viewer->record();
    check(shown == !read.games.empty(), "a record with games is shown");
    if (shown) {
        board::ReviewPanel& panel = *viewer->review;
        check(fuzz::waitFor([&] { return panel.ready(); }, 8000), "the review never ended");
        checkResult(panel, read.games.back());
        // Steps forward and back as the buttons do, and every step on the chart.
        const int steps = viewer->steps();
        for (int s = 0; s <= steps + 1; s += steps > 40 ? 7 : 1)
            viewer->stepTo(s);
        viewer->stepEnd();
        viewer->stepBack();
        check(viewer->step() == std::max(0, steps - 1), "stepping lands elsewhere");
        // An older game of the same record, as its combo box offers.
        if (read.games.size() > 1) {
            viewer->showGame(0);
            check(fuzz::waitFor([&] { return panel.ready(); }, 8000), "the review never ended");
            checkResult(panel, read.games.front());
        }
    }
    QCoreApplication::sendPostedEvents();
    fuzz::checkLeaks();
    return 0;
}
