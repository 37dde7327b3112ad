// The public lobby against a real server: prosody from Debian, run by this
// test in a network namespace of its own with the configuration the project
// ships for communities (packaging/lobby). A hosting copy of the program
// lists its game; this test's own lobby window (the second copy) signs in,
// sees the game, joins it directly, and sees it go with its host.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "lobby_hub.h"
#include "settings.h"
#include "tlobby.h"

using namespace lobby;

namespace {
const QString Domain = QStringLiteral("lobby.test");
const QString Anonymous = QStringLiteral("anon.lobby.test");
const QString Room = QStringLiteral("lobby@conference.lobby.test");
const QString Address = QStringLiteral("10.77.0.1");

int run(const QStringList& command) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(command.first(), command.mid(1));
    if (!p.waitForStarted(5000) || !p.waitForFinished(20000)) return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace

class TestLobby : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void hostedGameIsListedJoinedAndGone();

private:
    bool makeNamespace();
    bool startServer();
    QString fingerprint(const QString& domain) const;
    void writeLobbySettings(const QString& folder, bool withCertificate);
    QString ns_;
    int ownNs_ = -1;
    int ownMounts_ = -1;
    bool made_ = false;
    QTemporaryDir dir_;
    QProcess server_, host_, joiner_;
};

void TestLobby::initTestCase() {
    if (::geteuid() != 0) QSKIP("making network namespaces needs root");
    for (const char* tool : {"ip", "prosody", "openssl", "runuser"})
        if (QStandardPaths::findExecutable(tool).isEmpty() &&
            QStandardPaths::findExecutable(tool, {"/usr/sbin", "/sbin"}).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(tool)));
    ns_ = "kvlobby" + QString::number(QCoreApplication::applicationPid());
    ownNs_ = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
    if (!makeNamespace()) QSKIP("network namespaces cannot be made here");
    QVERIFY(startServer());
    // This test's own window stands in the namespace from here on.
    const int fd = ::open(qPrintable("/run/netns/" + ns_), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0 && ::setns(fd, CLONE_NEWNET) == 0);
    ::close(fd);
    // And sees the namespace's names, as ip netns exec shows them to the programs it starts.
    ownMounts_ = ::open("/proc/self/ns/mnt", O_RDONLY | O_CLOEXEC);
    QVERIFY(::unshare(CLONE_NEWNS) == 0);
    QVERIFY(::mount("", "/", nullptr, MS_SLAVE | MS_REC, nullptr) == 0);
    QVERIFY(::mount(qPrintable("/etc/netns/" + ns_ + "/hosts"), "/etc/hosts", nullptr, MS_BIND,
                    nullptr) == 0);
}

bool TestLobby::makeNamespace() {
    made_ = true;
    if (run({"ip", "netns", "add", ns_}) != 0) return false;
    // One network of one computer: an address that is not loopback, so the
    // hosting copy has a way in to list.
    const QList<QStringList> steps = {
        {"ip", "-n", ns_, "link", "set", "lo", "up"},
        {"ip", "-n", ns_, "link", "add", "d0", "type", "veth", "peer", "name", "d1"},
        {"ip", "-n", ns_, "addr", "add", Address + "/24", "dev", "d0"},
        {"ip", "-n", ns_, "link", "set", "d0", "up"},
        {"ip", "-n", ns_, "link", "set", "d1", "up"},
    };
    for (const QStringList& s : steps)
        if (run(s) != 0) return false;
    // Names inside the namespace (ip netns exec puts these in place).
    QDir().mkpath("/etc/netns/" + ns_);
    const QByteArray hosts = (Address + " " + Domain + " " + Anonymous + " conference." + Domain +
                              " proxy." + Domain + "\n127.0.0.1 localhost\n")
                                 .toUtf8();
    return writeFile("/etc/netns/" + ns_ + "/hosts", hosts) &&
           writeFile("/etc/netns/" + ns_ + "/resolv.conf", "nameserver 127.0.0.1\n");
}

