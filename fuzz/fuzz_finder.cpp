// The Join dialog's list of games on this network, from whatever answers
// come back: the dialog searches, a fake host on the loopback receives the
// query and answers with the input's datagrams for this computer, and the
// rest come as from other computers of the network (the harness has no
// network of them, so the finder is handed those directly). Each datagram is
// a control byte (0: over the loopback, else which address it comes from),
// a length byte and its bytes. Whatever arrives, the list stays within its
// cap, shows plain one-line names, and every game chosen from it gives the
// dialog an address that it will join.
#include <QApplication>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include <cstdlib>
#include <memory>

#include "catalogue.h"
#include "fuzz_support.h"
#include "host_join_dialogs.h"
#include "invite_link.h"

namespace {
QApplication* app = nullptr;
QUdpSocket* host = nullptr;
// Never destroyed at exit: Qt's own statics may be gone by then.
JoinGameDialog* dialog = nullptr;
int sentinel = 0;

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz-finder: %s\n", what);
    std::abort();
}

QHostAddress from(uint8_t control) {
    switch (control % 8) {
    case 0:
        return QHostAddress(QStringLiteral("fe80::1")); // not IPv4: ignored
    case 1:
        return QHostAddress(QStringLiteral("::ffff:10.1.2.3"));
    case 2:
        return QHostAddress(QStringLiteral("0.0.0.0"));
    case 3:
        return QHostAddress(QStringLiteral("255.255.255.255"));
    default:
        return QHostAddress(quint32(0x0a000000u | control)); // 10.0.0.x
    }
}

void checkList() {
    const QList<FoundGame>& games = dialog->finder.games();
    check(games.size() <= GameFinder::MaxGames, "more games than the cap");
    for (const FoundGame& g : games) {
        for (const QString& s : {g.name, g.version})
            for (QChar c : s)
                check(c.category() != QChar::Other_Control, "a control character shown");
        check(!g.address.isEmpty(), "a game without an address");
    }
}

void answerOverLoopback(const QList<QByteArray>& datagrams) {
    // The query the dialog's search sent tells where to answer.
    QNetworkDatagram query;
    check(fuzz::waitFor([&] {
              if (!host->hasPendingDatagrams()) return false;
              query = host->receiveDatagram();
              return true;
          }),
          "the search sent no query");
    check(discovery::readQuery(query.data()).has_value(), "the search sent no query of ours");
    const QByteArray mark = "sentinel" + QByteArray::number(++sentinel);
    QList<QByteArray> all = datagrams;
    all << discovery::answer({mark, 1, 0, false, wire::Version}, discovery::MaxDatagramBytes);
    for (const QByteArray& d : all)
        host->writeDatagram(d, query.senderAddress(), quint16(query.senderPort()));
    // Loopback keeps the order: once the mark is listed, everything before it was read.
    check(fuzz::waitFor([&] {
              for (const FoundGame& g : dialog->finder.games())
                  if (g.name == QLatin1String(mark)) return true;
              return false;
          }),
          "the answers over the loopback were not read");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QApplication(*argc, *argv);
    host = new QUdpSocket;
    if (!host->bind(QHostAddress::LocalHost, 0)) std::abort();
    dialog = new JoinGameDialog(QStringLiteral("Fuzz"), QString());
    dialog->finder.targets = {QHostAddress(QHostAddress::LocalHost)};
    dialog->finder.port = host->localPort();
    QObject::connect(&dialog->finder, &GameFinder::changed, checkList);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QList<QByteArray> loopback;
    QList<std::pair<QHostAddress, QByteArray>> others;
    for (size_t at = 0; at + 2 <= size;) {
        const uint8_t control = data[at];
        const size_t n = std::min<size_t>(data[at + 1], size - at - 2);
        QByteArray d(reinterpret_cast<const char*>(data + at + 2), qsizetype(n));
        at += 2 + n;
        if (control == 0)
            loopback << d;
        else
            others << std::pair{from(control), d};
    }
    dialog->refresh();
    answerOverLoopback(loopback);
    for (const auto& [address, d] : others)
        dialog->finder.take(address, d);
    dialog->finder.cancel();
    checkList();

    // Every game listed, chosen as a click does, fills in an address that the
    // dialog's Join accepts.
    const int rows = dialog->gameList->rowCount();
    check(rows == dialog->finder.games().size(), "the list shows other games than were found");
    for (int r = 0; r < rows; ++r) {
        dialog->gameList->setCurrentCell(r, 0);
        const QString address = dialog->addressEdit->text();
        check(addressProblem(address).isEmpty() && invite::readAddress(address).has_value(),
              "a listed game's address the dialog refuses");
    }
    fuzz::checkLeaks();
    return 0;
}
