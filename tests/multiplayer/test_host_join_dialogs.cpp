// Playing with others from inside the game: File > "Host a Game…" and
// "Join a Game…", driven through the window as a player would, with a real
// host, a real discovery responder and real loopback sockets. Starting the
// program again is recorded, never done (except where the restart helper
// itself is the point).
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include <memory>

#include "address_kind.h"
#include "catalogue.h"
#include "discovery_responder.h"
#include "host_join_dialogs.h"
#include "port_mapping.h"
#include "raw_client.h"
#include "restart.h"
#include "router_worker.h"
#include "tchat.h"
#include "tserver.h"
#include "windows.h"

namespace {

QStringList idle() {
    return {QStringLiteral("Tester"), QStringLiteral("nowhere")};
}

class RecordingStarter : public ProcessStarter {
public:
    QString program;
    QStringList args;
    int calls = 0;
    bool accept = true;
    bool lockHeldAtStart = false;
    bool start(const QString& p, const QStringList& a) override {
        ++calls;
        program = p;
        args = a;
        lockHeldAtStart = NamedLock::isHeld(QStringLiteral("kelvoa"));
        return accept;
    }
};

class QuietDialogs : public Dialogs {
public:
    QStringList shown;
    void message(QWidget*, const QString& text) override { shown << text; }
};

// The settings file as the lobby leaves it: its own sections around ours.
const QByteArray LobbyFile = "[KorvanLobby]\r\nUser=Zed\r\nServer=lobby.example\r\n\r\n"
                             "[Kelvoa]\r\nTop=3\r\nPlayername=Zed\r\nLasthost=old.example\r\n\r\n"
                             "[Other]\r\nx=1\r\n";

// A TCP listener that greets every newcomer with fixed bytes (or nothing).
struct FakeHost {
    QTcpServer server;
    QByteArray greeting;
    QList<QTcpSocket*> taken;
    bool listen() {
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                taken << s;
                if (!greeting.isEmpty()) s->write(greeting);
            }
        });
        return server.listen(QHostAddress::LocalHost, 0);
    }
};

} // namespace

class TestHostJoinDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void namesAndAddresses_data();
    void namesAndAddresses();
    void hostThroughTheMenu();
    void hostRefusesABadName();
    void hostDialogOffersThisComputersAddresses();
    void addressKinds_data();
    void addressKinds();
    void routerOnlyAtTheDefaultGateway_data();
    void routerOnlyAtTheDefaultGateway();
    void hostDialogTellsWhatTheRouterSaid();
    void joinAListedGame();
    void unreachableHostKeepsTheDialog_data();
    void unreachableHostKeepsTheDialog();
    void cancelWhileAskingStartsNothing();
    void hostingCopyDoesNotOfferItsOwnGame();
    void forgedAnswersAreShownAsPlainText();
    void refusedStartKeepsThisCopy();
    void playWithOthersWithoutLobbyOpensJoin();
    void restartWaitsForTheEnd();
    void joinFromAnInviteLink();
    void hostPrivatelyThroughTheDialog();
    void badLinkConnectsToNothing();

private:
    void writeSettings(const QByteArray& bytes);
    QByteArray settingsBytes() const;
    std::unique_ptr<Tchat> makeChat(const QStringList& params = idle());
    // A hosting copy's host: the real TServer and responder, Alice logged in.
    bool hostAlice();

    QTemporaryDir runtimeDir;
    std::unique_ptr<QTemporaryDir> dir;
    RecordingStarter starter;
    QuietDialogs dialogs;
    int stops = 0;
    std::unique_ptr<TServer> server;
    std::unique_ptr<DiscoveryResponder> responder;
    std::unique_ptr<RawClient> alice;
};

void TestHostJoinDialogs::initTestCase() {
    // The named lock lives in a folder of this test's own, so other copies of
    // the game running on this machine cannot hold it meanwhile.
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
}

void TestHostJoinDialogs::init() {
    dir = std::make_unique<QTemporaryDir>();
    starter = RecordingStarter();
    dialogs.shown.clear();
    stops = 0;
}

