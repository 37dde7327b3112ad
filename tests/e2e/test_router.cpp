// The hosting copy and a real home router: three network namespaces made by
// this test ("home" with the hosting copy, "router" with NAT and a UPnP /
// NAT-PMP daemon, "internet" where this test itself stands) joined by
// virtual cables. Nothing routes out of them. A friend on the internet side
// reaches the game at the router's address once the copy asked for it, and
// not any more once the copy has ended.
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

namespace {
// The router's internet side. The daemon serves only a side with an address
// that looks public, so this one lies just past a documentation block; no
// packet for it ever leaves the namespaces.
const QString Public = QStringLiteral("203.0.114.1");
const QString Friend = QStringLiteral("203.0.114.2");
constexpr quint16 GamePort = 7772;

struct Ran {
    int code = -1;
    QByteArray out;
};

Ran run(const QString& program, const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(5000)) return {};
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(10000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAll()};
}
} // namespace

class TestRouter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void forwardingComesAndGoes_data();
    void forwardingComesAndGoes();

private:
    Ran inNs(const QString& ns, const QStringList& command, const QByteArray& input = {});
    bool makeNamespaces();
    // Another computer of the home network has the game port already.
    bool forwardToOtherComputer();
    // The game's greeting, read from the internet side at the router's address.
    bool friendReachesGame();
    QString home_, router_, internet_;
    int ownNs_ = -1;
    bool made_ = false;
    QTemporaryDir dir_;
    QProcess daemon_;
    QProcess copy_;
};

Ran TestRouter::inNs(const QString& ns, const QStringList& command, const QByteArray& input) {
    return run(QStringLiteral("ip"), QStringList{"netns", "exec", ns} + command, input);
}

void TestRouter::initTestCase() {
    if (::geteuid() != 0) QSKIP("making network namespaces needs root");
    for (const char* tool : {"ip", "nft", "miniupnpd"})
        if (QStandardPaths::findExecutable(tool).isEmpty() &&
            QStandardPaths::findExecutable(tool, {"/usr/sbin", "/sbin"}).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(tool)));
    const QString tag = QString::number(QCoreApplication::applicationPid());
    home_ = "kvhome" + tag;
    router_ = "kvrouter" + tag;
    internet_ = "kvnet" + tag;
    ownNs_ = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
    if (!makeNamespaces()) QSKIP("network namespaces cannot be made here");
    // This test stands on the internet side from here on: its sockets are made there.
    const int fd = ::open(qPrintable("/run/netns/" + internet_), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0 && ::setns(fd, CLONE_NEWNET) == 0);
    ::close(fd);
}

bool TestRouter::makeNamespaces() {
    made_ = true;
    for (const QString& ns : {home_, router_, internet_})
        if (run("ip", {"netns", "add", ns}).code != 0) return false;
    const QList<QStringList> steps = {
        {"link", "add", "h0", "netns", home_, "type", "veth", "peer", "name", "r0", "netns",
         router_},
        {"link", "add", "i0", "netns", internet_, "type", "veth", "peer", "name", "r1", "netns",
         router_},
        {"-n", home_, "addr", "add", "192.168.77.2/24", "dev", "h0"},
        {"-n", router_, "addr", "add", "192.168.77.1/24", "dev", "r0"},
        {"-n", router_, "addr", "add", Public + "/24", "dev", "r1"},
        {"-n", internet_, "addr", "add", Friend + "/24", "dev", "i0"},
        {"-n", home_, "link", "set", "h0", "up"},
        {"-n", home_, "link", "set", "lo", "up"},
        {"-n", router_, "link", "set", "r0", "up"},
        {"-n", router_, "link", "set", "r1", "up"},
        {"-n", internet_, "link", "set", "i0", "up"},
        {"-n", home_, "route", "add", "default", "via", "192.168.77.1"},
    };
    for (const QStringList& s : steps)
        if (run("ip", s).code != 0) return false;
    if (inNs(router_, {"sysctl", "-qw", "net.ipv4.ip_forward=1"}).code != 0) return false;
    // The home router: outgoing traffic masqueraded, incoming dropped unless
    // the daemon's own chains (named as it expects) let it in.
    const QByteArray rules =
        "table inet filter {\n"
        " chain miniupnpd {\n }\n"
        " chain prerouting_miniupnpd {\n }\n"
        " chain postrouting_miniupnpd {\n }\n"
        " chain forward {\n  type filter hook forward priority 0; policy drop;\n"
        "  ct state established,related accept\n"
        "  iifname \"r0\" oifname \"r1\" accept\n  jump miniupnpd\n }\n"
        " chain prerouting {\n  type nat hook prerouting priority -100;\n"
        "  jump prerouting_miniupnpd\n }\n"
        " chain postrouting {\n  type nat hook postrouting priority 100;\n"
        "  jump postrouting_miniupnpd\n  oifname \"r1\" masquerade\n }\n"
        "}\n";
    return inNs(router_, {"nft", "-f", "-"}, rules).code == 0;
}

