// The main window's dispatch: whatever a host may send, framed and handed to
// the handlers one message at a time as the client's timer does. A window
// is reused for a while (making one is slow) and then replaced, so that its
// transcript does not grow without end.
#include <QApplication>
#include <QTemporaryDir>

#include <memory>

#include "dialogs.h"
#include "tchat.h"

namespace {
class QuietDialogs : public Dialogs {
public:
    void message(QWidget*, const QString&) override {}
};

QApplication* app = nullptr;
QTemporaryDir* settings = nullptr;
QuietDialogs quiet;
std::unique_ptr<Tchat> window;
int uses = 0;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QApplication(*argc, *argv);
    settings = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!window || ++uses > 2000) {
        window.reset();
        // No event loop runs here: what the old window left to be deleted
        // later would otherwise pile up.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Name and address only: the window connects nowhere.
        window = std::make_unique<Tchat>(QStringList{"Fuzz", "nowhere"});
        window->setDialogs(&quiet);
        window->settingsFolder = settings->path();
        uses = 0;
    }
    window->receive(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (int guard = 0; window->queued() > 0 && guard < 4096; ++guard)
        window->Timer1Timer();
    // What the handlers posted is delivered, as the event loop would between
    // two of the timer's ticks.
    QCoreApplication::sendPostedEvents();
    return 0;
}
