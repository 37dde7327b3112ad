// The command line decides what a copy listens on and connects to; checked
// on the real program through its ports.
#include <QDir>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <thread>

#include "catalogue.h"
#include "port_watch.h"
#include "raw_client.h"
#include "raw_host.h"
#include "sound_player.h"
#include "tally_file.h"
#include "tally_grid.h"

namespace {
// Counts connections to the lobby's presence port.
struct LobbyProbe {
    QTcpServer server;
    int connections = 0;
    bool listen() {
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (server.nextPendingConnection())
                ++connections;
        });
        return server.listen(QHostAddress::LocalHost, wire::LobbyPort);
    }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void hostingListensAndOpensLobbyConnection();
    void soloListensWithoutLobbyConnection();
    void strangerNeverTakesSlotOne();
    void soloGoesOnWhenPortIsTaken();
    void joiningConnectsAndDoesNotListen_data();
    void joiningConnectsAndDoesNotListen();
    void twoParametersConnectNowhere();
    void lostHostEndsProgramCleanly();
    void signalClosesLikeExit_data();
    void signalClosesLikeExit();
    void installedCopyKeepsFilesPerUser();

private:
    void launch(const QStringList& args);
    QProcess program;
};

void TestStartup::init() {
    // These tests own the game's fixed ports for their run.
    QTcpServer probe;
    if (!probe.listen(QHostAddress::Any, wire::GamePort))
        QFAIL("port 7772 is in use by another program; close it and run again");
    probe.close();
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
}

void TestStartup::cleanup() {
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished(5000);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!listeningOn(wire::GamePort), 10000);
}

void TestStartup::launch(const QStringList& args) {
    program.start(QStringLiteral(KELVOA_BINARY), args);
    QVERIFY(program.waitForStarted(5000));
}

void TestStartup::hostingListensAndOpensLobbyConnection() {
    LobbyProbe lobby;
    QVERIFY(lobby.listen());
    launch({"Alice", "remote.invalid", "true", "ignored-fourth"});
    // Its own client took connection 1, so the next one is 2.
    QTRY_VERIFY_WITH_TIMEOUT(listeningOn(wire::GamePort), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(lobby.connections, 1, 10000);
    QTcpSocket raw;
    raw.connectToHost(QHostAddress::LocalHost, wire::GamePort);
    QVERIFY(raw.waitForConnected(5000));
    QByteArray bytes;
    QTRY_VERIFY_WITH_TIMEOUT((bytes += raw.readAll()).endsWith('\xff'), 5000);
    // The first bytes are exactly the number and one terminator (what follows
    // are broadcasts, which reach every connected slot).
    QCOMPARE(bytes.left(bytes.indexOf('\xff') + 1), QByteArray("CMD_sendlogininfo+2\xff"));
}

void TestStartup::soloListensWithoutLobbyConnection() {
    LobbyProbe lobby;
    QVERIFY(lobby.listen());
    launch({});
    QTRY_VERIFY_WITH_TIMEOUT(listeningOn(wire::GamePort), 10000);
    RawClient raw;
    QTRY_VERIFY_WITH_TIMEOUT(raw.connectTo(wire::GamePort), 10000);
    QCOMPARE(raw.waitForPrefix("CMD_sendlogininfo"), QByteArray("CMD_sendlogininfo+2"));
    QTest::qWait(300);
    QCOMPARE(lobby.connections, 0);
}

void TestStartup::strangerNeverTakesSlotOne() {
    // Another program connects in a tight loop from before the game listens
    // until well after: whoever is fastest, slot 1 is the game's own client.
    std::atomic<bool> stop{false};
    std::atomic<int> tries{0}, greeted{0}, slotOne{0};
    std::thread racer([&] {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(wire::GamePort);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        while (!stop) {
            const int s = ::socket(AF_INET, SOCK_STREAM, 0);
            ++tries;
            if (::connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0) {
                char buf[64] = {};
                pollfd p{s, POLLIN, 0};
                if (::poll(&p, 1, 2000) == 1 && ::read(s, buf, sizeof buf - 1) > 0) {
                    ++greeted;
                    if (QByteArray(buf).startsWith("CMD_sendlogininfo+1\xff")) ++slotOne;
                }
            }
            ::close(s);
        }
    });
    launch({});
    QTRY_VERIFY_WITH_TIMEOUT(greeted > 20, 15000);
    stop = true;
    racer.join();
    qInfo("%d tries, %d greeted", int(tries), int(greeted));
    QCOMPARE(int(slotOne), 0);
    // The game's own client is there, as connection 1, and the game goes on.
    // (the racer's last connection may not be seen closed yet: any slot but 1)
    RawClient raw;
    QVERIFY(raw.connectTo(wire::GamePort));
    const QByteArray greeting = raw.waitForPrefix("CMD_sendlogininfo+");
    const QByteArray slot = greeting.mid(int(qstrlen("CMD_sendlogininfo+")));
    QVERIFY(slot.toInt() >= 2);
    raw.send("CMD_logininfo+" + slot + "+1.0.3+Racer");
    QCOMPARE(raw.waitForPrefix("CMD_existingplayers"), QByteArray("CMD_existingplayers+1+You"));
    QCOMPARE(program.state(), QProcess::Running);
}

void TestStartup::soloGoesOnWhenPortIsTaken() {
    // Another program holds the game's port and takes every connection.
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::Any, wire::GamePort));
    const QList<quint16> before = loopbackListeners();
    launch({});
    // The solo game's host listens where only this computer reaches it...
    quint16 here = 0;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (quint16 p : loopbackListeners())
                if (!before.contains(p)) here = p;
            return here != 0;
        }(),
        10000);
    // ...its own client is seated there, and nothing went to the other program.
    RawClient raw;
    QVERIFY(raw.connectTo(here));
    QCOMPARE(raw.waitForPrefix("CMD_sendlogininfo"), QByteArray("CMD_sendlogininfo+2"));
    raw.send("CMD_logininfo+2+1.0.3+Guest");
    QCOMPARE(raw.waitForPrefix("CMD_existingplayers"), QByteArray("CMD_existingplayers+1+You"));
    QTest::qWait(300);
    QVERIFY(!other.hasPendingConnections());
    QCOMPARE(program.state(), QProcess::Running);
}

