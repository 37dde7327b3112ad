// TSock on real loopback sockets.
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "tsock.h"

namespace {
struct Info {
    int code;
    QString text;
};

// Records everything an endpoint reports.
struct Recorder {
    QList<Info> infos;
    int reads = 0, accepts = 0, connects = 0, disconnects = 0;
    void attach(TSock* s) {
        s->OnInfo = [this](TSock*, int c, const QString& t) { infos.append({c, t}); };
        s->OnRead = [this](TSock*, int) { ++reads; };
        s->OnConnect = [this](TSock*) { ++connects; };
        s->OnDisconnect = [this](TSock*) { ++disconnects; };
    }
    int count(const QString& text) const {
        int n = 0;
        for (const auto& i : infos)
            n += i.text == text;
        return n;
    }
    bool hasCode(int code) const {
        for (const auto& i : infos)
            if (i.code == code) return true;
        return false;
    }
};
} // namespace

class TestTSock : public QObject {
    Q_OBJECT
private slots:
    void connectAcceptAndExchange();
    void peerCloseReportsSocketClosedTwice();
    void refusedConnectIsCodeSevenOnly();
    void bindingTakenPort();
    void operationsOnWrongEndpoints();
    void largeSendGoesOutInOrder();
    void readsAreAtMost32k();
    void hostNameCache();
};

void TestTSock::connectAcceptAndExchange() {
    TSock listener;
    Recorder lr;
    lr.attach(&listener);
    listener.PortName = "0";
    TSock* accepted = nullptr;
    listener.OnAccept = [&](TSock* l) { QVERIFY(l->Accept(accepted)); };
    listener.setListen(true);
    QVERIFY(listener.listening());
    QCOMPARE(lr.infos.last().text, QStringLiteral("Listening Started"));
    listener.setListen(true);
    QCOMPARE(lr.infos.last().text, QStringLiteral("Listening Already Running"));

    TSock client;
    Recorder cr;
    cr.attach(&client);
    client.HostName = "127.0.0.1";
    client.PortName = QString::number(listener.localPort());
    client.Open();
    QTRY_VERIFY(client.connected());
    QTRY_VERIFY(accepted != nullptr);
    QCOMPARE(cr.connects, 1);
    QVERIFY(cr.count("Non-Blocking Socket Connected") == 1);
    QVERIFY(cr.count("Lookup Of Host 127.0.0.1") == 1);
    QCOMPARE(lr.count("Created New TSock Structure"), 1);
    QCOMPARE(accepted->HostName, QStringLiteral("127.0.0.1"));
    QCOMPARE(accepted->PortName, QStringLiteral("0"));

    // The accepted endpoint inherited the listener's read and info handlers.
    client.Send("hello");
    QTRY_VERIFY(lr.reads > 0);
    QCOMPARE(accepted->Receive(), QByteArray("hello"));
    QVERIFY(lr.count("Non-Blocking Incoming Data") >= 1);
    QVERIFY(cr.count("Non-Blocking Outgoing Data") >= 1);

    accepted->Send("back");
    QTRY_VERIFY(cr.reads > 0);
    QCOMPARE(client.Receive(), QByteArray("back"));

    listener.setListen(false);
    QCOMPARE(lr.infos.last().text, QStringLiteral("Listening Stopped"));
}

void TestTSock::peerCloseReportsSocketClosedTwice() {
    TSock listener;
    listener.PortName = "0";
    TSock* accepted = nullptr;
    Recorder ar;
    listener.OnAccept = [&](TSock* l) {
        l->Accept(accepted);
        ar.attach(accepted);
        // The owner closes from its disconnect handler, as the host does.
        accepted->OnDisconnect = [&](TSock* s) {
            ++ar.disconnects;
            s->Close();
        };
    };
    listener.setListen(true);
    QTcpSocket peer;
    peer.connectToHost("127.0.0.1", listener.localPort());
    QVERIFY(peer.waitForConnected(5000));
    QTRY_VERIFY(accepted);
    peer.disconnectFromHost();
    QTRY_COMPARE(ar.count("Socket Closed"), 2);
    QCOMPARE(ar.disconnects, 1);
    QVERIFY(!accepted->connected());
    // Closing again reports once more.
    accepted->Close();
    QCOMPARE(ar.count("Socket Closed"), 3);
}

void TestTSock::refusedConnectIsCodeSevenOnly() {
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 freePort = probe.serverPort();
    probe.close();

    TSock client;
    Recorder cr;
    cr.attach(&client);
    client.HostName = "127.0.0.1";
    client.PortName = QString::number(freePort);
    client.Open();
    QTRY_VERIFY(cr.hasCode(7));
    QTest::qWait(50);
    QVERIFY(!cr.hasCode(1));
    QCOMPARE(cr.connects, 0);
    QCOMPARE(cr.count("Error #10061 (WSAECONNREFUSED)"), 1);
    QVERIFY(!client.connected());
    QCOMPARE(sockErrorText(12345), QStringLiteral("Error #12345 (UNKNOWN ERROR)"));
}

