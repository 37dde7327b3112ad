// The settings file as the main window reads it when its seat is confirmed:
// whatever korvanlobby.ini holds, the values read stay in the ranges the
// program uses them in, the window takes them without undefined behaviour,
// and what the window writes back reads as what it holds. One window serves
// many inputs, as in the client harness.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

#include "dialogs.h"
#include "fuzz_support.h"
#include "levels.h"
#include "tchat.h"

namespace {
class QuietDialogs : public Dialogs {
public:
    void message(QWidget*, const QString&) override {}
};

QApplication* app = nullptr;
QTemporaryDir* folder = nullptr;
QuietDialogs quiet;
// Never destroyed at exit: Qt's own statics may be gone by then.
Tchat* window = nullptr;
int uses = 0;

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz-settings: %s\n", what);
    std::abort();
}

bool sane(const QRect& r) {
    constexpr int M = SettingsValues::MaxExtent;
    for (int v : {r.left(), r.top(), r.width(), r.height()})
        if (v < -M || v > M) return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QApplication(*argc, *argv);
    folder = new QTemporaryDir;
    // "Expert" in the file asks for the exact table: one is there already,
    // so nothing is solved for minutes.
    levels::publishPerfectTable(std::make_shared<solver::Table>(12));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!window || ++uses > 2000) {
        delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window = new Tchat(QStringList{"Fuzz", "nowhere"});
        window->setDialogs(&quiet);
        window->settingsFolder = folder->path();
        uses = 0;
    }
    const Settings settings(folder->path());
    {
        QFile file(settings.filePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const SettingsValues v = settings.load();
    check(sane(v.bounds), "window bounds out of range");
    check(v.textSize >= 1 && v.textSize <= 96, "text size out of range");
    check(v.botSpeed == 500 || v.botSpeed == 1000 || v.botSpeed == 1500, "bot speed");
    check(levels::isLevel(v.botSkill), "bot skill");

    window->loadinifile();
    const WindowBounds b = window->savedbounds;
    check(b.left == v.bounds.left() && b.top == v.bounds.top() && b.width == v.bounds.width() &&
              b.height == v.bounds.height(),
          "the window keeps other bounds than it read");
    check(window->textsize == v.textSize && window->botspeed == v.botSpeed &&
              window->botskill == v.botSkill,
          "the window keeps other values than it read");

    // What the window writes reads back as what it holds.
    window->saveinifile(b);
    const SettingsValues again = settings.load();
    check(again.textSize == window->textsize && again.botSpeed == window->botspeed &&
              again.botSkill == window->botskill && again.bounds == v.bounds,
          "written settings read back otherwise");
    QCoreApplication::sendPostedEvents();
    fuzz::checkLeaks();
    return 0;
}