bool TestLobby::startServer() {
    // The server's own folder: its user owns it, nothing else of the test's.
    const QString d = dir_.path() + "/server";
    QDir().mkpath(d + "/data");
    QDir().mkpath(d + "/certs");
    for (const QString& domain : {Domain, Anonymous, "conference." + Domain, "proxy." + Domain}) {
        if (run({"openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                 "/CN=" + domain, "-addext", "subjectAltName=DNS:" + domain, "-keyout",
                 d + "/certs/" + domain + ".key", "-out", d + "/certs/" + domain + ".crt"}) != 0)
            return false;
    }
    // The shipped configuration, with this test's domain, folders and log.
    QFile shipped(QStringLiteral(KELVOA_SOURCE_DIR "/packaging/lobby/prosody.cfg.lua"));
    if (!shipped.open(QIODevice::ReadOnly)) return false;
    QString config = QString::fromUtf8(shipped.readAll());
    config.replace("lobby.example.org", Domain)
        .replace("\"/var/lib/prosody\"", '"' + d + "/data\"")
        .replace("\"/etc/prosody/certs\"", '"' + d + "/certs\"")
        .replace("\"/run/prosody/prosody.pid\"", '"' + d + "/prosody.pid\"")
        .replace(QRegularExpression(QStringLiteral("\\nlog = [^\\n]*")),
                 QStringLiteral("\nlog = { info = \"*console\" }"));
    if (!writeFile(d + "/prosody.cfg.lua", config.toUtf8())) return false;
    ::chmod(qPrintable(dir_.path()), 0755);
    if (run({"chown", "-R", "prosody:", d}) != 0) return false;
    server_.setProcessChannelMode(QProcess::MergedChannels);
    server_.start("ip", {"netns", "exec", ns_, "runuser", "-u", "prosody", "--", "prosody",
                         "--config", d + "/prosody.cfg.lua", "-F"});
    if (!server_.waitForStarted(5000)) return false;
    QByteArray log;
    QElapsedTimer t;
    t.start();
    while (!log.contains("Activated service 'c2s'") && t.elapsed() < 20000) {
        server_.waitForReadyRead(500);
        log += server_.readAll();
    }
    if (!log.contains("Activated service 'c2s'")) qWarning("%s", log.constData());
    return log.contains("Activated service 'c2s'");
}