void TestStartup::joiningConnectsAndDoesNotListen_data() {
    QTest::addColumn<QString>("flag");
    QTest::newRow("capital True joins") << "True";
    QTest::newRow("any other text joins") << "x";
}

void TestStartup::joiningConnectsAndDoesNotListen() {
    QFETCH(QString, flag);
    LobbyProbe lobby;
    QVERIFY(lobby.listen());
    RawHost host; // we are the host on 7772: the program must come to us
    QVERIFY(host.listen(wire::GamePort));
    launch({"Bob", "127.0.0.1", flag});
    QVERIFY(host.waitForClient(10000));
    host.send(wire::sendlogininfo(2));
    QCOMPARE(host.waitForPrefix("CMD_logininfo"), QByteArray("CMD_logininfo+2+1.0.3+Bob"));
    QTRY_COMPARE_WITH_TIMEOUT(lobby.connections, 1, 10000);
    QCOMPARE(host.accepted(), 1);
}

void TestStartup::twoParametersConnectNowhere() {
    LobbyProbe lobby;
    QVERIFY(lobby.listen());
    RawHost host;
    QVERIFY(host.listen(wire::GamePort));
    launch({"Bob", "127.0.0.1"});
    QTest::qWait(1500);
    QCOMPARE(host.accepted(), 0);
    QCOMPARE(lobby.connections, 0);
    QCOMPARE(program.state(), QProcess::Running);
}

void TestStartup::lostHostEndsProgramCleanly() {
    RawHost host;
    QVERIFY(host.listen(wire::GamePort));
    launch({"Bob", "127.0.0.1", "x"});
    QVERIFY(host.waitForClient(10000));
    host.send(wire::sendlogininfo(2));
    QVERIFY(!host.waitForPrefix("CMD_logininfo").isEmpty());
    host.dropClient();
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

void TestStartup::signalClosesLikeExit_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

// Logging out or kill must not lose the run: the program closes as File >
// Exit does, with exit status 0, and writes its tally.
void TestStartup::signalClosesLikeExit() {
    QFETCH(int, signal);
    QTemporaryDir config;
    QProcessEnvironment env = program.processEnvironment();
    env.insert("KELVOA_CONFIG_DIR", config.path());
    program.setProcessEnvironment(env);
    launch({});
    RawClient raw;
    QTRY_VERIFY_WITH_TIMEOUT(raw.connectTo(wire::GamePort), 10000);
    QVERIFY(!raw.waitForPrefix("CMD_sendlogininfo").isEmpty());
    const QString tally = QDir(config.path()).filePath(tallyfile::FileName);
    QVERIFY(!QFile::exists(tally));
    QCOMPARE(::kill(pid_t(program.processId()), signal), 0);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    Tally read;
    QCOMPARE(tallyfile::load(tally, read), QString());
    QVERIFY(QFile::exists(tally));
}

// An installed copy keeps the player's files in the per-user folders, never
// beside the program, whoever runs it.
void TestStartup::installedCopyKeepsFilesPerUser() {
    QTemporaryDir prefix, home;
    QProcess install;
    install.setProcessChannelMode(QProcess::ForwardedChannels);
    install.start(QStringLiteral(KELVOA_CMAKE),
                  {"--install", KELVOA_BUILD_DIR, "--prefix", prefix.path()});
    QVERIFY(install.waitForFinished(60000));
    QCOMPARE(install.exitCode(), 0);
    const QString bin = QDir(prefix.path()).filePath("games");
    QVERIFY(QFile::exists(prefix.path() + "/share/applications/io.kelvoa.Kelvoa.desktop"));
    // The speakers' module lies where the installed program looks for it.
    QVERIFY(QFile::exists(bin + '/' + EffectSoundSink::InstalledFolder + '/' +
                          EffectSoundSink::ModuleName));

    QProcessEnvironment env = program.processEnvironment();
    env.remove("KELVOA_CONFIG_DIR");
    env.remove("XDG_CONFIG_HOME");
    env.remove("XDG_DATA_HOME");
    env.insert("HOME", home.path());
    program.setProcessEnvironment(env);
    program.start(QDir(bin).filePath("kelvoa"), {});
    QVERIFY(program.waitForStarted(5000));
    RawClient raw;
    QTRY_VERIFY_WITH_TIMEOUT(raw.connectTo(wire::GamePort), 10000);
    QVERIFY(!raw.waitForPrefix("CMD_sendlogininfo").isEmpty());
    QCOMPARE(::kill(pid_t(program.processId()), SIGTERM), 0);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(QFile::exists(home.path() + "/.local/share/Kelvoa/" + tallyfile::FileName));
    QVERIFY(QDir(home.path() + "/.config/Kelvoa").exists());
    QCOMPARE(QDir(bin).entryList(QDir::Files), (QStringList{"kelvoa", "kelvoa-review"}));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
