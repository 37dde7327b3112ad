// The menu items that settings govern write the file at once, a restart
// shows what was stored, and the lobby's part of the shared file survives.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "catalogue.h"
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
    void menuChoicesPersistAcrossRestart();
    void storedSettingsApplyOnOwnSeat();
    void botSpeedIsSentWhenLoggedIn();
    void soundSwitchesAndTurnSound();
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
    chat.Fast1->trigger();
    QCOMPARE(host.waitForPrefix("CMD_botspeed"), QByteArray("CMD_botspeed+1+500+"));
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

QTEST_MAIN(TestTchatSettings)
#include "test_tchat_settings.moc"
