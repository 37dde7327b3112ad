// The main window's dispatch: whatever a host may send, framed and handed to
// the handlers one message at a time as the client's timer does. The bytes
// arrive in pieces faster than the timer hands them on, so the receive queue
// fills as it does under a flood, and then drains. A window is reused for a
// while (making one is slow) and then replaced, so that its transcript does
// not grow without end; KELVOA_FUZZ_LEAKS=each checks for leaks after every
// input all the same, =N after every Nth (fuzz_support.h).
#include <QApplication>
#include <QTemporaryDir>

#include <memory>

#include "dialogs.h"
#include "fuzz_support.h"
#include "tchat.h"

namespace {
class QuietDialogs : public Dialogs {
public:
    void message(QWidget*, const QString&) override {}
};

// The pieces the host's bytes arrive in, and the timer's ticks between two.
constexpr qsizetype Piece = 64;

QApplication* app = nullptr;
QTemporaryDir* settings = nullptr;
QuietDialogs quiet;
// Never destroyed at exit: Qt's own statics may be gone by then.
Tchat* window = nullptr;
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
        delete window;
        // No event loop runs here: what the old window left to be deleted
        // later would otherwise pile up.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Name and address only: the window connects nowhere.
        window = new Tchat(QStringList{"Fuzz", "nowhere"});
        window->setDialogs(&quiet);
        window->settingsFolder = settings->path();
        uses = 0;
    }
    // Ended as a message, so that no half message is left for the next input.
    const QByteArray bytes =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)) + '\xff';
    for (qsizetype at = 0; at < bytes.size(); at += Piece) {
        // Too much without an end of message, or more queued than the bound,
        // closes the line: the rest of this input would never arrive.
        if (!window->receive(bytes.mid(at, Piece))) break;
        // However fast a host sends, the queue is bounded.
        if (window->queued() > std::size_t(Tchat::MaxQueuedMessages)) std::abort();
        window->Timer1Timer();
    }
    // An input that starts with 0xFF is a flood: its bytes again and again,
    // faster than any tick, until the window refuses more (as its socket
    // then closes) or 20 000 pieces have come. The queue stays bounded.
    if (size > 1 && data[0] == 0xFF) {
        for (int n = 0; n < 20000 && window->receive(bytes.mid(1)); ++n) {
        }
        if (window->queued() > std::size_t(Tchat::MaxQueuedMessages)) std::abort();
    }
    for (int guard = 0; window->queued() > 0 && guard < 8192; ++guard)
        window->Timer1Timer();
    // What the handlers posted is delivered, as the event loop would between
    // two of the timer's ticks.
    QCoreApplication::sendPostedEvents();
    fuzz::checkLeaks();
    return 0;
}
