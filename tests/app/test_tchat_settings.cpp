// The menu items that settings govern write the file at once, a restart
// shows what was stored, and the lobby's part of the shared file survives.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "catalogue.h"
#include "levels.h"
#include "perfect_table.h"
#include "raw_host.h"
#include "recording_sound.h"
#include "tchat.h"

namespace {
const QByteArray LobbySection = "[Lobby]\r\nServer=play.example\r\n; keep me\r\nLastRoom=7\r\n";

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestTchatSettings : public QObject {
    Q_OBJECT
private slots:
    // The review and the chances bar solve the table on first use: a tiny
    // one here, so that no test waits a minute for it.
    void initTestCase() { levels::setTableCoverage(12); }
    void menuChoicesPersistAcrossRestart();
    void storedSettingsApplyOnOwnSeat();
    void botSpeedIsSentWhenLoggedIn();
    void soundSwitchesAndTurnSound();
    void perfectTableCancelledThenBuilt();
    void chancesFollowTheGame();
};

void TestTchatSettings::menuChoicesPersistAcrossRestart() {
    QTemporaryDir dir;
    const QString file = dir.filePath("korvanlobby.ini");
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(LobbySection);
    }
    {
        Tchat chat({"Tester", "nowhere"});
        chat.settingsFolder = dir.path();
        chat.Fast1->trigger();
        QVERIFY(readAll(file).contains("Botspeed=500"));
        chat.PlaySounds1->trigger();
        QVERIFY(readAll(file).contains("Playsounds=false"));
        chat.PlayChatterSounds1->trigger(); // off until read, so this turns it on
        QVERIFY(readAll(file).contains("ChatterSounds=true"));
        chat.New1->trigger();
        QVERIFY(readAll(file).contains("Turnsound=1"));
        chat.TextSize[2]->trigger();
        QVERIFY(readAll(file).contains("Textsize=12"));
        QVERIFY(readAll(file).startsWith(LobbySection));
    }
    Tchat again({"Tester", "nowhere"});
    again.settingsFolder = dir.path();
    again.loadinifile();
    QVERIFY(again.Fast1->isChecked());
    QCOMPARE(again.botspeed, 500);
    QVERIFY(!again.PlaySounds1->isChecked());
    QVERIFY(!again.sounds().playSounds());
    QVERIFY(again.PlayChatterSounds1->isChecked());
    QVERIFY(again.New1->isChecked());
    QCOMPARE(again.turnsound, 1);
    QVERIFY(again.TextSize[2]->isChecked());
    QVERIFY(readAll(file).startsWith(LobbySection));

    // Slow stores 1000, which reads back as Normal with the pace 1000.
    again.Slow1->trigger();
    Tchat third({"Tester", "nowhere"});
    third.settingsFolder = dir.path();
    third.loadinifile();
    QVERIFY(third.Normal1->isChecked());
    QCOMPARE(third.botspeed, 1000);
}

void TestTchatSettings::storedSettingsApplyOnOwnSeat() {
    QTemporaryDir dir;
    QFile f(dir.filePath("korvanlobby.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[kelvoa]\nTop=40\nLeft=50\nWidth=800\nHeight=600\nTextsize=9\nPhrase3=Hi all\n"
            "Phrase4=\nBotspeed=1500\nPlaysounds=False\n");
    f.close();
    Tchat chat({"Tester", "nowhere"});
    chat.settingsFolder = dir.path();
    chat.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chat));
    chat.loadinifile();
    QTRY_COMPARE(chat.bounds(), (WindowBounds{40, 50, 800, 600}));
    QCOMPARE(chat.savedbounds, (WindowBounds{40, 50, 800, 600}));
    QCOMPARE(chat.textsize, 9);
    for (QAction* a : chat.TextSize)
        QVERIFY(!a->isChecked());
    QCOMPARE(chat.phrases[2], QStringLiteral("Hi all"));
    QCOMPARE(chat.phrases[3], QStringLiteral("Excellent!")); // empty keeps
    QVERIFY(chat.Slow1->isChecked());
    QCOMPARE(chat.botspeed, 1500);
    QVERIFY(chat.PlaySounds1->isChecked()); // only "false" switches them off
    QVERIFY(chat.PlayChatterSounds1->isChecked());
    QVERIFY(chat.settingsRead);
}