void TestTSock::bindingTakenPort() {
    QTcpServer holder;
    QVERIFY(holder.listen(QHostAddress::Any));
    TSock listener;
    listener.PortName = QString::number(holder.serverPort());
    try {
        listener.setListen(true);
        QFAIL("binding a taken port must fail");
    } catch (const ESockException& e) {
        QCOMPARE(QString(e.what()), QStringLiteral("Listen - Error Binding Socket"));
    }
    QVERIFY(!listener.listening());
}

void TestTSock::operationsOnWrongEndpoints() {
    TSock idle;
    QVERIFY_THROWS_EXCEPTION(ESockException, idle.Send("x"));
    QVERIFY_THROWS_EXCEPTION(ESockException, idle.Receive());
    QVERIFY_THROWS_EXCEPTION(ESockException, [&] {
        TSock* into = nullptr;
        idle.Accept(into);
    }());
    TSock listener;
    listener.PortName = "0";
    listener.setListen(true);
    try {
        listener.Send("x");
        QFAIL("no send on a listener");
    } catch (const ESockException& e) {
        QCOMPARE(QString(e.what()), QStringLiteral("Send - Cannot Send On A Listener Socket"));
    }
    try {
        listener.Receive();
        QFAIL("no receive on a listener");
    } catch (const ESockException& e) {
        QCOMPARE(QString(e.what()),
                 QStringLiteral("Receive - Cannot Receive On A Listener Socket"));
    }
    TSock badPort;
    badPort.HostName = "127.0.0.1";
    badPort.PortName = "no-such-service-kelvoa";
    try {
        badPort.Open();
        QFAIL("unknown service");
    } catch (const ESockException& e) {
        QCOMPARE(QString(e.what()), QStringLiteral("Port Lookup - Could Not Find Service Entry"));
    }
}

void TestTSock::largeSendGoesOutInOrder() {
    TSock listener;
    listener.PortName = "0";
    TSock* accepted = nullptr;
    listener.OnAccept = [&](TSock* l) { l->Accept(accepted); };
    listener.setListen(true);
    QTcpSocket peer;
    peer.connectToHost("127.0.0.1", listener.localPort());
    QVERIFY(peer.waitForConnected(5000));
    QTRY_VERIFY(accepted);

    // Far more than the network takes at once: the rest waits in the send
    // buffer and must still arrive before anything sent later.
    QByteArray big(3 * 1024 * 1024, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = char('a' + i % 26);
    accepted->Send(big);
    QVERIFY(!accepted->sendBuffer().isEmpty());
    accepted->Send("TAIL");
    QByteArray got;
    QTRY_VERIFY_WITH_TIMEOUT((got += peer.readAll(), got.size() >= big.size() + 4), 20000);
    QCOMPARE(got.size(), big.size() + 4);
    QVERIFY(got.startsWith(big.left(100)));
    QCOMPARE(got.mid(big.size()), QByteArray("TAIL"));
    QCOMPARE(got.left(big.size()), big);
}

void TestTSock::readsAreAtMost32k() {
    TSock listener;
    listener.PortName = "0";
    TSock* accepted = nullptr;
    QList<int> sizes;
    listener.OnAccept = [&](TSock* l) {
        l->Accept(accepted);
        accepted->OnRead = [&](TSock* s, int) { sizes.append(int(s->Receive().size())); };
    };
    listener.setListen(true);
    QTcpSocket peer;
    peer.connectToHost("127.0.0.1", listener.localPort());
    QVERIFY(peer.waitForConnected(5000));
    QTRY_VERIFY(accepted);
    peer.write(QByteArray(200000, 'z'));
    QVERIFY(peer.waitForBytesWritten(5000));
    int total = 0;
    QTRY_VERIFY((total = std::accumulate(sizes.begin(), sizes.end(), 0)) == 200000);
    for (int s : sizes)
        QVERIFY(s <= TSock::MaxRead);
}

void TestTSock::hostNameCache() {
    TSock::clearCacheForTests();
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    for (int i = 0; i < 3; ++i) {
        TSock byName;
        byName.HostName = "localhost";
        byName.PortName = QString::number(server.serverPort());
        byName.Open();
        TSock byNumber;
        byNumber.HostName = "127.0.0.1";
        byNumber.PortName = QString::number(server.serverPort());
        byNumber.Open();
    }
    // Looked up once, then served from the cache; numbers never looked up.
    QCOMPARE(TSock::lookupCount(), 1);
}

QTEST_GUILESS_MAIN(TestTSock)
#include "test_tsock.moc"
