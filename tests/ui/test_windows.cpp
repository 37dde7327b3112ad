// The auxiliary windows: spy list kick, help topics, the about link and the
// lobby download against a stand-in web server on loopback.
#include <QDir>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include "windows.h"

namespace {
// Answers every request with one fixed HTTP reply.
struct TinyWebServer {
    QTcpServer server;
    QByteArray reply;
    bool listen() {
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    if (!s->readAll().contains("\r\n\r\n")) return;
                    s->write(reply);
                    s->disconnectFromHost();
                });
            }
        });
        return server.listen(QHostAddress::LocalHost);
    }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path);
    }
};
} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void spyListKick();
    void helpTopics();
    void aboutLinkAndVersion();
    void downloadAndInstall();
    void downloadServerError_data();
    void downloadServerError();
    void lobbyNotInstalled();
    void lobbyNotInstalledOpensJoin();
};

void TestWindows::spyListKick() {
    Tspylist w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Kelvoa - Spys"));
    QList<int> kicked;
    w.kicking = [&](int seat) { kicked << seat; };
    w.listbox_spys->addItems({"3: Dee", "4: Dee", "x: odd"});
    w.listbox_spysMouseMove(QPoint(-5, 9999)); // empty part of the list
    QCOMPARE(w.tag(), -1);
    w.popup_kickhimClick();
    QVERIFY(kicked.isEmpty());
    w.resize(175, 183);
    const QRect second = w.listbox_spys->visualItemRect(w.listbox_spys->item(1));
    w.listbox_spysMouseMove(second.center());
    QCOMPARE(w.tag(), 1);
    w.popup_kickhimClick();
    QCOMPARE(kicked, QList<int>{4});      // the same name twice: each removable on its own
    QCOMPARE(w.listbox_spys->count(), 3); // the entry goes with the host's announcement
    w.listbox_spysMouseMove(w.listbox_spys->visualItemRect(w.listbox_spys->item(2)).center());
    w.popup_kickhimClick();
    QCOMPARE(kicked, QList<int>{4});
}

