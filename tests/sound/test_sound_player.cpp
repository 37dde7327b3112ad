// Which recording each cue plays, the two switches, one sound at a time, and
// the recordings compiled into the program.
#include "recording_sound.h"
#include "sound_player.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>

namespace {

struct Rig {
    Rig() {
        auto sink = std::make_unique<RecordingSound>();
        sound = sink.get();
        player = std::make_unique<SoundPlayer>(std::move(sink));
    }
    RecordingSound* sound;
    std::unique_ptr<SoundPlayer> player;
};

quint32 le32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 le16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

class TestSoundPlayer : public QObject {
    Q_OBJECT

private slots:
    void cueResource_data();
    void cueResource();
    void turnCueFollowsChoice();
    void switches_data();
    void switches();
    void newestStopsPrevious();
    void resourcesAreWaves_data();
    void resourcesAreWaves();
    void speakersWithoutDeviceStayQuiet();
};

void TestSoundPlayer::cueResource_data() {
    QTest::addColumn<QString>("cue");
    QTest::addColumn<QString>("path");
    QTest::newRow("dice") << "dice"
                          << ":/sounds/DICE.wav";
    QTest::newRow("entered") << "entered"
                             << ":/sounds/ENTERED.wav";
    QTest::newRow("mixed case") << "MoveChip"
                                << ":/sounds/MOVECHIP.wav";
    QTest::newRow("winner") << "winner"
                            << ":/sounds/WINNER.wav";
    QTest::newRow("turn") << "turn"
                          << ":/sounds/TURN.wav";
    QTest::newRow("turnnew") << "turnnew"
                             << ":/sounds/ALERT.wav";
    QTest::newRow("gameover") << "gameover"
                              << ":/sounds/ALERT.wav";
    QTest::newRow("unknown") << "nosuchsound"
                             << ":/sounds/ALERT.wav";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSoundPlayer::cueResource() {
    QFETCH(QString, cue);
    QFETCH(QString, path);
    Rig rig;
    rig.player->playsounds(cue);
    QCOMPARE(rig.sound->played, path.isEmpty() ? QStringList() : QStringList{path});
}

void TestSoundPlayer::turnCueFollowsChoice() {
    Rig rig;
    rig.player->playsounds(SoundPlayer::turnCue(false));
    rig.player->playsounds(SoundPlayer::turnCue(true));
    QCOMPARE(rig.sound->played, (QStringList{":/sounds/TURN.wav", ":/sounds/ALERT.wav"}));
}

void TestSoundPlayer::switches_data() {
    QTest::addColumn<bool>("sounds");
    QTest::addColumn<bool>("chatter");
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("both on") << true << true
                             << QStringList{":/sounds/DICE.wav", ":/sounds/WAVE13.wav"};
    QTest::newRow("sounds off") << false << true << QStringList{":/sounds/WAVE13.wav"};
    QTest::newRow("chatter off") << true << false << QStringList{":/sounds/DICE.wav"};
    QTest::newRow("both off") << false << false << QStringList{};
}

void TestSoundPlayer::switches() {
    QFETCH(bool, sounds);
    QFETCH(bool, chatter);
    QFETCH(QStringList, heard);
    Rig rig;
    rig.player->setPlaySounds(sounds);
    rig.player->setChatterSounds(chatter);
    rig.player->playsounds("dice");
    // The caller announces a chatter sound in the transcript when it is not played.
    QCOMPARE(rig.player->playChatter("wave13"), chatter);
    QCOMPARE(rig.sound->played, heard);
}

void TestSoundPlayer::newestStopsPrevious() {
    Rig rig;
    QVERIFY(rig.player->playSounds());
    QVERIFY(!rig.player->chatterSounds()); // until the settings are read
    rig.player->setChatterSounds(true);
    rig.player->playsounds("dice");
    rig.player->playsounds("movechip");
    QCOMPARE(rig.sound->playing, ":/sounds/MOVECHIP.wav");
    rig.player->playChatter("WAVE1");
    QCOMPARE(rig.sound->playing, ":/sounds/WAVE1.wav");
    QCOMPARE(rig.sound->stops, 3);
}

void TestSoundPlayer::resourcesAreWaves_data() {
    QTest::addColumn<QString>("name");
    const QStringList all =
        SoundPlayer::gameCues() + SoundPlayer::chatterNames() + QStringList{SoundPlayer::AlertName};
    QCOMPARE(all.size(), 30);
    for (const QString& n : all)
        QTest::newRow(qPrintable(n)) << n;
}

void TestSoundPlayer::resourcesAreWaves() {
    QFETCH(QString, name);
    QFile f(SoundPlayer::resourcePath(name));
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
    const QByteArray b = f.readAll();
    QVERIFY(b.size() > 44);
    QCOMPARE(b.left(4), "RIFF");
    QCOMPARE(b.mid(8, 8), "WAVEfmt ");
    QCOMPARE(le16(b, 20), 1);      // PCM
    QCOMPARE(le16(b, 22), 1);      // mono
    QCOMPARE(le32(b, 24), 22050u); // sample rate
    QCOMPARE(le16(b, 34), 16);     // bits
    // The sample data runs to the end of the file and lasts a sensible time.
    const int data = b.indexOf("data", 36);
    QVERIFY(data > 0);
    const quint32 bytes = le32(b, data + 4);
    QCOMPARE(qsizetype(data + 8 + bytes), b.size());
    const double seconds = bytes / 2.0 / 22050;
    QVERIFY2(seconds > 0.05 && seconds < 2.5, qPrintable(QString::number(seconds)));
}

void TestSoundPlayer::speakersWithoutDeviceStayQuiet() {
    // The test machine may or may not have an audio output; either way the
    // real player must neither fail nor complain. Qt's own audio layer says
    // once that it found no sound server; nothing else may be said.
    QTest::failOnWarning(QRegularExpression("^(?!PulseAudioService: pa_context_connect)"));
    SoundPlayer player;
    for (int i = 0; i < 5; ++i) {
        player.playsounds("dice");
        player.playsounds("turnnew");
    }
    player.sink().stop();
    // The speakers' module lies beside this test as beside the program.
    QVERIFY(static_cast<EffectSoundSink&>(player.sink()).loaded());
    QTest::qWait(50);
}

QTEST_GUILESS_MAIN(TestSoundPlayer)
#include "test_sound_player.moc"