void TestHostJoinDialogs::cleanup() {
    alice.reset();
    responder.reset();
    server.reset();
    dir.reset();
}

void TestHostJoinDialogs::writeSettings(const QByteArray& bytes) {
    QFile f(dir->filePath("korvanlobby.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray TestHostJoinDialogs::settingsBytes() const {
    QFile f(dir->filePath("korvanlobby.ini"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::unique_ptr<Tchat> TestHostJoinDialogs::makeChat(const QStringList& params) {
    auto chat = std::make_unique<Tchat>(params);
    chat->settingsFolder = dir->path();
    chat->setDialogs(&dialogs);
    chat->setProcessStarter(&starter);
    chat->stopHost = [this] { ++stops; };
    chat->joinProbeTimeoutMs = 1500;
    return chat;
}

bool TestHostJoinDialogs::hostAlice() {
    server = std::make_unique<TServer>();
    server->setListening(true, "0");
    responder = std::make_unique<DiscoveryResponder>(*server);
    if (!responder->start(0)) return false;
    alice = std::make_unique<RawClient>();
    if (!alice->connectTo(server->listeningPort())) return false;
    if (alice->waitForPrefix("CMD_sendlogininfo").isEmpty()) return false;
    alice->send(wire::logininfo(1, "1.0.3", "Alice"));
    return !alice->waitForPrefix("CMD_newplayerinfo").isEmpty();
}

void TestHostJoinDialogs::namesAndAddresses_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("nameOk");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("addressOk");
    QTest::newRow("plain") << "Alice" << true << "192.168.1.20" << true;
    QTest::newRow("western letters, plus") << "Zoë+Ann" << true << "game-host.example" << true;
    QTest::newRow("blank") << "   " << false << "  " << false;
    QTest::newRow("leading dash") << "-style" << false << "-x" << false;
    QTest::newRow("outside the code page") << "李" << false << "host name" << false;
    QTest::newRow("control character") << "a\tb" << false << "host;rm" << false;
    QTest::newRow("y with diaeresis ends a message") << "ÿ" << false << "::1" << true;
    QTest::newRow("euro sign") << "€uro" << true << "localhost" << true;
    // IPv6 as players type it, and ports beside an address.
    QTest::newRow("bare IPv6") << "a" << true << "2001:db8::5" << true;
    QTest::newRow("bracketed IPv6") << "a" << true << "[2001:db8::5]" << true;
    QTest::newRow("bracketed IPv6, port") << "a" << true << "[::1]:7000" << true;
    QTest::newRow("name, port") << "a" << true << "host.example:7773" << true;
    QTest::newRow("IPv4, port") << "a" << true << "10.0.0.2:65535" << true;
    QTest::newRow("port out of range") << "a" << true << "10.0.0.2:65536" << false;
    QTest::newRow("empty port") << "a" << true << "host:" << false;
    QTest::newRow("unclosed bracket") << "a" << true << "[::1" << false;
    QTest::newRow("IPv4 in brackets") << "a" << true << "[10.0.0.2]" << false;
    QTest::newRow("not IPv6") << "a" << true << "1::2::3" << false;
}

void TestHostJoinDialogs::namesAndAddresses() {
    QFETCH(QString, name);
    QFETCH(bool, nameOk);
    QFETCH(QString, address);
    QFETCH(bool, addressOk);
    QCOMPARE(nameProblem(name).isEmpty(), nameOk);
    QCOMPARE(addressProblem(address).isEmpty(), addressOk);
}

void TestHostJoinDialogs::hostThroughTheMenu() {
    writeSettings(LobbyFile);
    auto chat = makeChat();
    chat->show();
    QSignalSpy closed(chat.get(), &Tchat::closed);
    chat->HostGame1->trigger();
    HostGameDialog* d = chat->hostDialog();
    QVERIFY(d);
    QVERIFY(d->isVisible());
    QCOMPARE(d->nameEdit->text(), QStringLiteral("Zed")); // remembered
    d->nameEdit->setText(QStringLiteral("  Alice "));
    QTest::mouseClick(d->hostButton, Qt::LeftButton);

    QCOMPARE(starter.calls, 1);
    QCOMPARE(starter.program, QCoreApplication::applicationFilePath());
    QCOMPARE(starter.args, (QStringList{"Alice", "127.0.0.1", "true"}));
    // The port and the lock were let go of before the new copy was asked for.
    QCOMPARE(stops, 1);
    QVERIFY(!starter.lockHeldAtStart);
    QCOMPARE(closed.count(), 1);
    // Only our one key changed; every other byte is the lobby's, as it was.
    QByteArray expected = LobbyFile;
    expected.replace("Playername=Zed", "Playername=Alice");
    QCOMPARE(settingsBytes(), expected);
}

void TestHostJoinDialogs::hostRefusesABadName() {
    auto chat = makeChat();
    chat->openHostDialog();
    HostGameDialog* d = chat->hostDialog();
    QCOMPARE(d->nameEdit->text(), QString()); // nothing remembered yet
    QTest::mouseClick(d->hostButton, Qt::LeftButton);
    QCOMPARE(d->statusLabel->text(), QStringLiteral("Please enter your name."));
    d->nameEdit->setText(QStringLiteral("-platform"));
    QTest::mouseClick(d->hostButton, Qt::LeftButton);
    QCOMPARE(d->statusLabel->text(), QStringLiteral("A name cannot begin with '-'."));
    QCOMPARE(starter.calls, 0);
    QCOMPARE(stops, 0);
    QVERIFY(d->isVisible());
    QVERIFY(!QFile::exists(dir->filePath("korvanlobby.ini")));
    // Opening it again shows the same dialog, not a second one.
    chat->openHostDialog();
    QCOMPARE(chat->hostDialog(), d);
}

void TestHostJoinDialogs::hostDialogOffersThisComputersAddresses() {
    auto chat = makeChat();
    chat->openHostDialog();
    HostGameDialog* d = chat->hostDialog();
    QStringList shown;
    for (int i = 0; i < d->addressList->count(); ++i)
        shown << d->addressList->item(i)->text();
    QStringList expected;
    for (const QHostAddress& a : GameFinder::ownAddresses())
        expected << a.toString();
    QCOMPARE(shown, expected);
    QVERIFY(!shown.contains("127.0.0.1"));
    bool forwarding = false;
    for (QLabel* l : d->findChildren<QLabel*>())
        forwarding |= l->text().contains("forward TCP port 7772");
    QVERIFY(forwarding);
    if (shown.isEmpty()) {
        QVERIFY(!d->copyButton->isEnabled());
        return;
    }
    d->addressList->setCurrentRow(int(shown.size()) - 1);
    QTest::mouseClick(d->copyButton, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), shown.last());
}

void TestHostJoinDialogs::addressKinds_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("asRouterReply"); // taken by strictIPv4
    using K = AddressKind;
    QTest::newRow("public v4") << "203.0.114.1" << int(K::Global) << true;
    QTest::newRow("documentation v4") << "203.0.113.7" << int(K::Global) << true;
    QTest::newRow("10/8") << "10.255.0.1" << int(K::Private) << true;
    QTest::newRow("172.16/12 low") << "172.16.0.1" << int(K::Private) << true;
    QTest::newRow("172.16/12 high") << "172.31.255.254" << int(K::Private) << true;
    QTest::newRow("just past 172.16/12") << "172.32.0.1" << int(K::Global) << true;
    QTest::newRow("192.168/16") << "192.168.77.2" << int(K::Private) << true;
    QTest::newRow("100.64/10 low") << "100.64.0.1" << int(K::Shared) << true;
    QTest::newRow("100.64/10 high") << "100.127.255.254" << int(K::Shared) << true;
    QTest::newRow("just past 100.64/10") << "100.128.0.1" << int(K::Global) << true;
    QTest::newRow("loopback v4") << "127.0.0.1" << int(K::Loopback) << true;
    QTest::newRow("link-local v4") << "169.254.3.4" << int(K::LinkLocal) << true;
    QTest::newRow("nobody's v4") << "0.0.0.0" << int(K::Unusable) << true;
    QTest::newRow("multicast v4") << "239.255.255.250" << int(K::Unusable) << true;
    QTest::newRow("broadcast") << "255.255.255.255" << int(K::Unusable) << true;
    QTest::newRow("global v6") << "2001:db8::5" << int(K::Global) << false;
    QTest::newRow("unique local v6") << "fd12:3456::1" << int(K::Private) << false;
    QTest::newRow("link-local v6") << "fe80::1" << int(K::LinkLocal) << false;
    QTest::newRow("loopback v6") << "::1" << int(K::Loopback) << false;
    QTest::newRow("multicast v6") << "ff02::1" << int(K::Unusable) << false;
    QTest::newRow("v4 inside v6") << "::ffff:100.64.1.1" << int(K::Shared) << false;
    // What a router's reply may hold instead of an address (no kind to ask).
    QTest::newRow("short form") << "127.1" << -1 << false;
    QTest::newRow("leading zero") << "010.0.0.1" << -1 << false;
    QTest::newRow("out of range") << "256.1.1.1" << -1 << false;
    QTest::newRow("markup") << "<b>1.2.3.4</b>" << -1 << false;
    QTest::newRow("empty") << "" << -1 << false;
}

void TestHostJoinDialogs::addressKinds() {
    QFETCH(QString, address);
    QFETCH(int, kind);
    QFETCH(bool, asRouterReply);
    if (kind >= 0) QCOMPARE(int(addressKind(QHostAddress(address))), kind);
    const QHostAddress reply = strictIPv4(address.toLatin1());
    QCOMPARE(!reply.isNull(), asRouterReply);
    if (asRouterReply) QCOMPARE(reply.toString(), address);
}

void TestHostJoinDialogs::routerOnlyAtTheDefaultGateway_data() {
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("gateway");
    const QByteArray head = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\n";
    QTest::newRow("home") << head + "eth0\t00000000\t0101A8C0\t0003\t0\t0\t100\t00000000\n"
                                    "eth0\t0001A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\n"
                          << "192.168.1.1";
    QTest::newRow("default route second")
        << head + "eth0\t0001A8C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\n"
                  "wlan0\t00000000\t014DA8C0\t0003\t0\t0\t600\t00000000\n"
        << "192.168.77.1";
    QTest::newRow("no default route")
        << head + "eth0\t0001A8C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\n"
        << QString();
    QTest::newRow("route down") << head + "eth0\t00000000\t0101A8C0\t0002\t0\t0\t0\t0\n"
                                << QString();
    QTest::newRow("garbage") << QByteArray("x\n00000000 zz 3\n\n\t\t\n") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestHostJoinDialogs::routerOnlyAtTheDefaultGateway() {
    QFETCH(QByteArray, table);
    QFETCH(QString, gateway);
    const QHostAddress found = defaultGateway(table);
    QCOMPARE(found.isNull() ? QString() : found.toString(), gateway);
}

// What the router said reaches the hosting player twice: once in the
// transcript, and in the Host dialog, which also picks the invite's address.
void TestHostJoinDialogs::hostDialogTellsWhatTheRouterSaid() {
    PortMapper router; // never opened here: this test asks no router
    auto chat = makeChat();
    chat->setPortMapper(&router);
    chat->openHostDialog();
    HostGameDialog* d = chat->hostDialog();
    QVERIFY(d->internetLabel->text().contains("forward TCP port 7772"));
    const QString lan = d->addressList->count() ? d->addressList->item(0)->text() : QString();
    QCOMPARE(d->bestAddress(), lan);
    d->setIPv6Addresses({QHostAddress("2001:db8::5")});
    QVERIFY(d->ipv6Label->text().startsWith("2001:db8::5\n"));

    const QString cannot = "0+Friends on the internet cannot reach this game yet. File > Host a "
                           "Game… tells why.";
    const struct {
        Reachability said;
        QString shown;
        QString best;
        QString transcript;
    } rows[] = {
        {{Reachability::Asking, {}, {}, {}}, "Asking your router", "2001:db8::5", {}},
        {{Reachability::Open, QHostAddress("203.0.114.1"), {}, "UPnP"},
         "203.0.114.1 — your router forwards TCP port 7772",
         "203.0.114.1",
         "0+Friends on the internet join you at 203.0.114.1."},
        {{Reachability::Shared, QHostAddress("100.64.0.1"), {}, "NAT-PMP"},
         "100.64.0.1, is a private or shared one",
         "2001:db8::5",
         cannot},
        {{Reachability::Taken, {}, "192.168.77.9", "UPnP"},
         "to another computer (192.168.77.9). Kelvoa leaves that",
         "2001:db8::5",
         {}},
        {{Reachability::Refused, {}, {}, "UPnP"}, "refused", "2001:db8::5", {}},
        {{Reachability::NoRouter, {}, {}, {}}, "No router answered", "2001:db8::5", {}},
    };
    for (const auto& row : rows) {
        const int before = int(chat->transcriptLines().size());
        emit router.changed(row.said);
        QVERIFY2(d->internetLabel->text().contains(row.shown),
                 qPrintable(d->internetLabel->text()));
        QCOMPARE(d->bestAddress(), row.best);
        // Said once per change for the better or worse, not for each answer.
        if (!row.transcript.isEmpty())
            QCOMPARE(chat->transcriptLines().mid(before), QStringList{row.transcript});
    }
    QCOMPARE(chat->transcriptLines().count(cannot), 1);
}

void TestHostJoinDialogs::joinAListedGame() {
    QVERIFY(hostAlice());
    writeSettings(LobbyFile);
    auto chat = makeChat();
    chat->gamePort = QString::number(server->listeningPort());
    chat->discoveryPort = responder->port();
    chat->show();
    QSignalSpy closed(chat.get(), &Tchat::closed);
    chat->JoinGame1->trigger();
    JoinGameDialog* d = chat->joinDialog();
    QVERIFY(d && d->isVisible());
    QCOMPARE(d->nameEdit->text(), QStringLiteral("Zed"));
    QCOMPARE(d->addressEdit->text(), QStringLiteral("old.example"));

    QTRY_COMPARE(d->gameList->rowCount(), 1);
    QTRY_VERIFY(!d->finder.searching());
    // Asked by broadcast and at 127.0.0.1, this computer's game is listed once.
    QCOMPARE(d->gameList->rowCount(), 1);
    auto text = [d](int col) { return d->gameList->item(0, col)->text(); };
    QCOMPARE(text(JoinGameDialog::ColName), QStringLiteral("Alice"));
    QCOMPARE(text(JoinGameDialog::ColAddress), QStringLiteral("127.0.0.1 (this computer)"));
    QCOMPARE(text(JoinGameDialog::ColPlayers), QStringLiteral("1"));
    QCOMPARE(text(JoinGameDialog::ColSpys), QStringLiteral("0"));
    QCOMPARE(text(JoinGameDialog::ColGame), QStringLiteral("waiting"));
    QCOMPARE(d->listStatus->text(), QStringLiteral("1 game found."));

    // Picking the game fills the address.
    const QRect row = d->gameList->visualItemRect(d->gameList->item(0, 0));
    QTest::mouseClick(d->gameList->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(d->addressEdit->text(), QStringLiteral("127.0.0.1"));
    d->nameEdit->setText(QStringLiteral("Bob"));
    QTest::mouseClick(d->joinButton, Qt::LeftButton);
    QVERIFY(!d->joinButton->isEnabled()); // asking the host, not frozen
    QTRY_COMPARE(starter.calls, 1);
    QCOMPARE(starter.args, (QStringList{"Bob", "127.0.0.1", "join"}));
    QCOMPARE(stops, 1);
    QCOMPARE(closed.count(), 1);
    QByteArray expected = LobbyFile;
    expected.replace("Playername=Zed", "Playername=Bob");
    expected.replace("Lasthost=old.example", "Lasthost=127.0.0.1");
    QCOMPARE(settingsBytes(), expected);
    // The host saw a visitor come and go; Alice's game went on.
    QTRY_COMPARE(server->players[2].connected, false);
    QVERIFY(server->players[1].connected);
}

void TestHostJoinDialogs::unreachableHostKeepsTheDialog_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing listens") << "refused"
                                     << "No game is hosted at 127.0.0.1.";
    QTest::newRow("listens, says nothing") << "silent"
                                           << "No game is hosted at 127.0.0.1.";
    QTest::newRow("another program") << "other"
                                     << "No game is hosted at 127.0.0.1.";
    QTest::newRow("host is full") << "full"
                                  << "The game at 127.0.0.1 is full.";
    QTest::newRow("no such name") << "name"
                                  << "No game is hosted at nohost.invalid.";
}

void TestHostJoinDialogs::unreachableHostKeepsTheDialog() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    FakeHost fake;
    fake.greeting = kind == "other"  ? QByteArray("SSH-2.0-OpenSSH\r\n\xff")
                    : kind == "full" ? QByteArray("CMD_full+\xff")
                                     : QByteArray();
    QVERIFY(fake.listen());
    quint16 port = fake.server.serverPort();
    if (kind == "refused") fake.server.close();

    auto chat = makeChat();
    chat->gamePort = QString::number(port);
    chat->discoveryPort = 1; // nothing answers there
    chat->openJoinDialog();
    JoinGameDialog* d = chat->joinDialog();
    d->nameEdit->setText("Bob");
    d->addressEdit->setText(kind == "name" ? "nohost.invalid" : "127.0.0.1");
    QElapsedTimer t;
    t.start();
    QTest::mouseClick(d->joinButton, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(d->statusLabel->text(), message, 10000);
    QVERIFY2(t.elapsed() < 5000, qPrintable(QString::number(t.elapsed())));
    QVERIFY(d->isVisible());
    QVERIFY(d->joinButton->isEnabled());
    QCOMPARE(starter.calls, 0);
    QCOMPARE(stops, 0);
    QVERIFY(!QFile::exists(dir->filePath("korvanlobby.ini"))); // nothing remembered
    // Typing clears the message for the next try.
    QTest::keyClick(d->addressEdit, Qt::Key_X);
    QCOMPARE(d->statusLabel->text(), QString());
}

void TestHostJoinDialogs::cancelWhileAskingStartsNothing() {
    QVERIFY(hostAlice());
    // The host is reached, but its greeting comes after the player gave up.
    FakeHost slow;
    QVERIFY(slow.listen());
    auto chat = makeChat();
    chat->gamePort = QString::number(slow.server.serverPort());
    chat->openJoinDialog();
    JoinGameDialog* d = chat->joinDialog();
    d->nameEdit->setText("Bob");
    d->addressEdit->setText("127.0.0.1");
    QTest::mouseClick(d->joinButton, Qt::LeftButton);
    QTRY_COMPARE(slow.taken.size(), 1);
    QTest::mouseClick(d->cancelButton, Qt::LeftButton);
    slow.taken.front()->write("CMD_sendlogininfo+2\xff");
    QTest::qWait(300);
    QCOMPARE(starter.calls, 0);
    QTRY_VERIFY(!chat->joinDialog()); // closed and gone
}

void TestHostJoinDialogs::hostingCopyDoesNotOfferItsOwnGame() {
    QVERIFY(hostAlice());
    auto chat = makeChat();
    chat->ishost = true;
    chat->gamePort = QString::number(server->listeningPort());
    chat->discoveryPort = responder->port();
    chat->openJoinDialog();
    JoinGameDialog* d = chat->joinDialog();
    QTRY_VERIFY(!d->finder.searching());
    QCOMPARE(d->finder.games().size(), 1);
    QCOMPARE(d->gameList->rowCount(), 0);
    QCOMPARE(d->listStatus->text(), QStringLiteral("No games found on this network."));
    d->nameEdit->setText("Bob");
    d->addressEdit->setText("127.0.0.1");
    QTest::mouseClick(d->joinButton, Qt::LeftButton);
    QVERIFY(d->statusLabel->text().startsWith("That is this copy's own game."));
    QTest::qWait(200);
    QCOMPARE(starter.calls, 0);
}

void TestHostJoinDialogs::forgedAnswersAreShownAsPlainText() {
    // Whoever answers a query may say anything: only well-formed answers are
    // listed, and names are text, never markup.
    QUdpSocket liar;
    QVERIFY(liar.bind(QHostAddress::LocalHost, 0));
    connect(&liar, &QUdpSocket::readyRead, &liar, [&liar] {
        while (liar.hasPendingDatagrams()) {
            const QNetworkDatagram q = liar.receiveDatagram();
            for (const QByteArray& a :
                 {QByteArray("garbage"), QByteArray("CMD_gamehere+X+9+0+0+1.0.3\xff"),
                  QByteArray("CMD_gamehere+" + QByteArray(600, 'L') + "+1+0+0+1.0.3\xff"),
                  QByteArray(
                      "CMD_gamehere+<b>Bold</b> <a href='http://x'>link</a>\tx+2+7+1+0.9\xff")})
                liar.writeDatagram(a, q.senderAddress(), quint16(q.senderPort()));
        }
    });
    auto chat = makeChat();
    chat->discoveryPort = liar.localPort();
    chat->openJoinDialog();
    JoinGameDialog* d = chat->joinDialog();
    QTRY_VERIFY(!d->finder.searching());
    QCOMPARE(d->gameList->rowCount(), 1);
    QCOMPARE(d->gameList->item(0, JoinGameDialog::ColName)->text(),
             QStringLiteral("<b>Bold</b> <a href='http://x'>link</a> x"));
    QCOMPARE(d->gameList->item(0, JoinGameDialog::ColSpys)->text(), QStringLiteral("7"));
    QCOMPARE(d->gameList->item(0, JoinGameDialog::ColGame)->text(),
             QStringLiteral("running (version 0.9)"));
    // Refresh asks again and lists the game once more, not twice.
    QTest::mouseClick(d->refreshButton, Qt::LeftButton);
    QVERIFY(d->finder.searching());
    QTRY_VERIFY(!d->finder.searching());
    QCOMPARE(d->gameList->rowCount(), 1);
}

void TestHostJoinDialogs::refusedStartKeepsThisCopy() {
    starter.accept = false;
    auto chat = makeChat();
    int hosts = 0;
    chat->startHost = [&hosts] { return ++hosts, quint16(0); };
    chat->ishost = true;
    chat->show();
    QSignalSpy closed(chat.get(), &Tchat::closed);
    chat->openHostDialog();
    HostGameDialog* d = chat->hostDialog();
    d->nameEdit->setText("Alice");
    QTest::mouseClick(d->hostButton, Qt::LeftButton);
    QCOMPARE(starter.calls, 1);
    QCOMPARE(d->statusLabel->text(), QStringLiteral("Kelvoa could not be started again."));
    // This copy takes its lock and its port back and goes on.
    QVERIFY(NamedLock::isHeld("kelvoa"));
    QCOMPARE(hosts, 1);
    QCOMPARE(closed.count(), 0);
    QVERIFY(chat->isVisible());
}

void TestHostJoinDialogs::playWithOthersWithoutLobbyOpensJoin() {
    // As start-up wires it: the download window's "Play with Others".
    auto chat = makeChat();
    chat->discoveryPort = 1;
    Tdownload download;
    download.lobbyPath = "/nonexistent/KorvanLobby.exe";
    download.joinGame = [&chat] { chat->openJoinDialog(); };
    QStringList shown;
    download.messagebox = [&](const QString& t) { shown << t; };
    chat->show();
    download.show();
    QTest::mouseClick(download.Button2, Qt::LeftButton);
    QVERIFY(chat->joinDialog());
    QVERIFY(chat->joinDialog()->isVisible());
    QVERIFY(!download.isVisible());
    QCOMPARE(shown, QStringList());
}

void TestHostJoinDialogs::restartWaitsForTheEnd() {
    QStringList launched;
    {
        RestartAtExit restart;
        restart.launch = [&](const QString& p, const QStringList& a) {
            launched << p << a;
            return true;
        };
        QVERIFY(!restart.pending());
        QVERIFY(restart.start("/path/kelvoa", {"Bob", "10.0.0.2", "join"}));
        QVERIFY(restart.pending());
        QCOMPARE(launched, QStringList()); // not while this copy still runs
    }
    QCOMPARE(launched, (QStringList{"/path/kelvoa", "Bob", "10.0.0.2", "join"}));

    // Without a replacement it really starts the program, detached.
    const QString mark = dir->filePath("started");
    {
        RestartAtExit restart;
        restart.start("/bin/sh", {"-c", "echo yes > \"$0\"", mark});
    }
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(mark), 5000);
    QCOMPARE(hostCommandLine("Ann"), (QStringList{"Ann", "127.0.0.1", "true"}));
    QCOMPARE(joinCommandLine("Ann", "h.example"), (QStringList{"Ann", "h.example", "join"}));
}

void TestHostJoinDialogs::joinFromAnInviteLink() {
    // The way a friend goes: the link as the only argument, over IPv6, to a
    // private game; Return joins with the remembered name, and the code
    // travels to the new copy beside the unchanged command line.
    writeSettings(LobbyFile);
    QVERIFY(hostAlice());
    server->gate.setCode("ABCDEFGHJK");
    const QString address = QStringLiteral("[::1]:%1").arg(server->listeningPort());
    const auto window = makeChat({"kelvoa://" + address + "/abcdefghjk"});
    Tchat& chat = *window;
    chat.discoveryPort = 1;
    chat.show();
    QTRY_VERIFY(chat.joinDialog() && chat.joinDialog()->isVisible());
    JoinGameDialog* d = chat.joinDialog();
    QCOMPARE(d->nameEdit->text(), QStringLiteral("Zed"));
    QCOMPARE(d->addressEdit->text(), address);
    QCOMPARE(d->inviteCode, QStringLiteral("ABCDEFGHJK"));
    QCOMPARE(d->statusLabel->text(), QString());
    QVERIFY(!chat.sock->connected());
    QTest::keyClick(d->addressEdit, Qt::Key_Return);
    QTRY_COMPARE(starter.calls, 1);
    QCOMPARE(starter.args, (QStringList{"Zed", address, "join"}));
    QCOMPARE(takeInherited().inviteCode, QStringLiteral("ABCDEFGHJK"));
    QVERIFY(qgetenv(InviteCodeVariable).isEmpty()); // taken once, never inherited again
}

void TestHostJoinDialogs::hostPrivatelyThroughTheDialog() {
    writeSettings(LobbyFile);
    auto chat = makeChat();
    chat->show();
    chat->HostGame1->trigger();
    HostGameDialog* d = chat->hostDialog();
    QVERIFY(!d->privateBox->isChecked()); // public unless chosen
    d->privateBox->setChecked(true);
    // Not hosting yet: there is no code to send, and the dialog says so.
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(d->copyInviteButton, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QTest::mouseClick(d->hostButton, Qt::LeftButton);
    QCOMPARE(starter.args, (QStringList{"Zed", "127.0.0.1", "true"}));
    QVERIFY(settingsBytes().contains("Hostprivate=true"));
    const Inherited passed = takeInherited();
    QVERIFY(passed.hostPrivate);
    QCOMPARE(passed.inviteCode, QString()); // the hosting copy makes its own
}

void TestHostJoinDialogs::badLinkConnectsToNothing() {
    writeSettings("[Kelvoa]\r\nLasthost=old.example\r\n"); // no name remembered
    const auto window = makeChat({"kelvoa://host.example:99999"});
    Tchat& chat = *window;
    chat.discoveryPort = 1;
    chat.show();
    QTRY_VERIFY(chat.joinDialog() && chat.joinDialog()->isVisible());
    JoinGameDialog* d = chat.joinDialog();
    QVERIFY2(d->statusLabel->text().contains("99999"), qPrintable(d->statusLabel->text()));
    QCOMPARE(d->addressEdit->text(), QString());
    QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->nameEdit));
    QTest::keyClick(d->nameEdit, Qt::Key_Return); // nothing to join: it says so, starts nothing
    QVERIFY(!d->statusLabel->text().isEmpty());
    QCOMPARE(starter.calls, 0);
    QVERIFY(!chat.sock->connected());
    QVERIFY(!chat.ishost);
}

QTEST_MAIN(TestHostJoinDialogs)
#include "test_host_join_dialogs.moc"