void TestRouter::cleanup() {
    for (QProcess* p : {&copy_, &daemon_}) {
        if (p->state() == QProcess::NotRunning) continue;
        p->terminate();
        if (!p->waitForFinished(5000)) p->kill();
        p->waitForFinished(5000);
    }
    // The daemon leaves its forwardings behind when it ends; the next case
    // starts from a clean router.
    if (made_)
        for (const char* chain : {"miniupnpd", "prerouting_miniupnpd", "postrouting_miniupnpd"})
            inNs(router_, {"nft", "flush", "chain", "inet", "filter", chain});
}

void TestRouter::cleanupTestCase() {
    cleanup();
    if (ownNs_ >= 0) {
        ::setns(ownNs_, CLONE_NEWNET);
        ::close(ownNs_);
    }
    if (made_)
        for (const QString& ns : {home_, router_, internet_})
            run("ip", {"netns", "del", ns});
}

bool TestRouter::friendReachesGame() {
    QTcpSocket s;
    s.connectToHost(Public, GamePort);
    if (!s.waitForConnected(500)) return false;
    QByteArray got;
    while (!got.contains('\xff') && s.waitForReadyRead(2000))
        got += s.readAll();
    return got.startsWith("CMD_sendlogininfo+");
}

bool TestRouter::forwardToOtherComputer() {
    const QByteArray body =
        "<?xml version=\"1.0\"?><s:Envelope "
        "xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body><u:AddPortMapping "
        "xmlns:u=\"urn:schemas-upnp-org:service:WANIPConnection:1\"><NewRemoteHost></"
        "NewRemoteHost><NewExternalPort>7772</NewExternalPort><NewProtocol>TCP</NewProtocol>"
        "<NewInternalPort>7772</NewInternalPort><NewInternalClient>192.168.77.9</"
        "NewInternalClient><NewEnabled>1</NewEnabled><NewPortMappingDescription>other</"
        "NewPortMappingDescription><NewLeaseDuration>0</NewLeaseDuration></u:AddPortMapping>"
        "</s:Body></s:Envelope>";
    const QByteArray request =
        "POST /ctl/IPConn HTTP/1.1\r\nHost: 192.168.77.1:5555\r\nConnection: close\r\n"
        "Content-Type: text/xml\r\nSOAPAction: "
        "\"urn:schemas-upnp-org:service:WANIPConnection:1#AddPortMapping\"\r\n"
        "Content-Length: " +
        QByteArray::number(body.size()) + "\r\n\r\n" + body;
    // Sent from the home network, where the router takes such requests.
    const Ran sent = inNs(home_,
                          {"bash", "-c",
                           "exec 3<>/dev/tcp/192.168.77.1/5555 && cat >&3 && "
                           "timeout 5 cat <&3"},
                          request);
    return sent.out.contains("AddPortMappingResponse");
}