QString TestLobby::fingerprint(const QString& domain) const {
    QFile f(dir_.path() + "/server/certs/" + domain + ".crt");
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QSslCertificate cert(f.readAll(), QSsl::Pem);
    return QString::fromLatin1(cert.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}

void TestLobby::writeLobbySettings(const QString& folder, bool withCertificate) {
    QDir().mkpath(folder);
    Settings s(folder);
    SettingsValues v = s.load();
    v.lobbyAccount = Anonymous;
    v.lobbyRoom = Room;
    v.lobbyList = true;
    v.lobbyCertificate = withCertificate ? fingerprint(Anonymous) : QString();
    QVERIFY(s.saveLobby(v));
}

void TestLobby::cleanupTestCase() {
    for (QProcess* p : {&joiner_, &host_, &server_}) {
        if (p->state() == QProcess::NotRunning) continue;
        p->terminate();
        if (!p->waitForFinished(5000)) p->kill();
        p->waitForFinished(5000);
    }
    if (ownNs_ >= 0) {
        ::setns(ownNs_, CLONE_NEWNET);
        ::close(ownNs_);
    }
    // Back among the machine's own mounts, where the namespace's name is kept.
    if (ownMounts_ >= 0) {
        ::setns(ownMounts_, CLONE_NEWNS);
        ::close(ownMounts_);
    }
    if (made_) {
        run({"ip", "netns", "del", ns_});
        QDir("/etc/netns/" + ns_).removeRecursively();
    }
}

void TestLobby::hostedGameIsListedJoinedAndGone() {
    // The second copy: this test's lobby window, its certificate not yet accepted.
    const QString mine = dir_.path() + "/mine";
    writeLobbySettings(mine, false);
    LobbyHub hub(mine);
    NoStore nothingKept;
    hub.setPasswordStore(&nothingKept);
    hub.playerName = QStringLiteral("Bea");
    QStringList joined;
    hub.joinGame = [&](const QString& name, const QString& address, const QString&) {
        joined = {name, address};
    };
    hub.openWindow();
    Tlobby* w = hub.window();
    QVERIFY(w);
    // Refused with one clear line, then accepted once by its fingerprint.
    QTRY_VERIFY2_WITH_TIMEOUT(w->button_accept->isVisible(), qPrintable(w->told.join(" / ")),
                              10000);
    QVERIFY2(w->label_status->text().contains("certificate"), qPrintable(w->label_status->text()));
    QElapsedTimer signingIn;
    signingIn.start();
    w->button_accept->click();
    QTRY_VERIFY_WITH_TIMEOUT(hub.session.inRoom(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(w->list_people->count() == 1, 5000);
    qInfo("sign-in to the list shown: %lld ms", signingIn.elapsed());
    QCOMPARE(Settings(mine).load().lobbyCertificate, fingerprint(Anonymous));
    // The room's chat comes back to the window that said it, as plain text.
    w->edit_chat->setText(QStringLiteral("<b>hello</b> :)#12"));
    w->button_send->click();
    QTRY_COMPARE_WITH_TIMEOUT(w->chatview->lineCount(), 1, 5000);
    QVERIFY(w->chatview->toPlainText().contains(QStringLiteral("<b>hello</b>")));

    // The first copy hosts from the command line with "Lobbylist" on.
    const QString theirs = dir_.path() + "/theirs";
    writeLobbySettings(theirs, true);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QDir().mkpath(dir_.path() + "/run");
    QFile::setPermissions(dir_.path() + "/run",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert("XDG_RUNTIME_DIR", dir_.path() + "/run");
    env.insert("KELVOA_CONFIG_DIR", theirs);
    env.insert("KELVOA_NO_ROUTER", "1");
    host_.setProcessEnvironment(env);
    host_.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer hosting;
    hosting.start();
    host_.start("ip", {"netns", "exec", ns_, KELVOA_BINARY, "Ann", "127.0.0.1", "true"});
    QVERIFY(host_.waitForStarted(5000));
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += host_.readAll()).contains("Kelvoa lobby: game listed"),
                             20000);
    qInfo("Host to game listed: %lld ms", hosting.elapsed());
    QElapsedTimer seen;
    seen.start();
    QTRY_VERIFY_WITH_TIMEOUT(w->shownGames().size() == 1, 2000);
    qInfo("listed to seen in the other copy: %lld ms", seen.elapsed());
    const LobbyGame g = w->shownGames().first();
    QCOMPARE(g.name, QStringLiteral("Ann"));
    QCOMPARE(g.players, 1);
    QVERIFY(g.addresses.contains(Address + ":7772"));
    QVERIFY(g.jid.startsWith("@" + Anonymous) || g.jid.contains("@" + Anonymous + "/"));
    QCOMPARE(w->list_people->count(), 2);

    // Join: the address answers as a host, and the usual restart would follow.
    QCOMPARE(w->table_games->currentRow(), 0);
    QTest::keyClick(w->table_games, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!joined.isEmpty(), 6000);
    QCOMPARE(joined.at(1), Address + ":7772");
    // The copy that restart starts: it sits down, and the listing says so.
    QProcessEnvironment joinerEnv = env;
    joinerEnv.insert("KELVOA_CONFIG_DIR", mine);
    joiner_.setProcessEnvironment(joinerEnv);
    joiner_.setProcessChannelMode(QProcess::MergedChannels);
    joiner_.start("ip", {"netns", "exec", ns_, KELVOA_BINARY, joined.at(0), joined.at(1), "false"});
    QVERIFY(joiner_.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(!w->shownGames().isEmpty() && w->shownGames().first().players == 2,
                             10000);

    // The host ends: its game goes from every list with its presence.
    host_.terminate();
    QElapsedTimer gone;
    gone.start();
    QTRY_VERIFY_WITH_TIMEOUT(w->shownGames().isEmpty(), 5000);
    qInfo("host's exit to game gone: %lld ms", gone.elapsed());
    // (It may have ended while the list was watched.)
    QVERIFY(host_.state() == QProcess::NotRunning || host_.waitForFinished(10000));
    QCOMPARE(host_.exitCode(), 0);
    QCOMPARE(w->list_people->count(), 1);
    hub.session.stop();
}

QTEST_MAIN(TestLobby)
#include "test_lobby.moc"