void TestTchatSettings::botSpeedIsSentWhenLoggedIn() {
    QTemporaryDir dir;
    RawHost host;
    QVERIFY(host.listen());
    Tchat chat({"Tester", "127.0.0.1", "x"});
    chat.gamePort = QString::number(host.port());
    chat.lobbyPort = "1";
    chat.settingsFolder = dir.path();
    chat.processparams();
    QVERIFY(host.waitForClient());
    host.send(wire::sendlogininfo(1));
    QVERIFY(!host.waitForPrefix("CMD_logininfo").isEmpty());
    host.send(wire::newplayerinfo(1, "Tester"));
    // Seat 1 tells the host its pace as soon as its settings are read.
    QCOMPARE(host.waitForPrefix("CMD_botspeed"), QByteArray("CMD_botspeed+1+1000+"));
    // ... and right after it the level, Klot when nothing was chosen.
    QCOMPARE(host.waitForPrefix("CMD_"), QByteArray("CMD_botskill+1+0+"));
    chat.Fast1->trigger();
    QCOMPARE(host.waitForPrefix("CMD_botspeed"), QByteArray("CMD_botspeed+1+500+"));
    QCOMPARE(host.waitForPrefix("CMD_"), QByteArray("CMD_botskill+1+0+"));
    chat.Strong1->trigger();
    QCOMPARE(host.waitForPrefix("CMD_"), QByteArray("CMD_botskill+1+1+"));
    QVERIFY(chat.Strong1->isChecked() && !chat.Klot1->isChecked());
    QVERIFY(readAll(dir.filePath("korvanlobby.ini")).contains("Botskill=1"));
    // A restart reads the level back and tells the host again.
    Tchat again({"Tester", "nowhere"});
    again.settingsFolder = dir.path();
    again.loadinifile();
    QVERIFY(again.Strong1->isChecked());
    QCOMPARE(again.botskill, 1);
}

void TestTchatSettings::soundSwitchesAndTurnSound() {
    QTemporaryDir dir;
    Tchat chat({"Tester", "nowhere"});
    chat.settingsFolder = dir.path();
    auto sink = std::make_unique<RecordingSound>();
    RecordingSound* rec = sink.get();
    chat.setSoundSink(std::move(sink));
    chat.playsounds("dice");
    chat.PlaySounds1->trigger(); // off
    chat.playsounds("movechip");
    chat.PlaySounds1->trigger(); // on again
    chat.playsounds("turnnew");
    QCOMPARE(rec->played, (QStringList{":/sounds/DICE.wav", ":/sounds/ALERT.wav"}));
}

void TestTchatSettings::perfectTableCancelledThenBuilt() {
    QTemporaryDir dir;
    Tchat chat({"Tester", "nowhere"});
    chat.settingsFolder = dir.path();
    chat.perfecttable->path = dir.filePath("perfect.kvt");
    chat.perfecttable->minHomeSum = solver::DefaultMinHomeSum;
    QVERIFY(!levels::perfectTable());
    // The real table takes a while: the window shows it, Cancel stops it.
    chat.Perfect1->trigger();
    QVERIFY(chat.perfecttable->running());
    QTRY_VERIFY(chat.progresswindow->isVisible());
    QVERIFY(chat.progresswindow->progress_done->value() < 1000);
    chat.progresswindow->button_cancel->click();
    QTRY_VERIFY(!chat.perfecttable->running());
    QVERIFY(!chat.progresswindow->isVisible());
    QVERIFY(!levels::perfectTable());
    QVERIFY(!QFile::exists(dir.filePath("perfect.kvt")));
    QVERIFY(readAll(dir.filePath("korvanlobby.ini")).contains("Botskill=2"));

    // Choosing it again with a small table builds, caches and publishes it.
    chat.perfecttable->minHomeSum = 11;
    chat.Perfect1->trigger();
    QTRY_VERIFY(!chat.perfecttable->running());
    QVERIFY(levels::perfectTable());
    QVERIFY(QFile::exists(dir.filePath("perfect.kvt")));
    QVERIFY(solver::load(dir.filePath("perfect.kvt").toStdString(), nullptr, 11));
    levels::publishPerfectTable(nullptr);
}

