// The tally file as the tally window reads it at start: decompressed, read
// as a grid, shown in the lists and the chart, counted on by finished games,
// and saved back at exit to a file that reads as the same tally. The first
// byte chooses what the rest is: the file itself (odd), or a tally's plain
// text that the harness compresses as the program does (even), so that the
// grid reader behind the codec sees more than the codec's refusals.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

#include "fuzz_support.h"
#include "lzrw1.h"
#include "tally_file.h"
#include "ttallylist.h"

namespace {
QApplication* app = nullptr;
QTemporaryDir* folder = nullptr;
// Never destroyed at exit: Qt's own statics may be gone by then.
Ttallylist* window = nullptr;
int uses = 0;

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz-tallyfile: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QApplication(*argc, *argv);
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const QString path = QDir(folder->path()).filePath(QLatin1String(tallyfile::FileName));
    if (!window || ++uses > 2000) {
        delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window = new Ttallylist(nullptr, path);
        window->confirm = [](const QString&) { return true; };
        window->report = [](const QString&) {};
        uses = 0;
    }
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (!(data[0] & 1)) bytes = Tlzrw1::compressData(bytes, TCompressMode::Fast);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(bytes);
    }
    (void)window->FormCreate();
    const Tally& tally = window->tally;
    check(tally.grid.rowCount() >= 1, "the summary row is gone");
    check(window->listbox_tally->count() == tally.grid.rowCount() - 1, "a tallied player unlisted");

    // Each tallied player looked at, as a click on the list does.
    for (int i = 0; i < window->listbox_tally->count() && i < 32; ++i) {
        window->listbox_tally->setCurrentRow(i);
        window->listbox_tallyClick();
    }
    // A game against the first tallied player and a stranger, won by each.
    const QStringList names = tally.tallied();
    const QString first = names.value(0, QStringLiteral("Fuzz"));
    window->setCurrentPlayers({first, QStringLiteral("Stranger")});
    window->addgame(QStringLiteral("addtomine"));
    window->addgame(first);
    if (window->checklist->count() > 1) window->checklistClickCheck(window->checklist->item(1));

    // Saved as at exit, read again as at the next start: the same tally.
    const QByteArray before = tally.grid.toText();
    check(tallyfile::save(path, tally), "the tally could not be saved");
    Tally again;
    check(tallyfile::load(path, again).isEmpty(), "a saved tally reads as damaged");
    for (int r = 0; r < again.grid.rowCount(); ++r)
        for (int c = 1; c <= 4; ++c)
            check(again.grid.cell(c, r) == tally.grid.cell(c, r), "a count changed on the way");
    check(again.grid.rowCount() == tally.grid.rowCount() && !before.isEmpty(),
          "the saved tally has other rows");
    QCoreApplication::sendPostedEvents();
    fuzz::checkLeaks();
    return 0;
}