void TestRouter::forwardingComesAndGoes_data() {
    QTest::addColumn<QByteArray>("config"); // the daemon's; empty: no daemon at all
    QTest::addColumn<QString>("said");      // the copy's line about the router
    QTest::addColumn<bool>("taken");        // another computer has the port first
    const QByteArray common = "ext_ifname=r1\nlistening_ip=r0\nhttp_port=0\nenable_natpmp=yes\n"
                              "secure_mode=yes\nsystem_uptime=yes\n"
                              "uuid=3e1f7a52-6a3c-4c9e-9d1e-5b0c2f6a7d10\n";
    const QByteArray allow = "allow 1024-65535 192.168.77.0/24 1024-65535\n";
    const QByteArray deny = "deny 0-65535 0.0.0.0/0 0-65535\n";
    const QString open = "forwarded (%1), internet address " + Public;
    QTest::newRow("UPnP") << common + "enable_upnp=yes\n" + allow + deny << open.arg("UPnP")
                          << false;
    QTest::newRow("NAT-PMP, no UPnP")
        << common + "enable_upnp=no\n" + allow + deny << open.arg("NAT-PMP") << false;
    QTest::newRow("router refuses")
        << common + "enable_upnp=yes\n" + deny << "refused (UPnP)" << false;
    // The router's port says "nobody here": that is no answer, not a refusal.
    QTest::newRow("no daemon on the router") << QByteArray() << "no router answered" << false;
    // Anybody at home may forward for anybody here, and 192.168.77.9 was first.
    QTest::newRow("port forwarded to another computer")
        << QByteArray(common)
                   .replace("secure_mode=yes", "secure_mode=no")
                   .replace("http_port=0", "http_port=5555") +
               "enable_upnp=yes\nallow 1024-65535 192.168.77.0/24 1024-65535\n" + deny
        << "taken (UPnP), to 192.168.77.9" << true;
}

void TestRouter::forwardingComesAndGoes() {
    QFETCH(QByteArray, config);
    QFETCH(QString, said);
    QFETCH(bool, taken);
    if (!config.isEmpty()) {
        const QString file = dir_.filePath("miniupnpd.conf");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(config);
        f.close();
        daemon_.setProcessChannelMode(QProcess::MergedChannels);
        daemon_.start("ip", {"netns", "exec", router_, "miniupnpd", "-d", "-f", file, "-P",
                             dir_.filePath("miniupnpd.pid")});
        QVERIFY(daemon_.waitForStarted(5000));
        QByteArray log;
        QTRY_VERIFY_WITH_TIMEOUT((log += daemon_.readAll()).contains("Listening for NAT-PMP"),
                                 10000);
    }
    if (taken) QVERIFY(forwardToOtherComputer());

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", dir_.path());
    env.remove("KELVOA_NO_ROUTER");
    copy_.setProcessEnvironment(env);
    copy_.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer started;
    started.start();
    copy_.start("ip", {"netns", "exec", home_, KELVOA_BINARY, "Alice", "127.0.0.1", "true"});
    QVERIFY(copy_.waitForStarted(5000));
    const bool opens = said.startsWith("forwarded");
    if (opens) {
        QTRY_VERIFY_WITH_TIMEOUT(friendReachesGame(), 20000);
        qInfo("the forwarding was in place %lld ms after the hosting copy started",
              started.elapsed());
    }
    QByteArray shown;
    QTRY_VERIFY_WITH_TIMEOUT((shown += copy_.readAll()).contains("Kelvoa router: "), 20000);
    if (!opens) qInfo("the router's answer was known after %lld ms", started.elapsed());
    QVERIFY2(shown.contains("Kelvoa router: " + said.toLatin1() + "\n"), shown.constData());
    QVERIFY(!opens || friendReachesGame());

    // Closed as by the session's end: the forwarding goes with the copy.
    copy_.terminate();
    QVERIFY(copy_.waitForFinished(15000));
    QCOMPARE(copy_.exitCode(), 0);
    const Ran chain = inNs(router_, {"nft", "list", "table", "inet", "filter"});
    QCOMPARE(chain.code, 0);
    // What this copy made is gone; what another computer had stays its own.
    QCOMPARE(chain.out.contains("7772"), taken);
    QCOMPARE(chain.out.contains("dnat ip to 192.168.77.9:7772"), taken);
    QVERIFY(!friendReachesGame());
}

QTEST_GUILESS_MAIN(TestRouter)
#include "test_router.moc"
