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
std::unique_ptr<Tchat> chat;
int uses = 0;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QApplication(*argc, *argv);
    settings = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!chat || ++uses > 400) {
        chat.reset();
        // Name and address only: the window connects nowhere.
        chat = std::make_unique<Tchat>(QStringList{"Fuzz", "nowhere"});
        chat->setDialogs(&quiet);
        chat->settingsFolder = settings->path();
        uses = 0;
    }
    chat->receive(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (int guard = 0; chat->queued() > 0 && guard < 4096; ++guard)
        chat->Timer1Timer();
    return 0;
}