void TestTchatSettings::chancesFollowTheGame() {
    QTemporaryDir dir;
    RawHost host;
    QVERIFY(host.listen());
    Tchat chat({"Watcher", "127.0.0.1", "x"});
    chat.gamePort = QString::number(host.port());
    chat.lobbyPort = "1";
    chat.settingsFolder = dir.path();
    chat.show();
    chat.processparams();
    QVERIFY(host.waitForClient());
    // A spy: connection 4 watches two players.
    host.send(wire::sendlogininfo(4));
    QVERIFY(!host.waitForPrefix("CMD_logininfo").isEmpty());
    host.send(wire::existingplayers(1, "Ann"));
    host.send(wire::existingplayers(2, "Bo"));
    host.send(wire::newplayerinfo(4, "Watcher"));
    QTRY_VERIFY(chat.settingsRead);
    QVERIFY(!chat.chancesbar->isVisible()); // off until asked for
    chat.ShowChances1->trigger();
    QVERIFY(chat.chancesbar->isVisible());
    QVERIFY(readAll(dir.filePath("korvanlobby.ini")).contains("Showchances=true"));
    host.send(wire::startgameRelay("Ann"));
    host.send(wire::nextplayer(1));
    QTRY_VERIFY(chat.chancesbar->chance() > 0.3 && chat.chancesbar->chance() < 0.7);
    const double atStart = chat.chancesbar->chance();
    // Seat 1 throws nothing and passes: seat 2 is to throw, seat 1's chance drops.
    host.send(wire::hisroll(1, {0, 0, 0, 0}, 0));
    host.send(wire::unable(1));
    host.send(wire::nextplayer(2));
    QTRY_VERIFY(chat.chancesbar->chance() < atStart - 0.02);
    // Seat 2 throws 1, enters and throws again: further down for seat 1.
    const double beforeEntry = chat.chancesbar->chance();
    host.send(wire::hisroll(2, {1, 0, 0, 0}, 1));
    host.send(wire::moveit(2, 1, 1, true, false, false, false));
    host.send(wire::nextplayer(2));
    QTRY_VERIFY(chat.chancesbar->chance() < beforeEntry);
    // Each seat's share is shown, the two make 100, and the turn log makes room.
    const QString first = chat.chancesbar->seatText(1), second = chat.chancesbar->seatText(2);
    QVERIFY(first.endsWith('%') && second.endsWith('%'));
    QCOMPARE(first.chopped(1).toInt() + second.chopped(1).toInt(), 100);
    const int fullLog = 318;
    QVERIFY(!chat.view->memo_turn->geometry().intersects(chat.chancesbar->geometry()));
    QVERIFY(chat.chancesbar->geometry().right() < chat.view->FlatPanel1->x());
    // Switched off, the bar goes and the setting with it; the log is whole again.
    chat.ShowChances1->trigger();
    QVERIFY(!chat.chancesbar->isVisible());
    QCOMPARE(chat.view->memo_turn->width(), fullLog);
    QVERIFY(readAll(dir.filePath("korvanlobby.ini")).contains("Showchances=false"));
}

QTEST_MAIN(TestTchatSettings)
#include "test_tchat_settings.moc"
