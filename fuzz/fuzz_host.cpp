// The host's request handling: whole messages from four logged-in
// connections (no sockets; what the host sends goes nowhere) through a real
// TServer, with its queue and both pacing timers driven by the harness.
// Scripted dice make every run repeatable.
#include <QCoreApplication>

#include <cstdlib>
#include <memory>

#include "dice.h"
#include "tserver.h"

namespace {
QCoreApplication* app = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    app = new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    rules::SeededDice dice(data[0]);
    TServer server;
    server.setDiceSource(&dice);
    server.botdelay = 1;
    for (int i = 1; i <= 4; ++i) {
        auto& p = server.players[static_cast<unsigned>(i)];
        p.connected = p.loggedin = true;
        p.name = "P" + QByteArray::number(i);
    }
    server.slotcount = 4;
    // Each chunk: a control byte (connection, and which timers to fire after
    // it), a length byte, then that many bytes as they arrived.
    size_t at = 1;
    while (at + 2 <= size) {
        const uint8_t control = data[at], length = data[at + 1];
        at += 2;
        const size_t n = std::min<size_t>(length, size - at);
        const int conn = control % 9 + 1;
        server.receive(conn, QByteArray(reinterpret_cast<const char*>(data + at), qsizetype(n)));
        at += n;
        for (int guard = 0; server.queued() > 0 && guard < 256; ++guard)
            server.socktimerTimer();
        if (control & 0x10) server.computertimerTimer();
        if (control & 0x20) server.Timer1Timer();
        if (server.queued() > std::size_t(TServer::MaxQueuedPerConnection) * TServer::MaxSlots)
            std::abort(); // the queue is bounded whatever arrives
    }
    return 0;
}
