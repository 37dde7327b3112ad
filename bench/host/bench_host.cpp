// Figures for the host's connection handling: greeting nine clients, idling
// with them, and relaying a chat line to all nine. Prints; never asserts.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <deque>
#include <memory>
#include <vector>

#include "bench_support.h"
#include "catalogue.h"
#include "framing.h"
#include "tserver.h"

namespace {

struct Client {
    QTcpSocket sock;
    wire::Framer framer;
    std::deque<QByteArray> inbox;
    void pump() {
        if (sock.bytesAvailable()) framer.feed(sock.readAll(), inbox);
    }
};

double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TServer server;
    server.setListening(true, "0");
    const quint16 port = server.listeningPort();

    // (a) accept to the ninth client's last greeting message.
    std::vector<std::unique_ptr<Client>> clients;
    QElapsedTimer greet;
    greet.start();
    for (int i = 1; i <= 9; ++i) {
        auto c = std::make_unique<Client>();
        c->sock.connectToHost(QHostAddress::LocalHost, port);
        Client* raw = c.get();
        clients.push_back(std::move(c));
        spin(
            [&] {
                raw->pump();
                return !raw->inbox.empty();
            },
            5000);
        raw->inbox.clear();
        raw->sock.write(wire::frame("CMD_logininfo+" + QByteArray::number(i) + "+1.0.3+Player" +
                                    QByteArray::number(i)));
        // newplayerinfo plus one existingplayers per earlier client
        spin(
            [&] {
                raw->pump();
                return int(raw->inbox.size()) >= i;
            },
            5000);
    }
    const double greetMs = greet.nsecsElapsed() / 1e6;
    std::printf(
        "(a) nine clients connected and greeted: %.1f ms (last greeting after %d messages)\n",
        greetMs, 9);
    for (auto& c : clients) {
        spin(
            [&] {
                c->pump();
                return false;
            },
            20);
        c->inbox.clear();
    }

    // (b) host CPU while idling with nine clients connected.
    const double cpu0 = cpuSeconds();
    QElapsedTimer idle;
    idle.start();
    QTimer::singleShot(10000, &app, &QCoreApplication::quit);
    app.exec();
    const double idleCpu = cpuSeconds() - cpu0;
    std::printf("(b) CPU over %.1f s idle with nine clients: %.3f s (%.3f %% of one core)\n",
                idle.elapsed() / 1000.0, idleCpu, 100.0 * idleCpu / (idle.elapsed() / 1000.0));

    // (c) round trip of a chat line from client 2 to all nine.
    std::vector<double> rtt;
    for (int round = 0; round < 300; ++round) {
        QElapsedTimer t;
        t.start();
        clients[1]->sock.write(
            wire::frame("CMD_chat+2+ping " + QByteArray::number(round) + "|clBlue"));
        clients[1]->sock.flush();
        spin(
            [&] {
                for (auto& c : clients) {
                    c->pump();
                    if (c->inbox.empty()) return false;
                }
                return true;
            },
            5000);
        rtt.push_back(t.nsecsElapsed() / 1e6);
        for (auto& c : clients)
            c->inbox.clear();
        // Spread the lines out so each one meets an idle host.
        spin([] { return false; }, 3 + round % 7);
    }
    std::sort(rtt.begin(), rtt.end());
    std::printf("(c) chat line to all nine, %zu rounds: median %.2f ms, p99 %.2f ms, max %.2f ms\n",
                rtt.size(), rtt[rtt.size() / 2], rtt[rtt.size() * 99 / 100], rtt.back());
    return 0;
}