void TestWindows::helpTopics() {
    Thelp h;
    QCOMPARE(h.windowTitle(), QStringLiteral("Kelvoa - Help File"));
    QCOMPARE(h.shownTopic(), 1);
    QCOMPARE(h.label_caption->text(), QStringLiteral("Overview"));
    QTest::mouseClick(h.SelButton[3], Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(h.shownTopic(), 3);
    QCOMPARE(h.label_caption->text(), QStringLiteral("Game Play"));
    QVERIFY(h.memo[3]->toPlainText().startsWith("Game Play"));
    for (int tag : {1, 2, 4, 5, 11})
        QVERIFY(!h.memo[tag]->toPlainText().isEmpty());
    // Opening help again keeps the topic last chosen.
    h.show();
    h.hide();
    h.show();
    QCOMPARE(h.shownTopic(), 3);
    int abouts = 0;
    h.showAbout = [&] { ++abouts; };
    QTest::mouseClick(h.button_about, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(abouts, 1);
    QTest::mouseClick(h.button_done, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(h.isHidden());
}

void TestWindows::aboutLinkAndVersion() {
    QStringList opened;
    TURL::opener() = [&](const QString& a) {
        opened << a;
        return false; // a desktop that cannot open it: nothing shown
    };
    Tabout a;
    QCOMPARE(a.version->text(), QStringLiteral("1.0.3"));
    a.Label7Click();
    QCOMPARE(opened, QStringList{"http://www.korvan.example"});
    TURL empty;
    QVERIFY(!empty.open());
    TURL mail;
    mail.URL = "someone@korvan.example";
    mail.URLType = TURLType::utMailto;
    QCOMPARE(mail.address(), QStringLiteral("mailto:someone@korvan.example"));
}

void TestWindows::downloadAndInstall() {
    TinyWebServer web;
    web.reply = "HTTP/1.0 200 OK\r\nContent-Length: 5\r\nContent-Type: "
                "application/octet-stream\r\n\r\nhello";
    QVERIFY(web.listen());
    QTemporaryDir dir;
    Tdownload d;
    d.address = web.url("/lobby/Setup.exe");
    d.folder = dir.path();
    QStringList started;
    int exits = 0;
    d.shellOpen = [&](const QString& program, const QStringList& args) {
        started << program << args;
        return true;
    };
    d.exitGame = [&] { ++exits; };
    QSignalSpy ended(&d, &Tdownload::downloadEnded);
    d.getbuttonClick();
    QVERIFY(!d.getbutton->isEnabled());
    QVERIFY(d.abortbutton->isEnabled());
    QVERIFY(ended.wait(5000));
    QCOMPARE(d.infolabel->text(), QStringLiteral("Received 5 bytes"));
    QCOMPARE(d.infolabel3->text(), QStringLiteral("Installing"));
    QCOMPARE(started,
             (QStringList{QDir(dir.path()).filePath("Setup.exe"), "/SP-", "/silent", "/noicons"}));
    QCOMPARE(exits, 1);
    QVERIFY(d.getbutton->isEnabled());
    QVERIFY(!d.abortbutton->isEnabled());
}

void TestWindows::downloadServerError_data() {
    QTest::addColumn<QByteArray>("reply"); // empty: nothing listens on the port
    QTest::addColumn<QString>("why");
    QTest::newRow("not found")
        << QByteArray("HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\nNot found")
        << "its web server does not have it.";
    QTest::newRow("forbidden") << QByteArray("HTTP/1.0 403 Forbidden\r\nContent-Length: 0\r\n\r\n")
                               << "its web server refused to give it.";
    QTest::newRow("closed port") << QByteArray() << "its web server refused the connection.";
}

void TestWindows::downloadServerError() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, why);
    TinyWebServer web;
    web.reply = reply;
    QVERIFY(web.listen());
    QTemporaryDir dir;
    Tdownload d;
    d.address = web.url("/lobby/Setup.exe");
    if (reply.isEmpty()) web.server.close();
    d.folder = dir.path();
    int starts = 0;
    d.shellOpen = [&](const QString&, const QStringList&) { return ++starts, true; };
    d.show();
    QSignalSpy ended(&d, &Tdownload::downloadEnded);
    d.getbuttonClick();
    QVERIFY(ended.wait(5000));
    QCOMPARE(d.infolabel->text(), QStringLiteral("Download Aborted"));
    QCOMPARE(d.state(), 2);
    QCOMPARE(starts, 0);
    QCOMPARE(d.infolabel3->text(), QString()); // an error page is not the installer arriving
    // Said in plain words, with the way to play with others without the lobby.
    QVERIFY(d.infolabel4->isVisible());
    QVERIFY2(d.infolabel4->text().contains(why), qPrintable(d.infolabel4->text()));
    QVERIFY(d.infolabel4->text().contains(QStringLiteral("\"Host a Game…\"")));
    QVERIFY(d.infolabel4->text().contains(QStringLiteral("\"Join a Game…\"")));
    // Ready to try again; a new try starts without the old explanation.
    QVERIFY(d.getbutton->isEnabled());
    d.getbuttonClick();
    QVERIFY(!d.infolabel4->isVisible());
    QVERIFY(ended.wait(5000));
}

void TestWindows::lobbyNotInstalled() {
    Tdownload d;
    d.lobbyPath = "/nonexistent/KorvanLobby.exe";
    QStringList shown;
    int exits = 0;
    d.messagebox = [&](const QString& t) { shown << t; };
    d.exitGame = [&] { ++exits; };
    d.Button2Click();
    QCOMPARE(shown, QStringList{"Please close the game and open the Korvan Lobby using the icon on "
                                "your desktop or using the your Window's start-up menu."});
    QCOMPARE(exits, 0);
}

void TestWindows::lobbyNotInstalledOpensJoin() {
    Tdownload d;
    d.lobbyPath = "/nonexistent/KorvanLobby.exe";
    QStringList shown;
    int joins = 0, exits = 0;
    d.messagebox = [&](const QString& t) { shown << t; };
    d.exitGame = [&] { ++exits; };
    d.joinGame = [&] { ++joins; };
    d.show();
    QTest::mouseClick(d.Button2, Qt::LeftButton);
    QCOMPARE(joins, 1);
    QCOMPARE(shown, QStringList());
    QCOMPARE(exits, 0);
    // It stays above other windows, so it makes way for the dialog.
    QVERIFY(!d.isVisible());

    // Where the lobby is installed, it is started as before.
    QTemporaryDir dir;
    const QString lobby = QDir(dir.path()).filePath("KorvanLobby.exe");
    QFile f(lobby);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    d.lobbyPath = lobby;
    QStringList started;
    d.shellOpen = [&](const QString& program, const QStringList&) {
        return started << program, true;
    };
    d.Button2Click();
    QCOMPARE(started, QStringList{lobby});
    QCOMPARE(exits, 1);
    QCOMPARE(joins, 1);
}

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
