// The Join dialog's question before it joins: Join asks the address with a
// short TCP connection, and a fake host on the loopback greets it with the
// input (after its first byte, which sets the size of the pieces it is
// written in) and closes. Whatever the greeting, the dialog comes to one
// answer, the one its first message gives (a seat offered, the game full, or
// no game of ours), joins only on a seat offered and is ready to ask again.
#include <QApplication>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdlib>
#include <memory>
#include <optional>

#include "catalogue.h"
#include "framing.h"
#include "fuzz_support.h"
#include "host_join_dialogs.h"

namespace {
QApplication* app = nullptr;
QTcpServer* host = nullptr;
// Never destroyed at exit: Qt's own statics may be gone by then.
JoinGameDialog* dialog = nullptr;
std::optional<JoinProbe::Result> result;
int joins = 0;

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz-probe: %s\n", what);
    std::abort();
}

// What the greeting's first whole message says, as the design reads it.
JoinProbe::Result expected(const QByteArray& greeting) {
    wire::Framer framer;
    std::deque<QByteArray> messages;
    if (!framer.feed(greeting, messages) && messages.empty()) return JoinProbe::NoGame;
    if (messages.empty()) return JoinProbe::NoGame;
    const QByteArray command = wire::splitCommand(messages.front()).command;
    if (command == cmd::SendLoginInfo) return JoinProbe::Hosted;
    if (command == cmd::Full) return JoinProbe::Full;
    return JoinProbe::NoGame;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QApplication(*argc, *argv);
    host = new QTcpServer;
    if (!host->listen(QHostAddress::LocalHost, 0)) std::abort();
    dialog = new JoinGameDialog(QStringLiteral("Fuzz"), QStringLiteral("127.0.0.1"));
    dialog->gamePort = host->serverPort();
    QObject::connect(&dialog->probe, &JoinProbe::finished, [](JoinProbe::Result r) { result = r; });
    QObject::connect(dialog, &JoinGameDialog::joinRequested, [] { ++joins; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const qsizetype piece = data[0] % 32 + 1;
    const QByteArray greeting(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    result.reset();
    const int joinsBefore = joins;
    dialog->joinClick();
    check(dialog->probe.running(), "Join did not ask the address");
    check(fuzz::waitFor([] { return host->hasPendingConnections(); }), "the probe never came");
    QTcpSocket* visitor = host->nextPendingConnection();
    for (qsizetype at = 0; at < greeting.size() && !result; at += piece) {
        visitor->write(greeting.mid(at, piece));
        visitor->flush();
        QCoreApplication::processEvents();
    }
    visitor->disconnectFromHost();
    check(fuzz::waitFor([] { return result.has_value(); }), "the probe never answered");
    // A greeting cut short by the answer may not have been read to its end,
    // but its first message has.
    check(*result == expected(greeting), "the probe read the greeting otherwise");
    check((joins > joinsBefore) == (*result == JoinProbe::Hosted), "joined without a seat");
    check(!dialog->probe.running() && dialog->joinButton->isEnabled(), "the dialog stays busy");
    delete visitor;
    fuzz::checkLeaks();
    return 0;
}
