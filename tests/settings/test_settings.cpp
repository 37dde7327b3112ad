// Reading and writing the game's section of the shared settings file.
#include "settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString field(const SettingsValues& v, const QString& name) {
    if (name == "bounds")
        return QStringLiteral("%1,%2 %3x%4")
            .arg(v.bounds.x())
            .arg(v.bounds.y())
            .arg(v.bounds.width())
            .arg(v.bounds.height());
    if (name == "turnSound") return v.turnSound == TurnSound::New ? "New" : "Classic";
    if (name == "textSize") return QString::number(v.textSize);
    if (name == "textColor") return v.textColor;
    if (name == "botSpeed") {
        const char* item[] = {"Slow", "Normal", "Fast"};
        return QStringLiteral("%1 %2").arg(item[int(v.botSpeedItem)]).arg(v.botSpeed);
    }
    if (name == "playSounds") return v.playSounds ? "on" : "off";
    if (name == "chatterSounds") return v.chatterSounds ? "on" : "off";
    if (name == "showHints") return v.showHints ? "on" : "off";
    if (name == "animateChips") return v.animateChips ? "on" : "off";
    if (name == "botSkill") return QString::number(v.botSkill);
    if (name == "showChances") return v.showChances ? "on" : "off";
    if (name == "showDownload") return v.showDownload ? "on" : "off";
    if (name == "phrases") return QStringList(v.phrases.begin(), v.phrases.end()).join('|');
    return "<unknown field>";
}

const QStringList fields{"bounds",     "turnSound",     "textSize", "textColor", "botSpeed",
                         "playSounds", "chatterSounds", "phrases",  "showHints", "animateChips",
                         "botSkill",   "showChances"};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void defaults_data();
    void defaults();
    void reading_data();
    void reading();
    void saveWritesEveryKeyInOrder();
    void saveKeepsEverythingElse();
    void emptyColourIsNotWritten();
    void phraseWriteTouchesOnlyPhrases();
    void roundTrip();
    void menuSpeedsComeBackAsReadingSeesThem_data();
    void menuSpeedsComeBackAsReadingSeesThem();
    void emptyPhraseKeepsCurrent();
    void environmentChoosesFolder();
    void failedWriteIsReported();
    void unwritableProgramFolderFallsBack();

private:
    void writeFile(const QByteArray& bytes);
    QByteArray fileBytes() const;
    QTemporaryDir dir_;
};

void TestSettings::init() {
    QFile::remove(Settings(dir_.path()).filePath());
}

void TestSettings::writeFile(const QByteArray& bytes) {
    QFile f(Settings(dir_.path()).filePath());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray TestSettings::fileBytes() const {
    QFile f(Settings(dir_.path()).filePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestSettings::defaults_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("only the lobby's section")
        << QByteArray("[KorvanLobby]\nTop=100\nTextsize=12\nPlaysounds=false\n");
    QTest::newRow("empty section") << QByteArray("[Kelvoa]\n");
}

void TestSettings::defaults() {
    QFETCH(QByteArray, file);
    if (!file.isEmpty()) writeFile(file);
    const SettingsValues v = Settings(dir_.path()).load();
    QCOMPARE(field(v, "bounds"), "3,3 731x567");
    QCOMPARE(field(v, "turnSound"), "Classic");
    QCOMPARE(field(v, "textSize"), "8");
    QCOMPARE(field(v, "textColor"), "clblack");
    QCOMPARE(field(v, "botSpeed"), "Normal 1000");
    QCOMPARE(field(v, "playSounds"), "on");
    QCOMPARE(field(v, "chatterSounds"), "on");
    QCOMPARE(field(v, "botSkill"), "0"); // Klot
    QCOMPARE(field(v, "showChances"), "off");
    QCOMPARE(field(v, "showDownload"), "on");
    QCOMPARE(field(v, "phrases"), "||||||||"); // nothing replaces the initial phrases
}

void TestSettings::reading_data() {
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    QTest::newRow("bounds") << QByteArray("Top=20\nLeft=10\nWidth=800\nHeight=600") << "bounds"
                            << "10,20 800x600";
    QTest::newRow("bounds not numbers")
        << QByteArray("Top=x\nLeft=\nWidth=1e3\nHeight=600") << "bounds"
        << "3,3 731x600";
    QTest::newRow("negative position") << QByteArray("Top=-5\nLeft=-1200") << "bounds"
                                       << "-1200,-5 731x567";
    // Beyond any screen: the window's sums of position and size would overflow.
    QTest::newRow("bounds beyond any screen")
        << QByteArray("Top=-32768\nLeft=2000000000\nWidth=2000000000\nHeight=32767") << "bounds"
        << "3,3 731x32767";
    QTest::newRow("turn sound new") << QByteArray("Turnsound=1") << "turnSound"
                                    << "New";
    QTest::newRow("turn sound other") << QByteArray("Turnsound=2") << "turnSound"
                                      << "Classic";
    QTest::newRow("turn sound text") << QByteArray("Turnsound=true") << "turnSound"
                                     << "Classic";
    QTest::newRow("text size 9") << QByteArray("Textsize=9") << "textSize"
                                 << "9";
    QTest::newRow("text size 14") << QByteArray("Textsize=14") << "textSize"
                                  << "14";
    QTest::newRow("text size word") << QByteArray("Textsize=big") << "textSize"
                                    << "8";
    QTest::newRow("text size zero") << QByteArray("Textsize=0") << "textSize"
                                    << "8";
    QTest::newRow("text size negative") << QByteArray("Textsize=-4") << "textSize"
                                        << "8";
    QTest::newRow("colour name") << QByteArray("Textcolor=clNavy") << "textColor"
                                 << "clNavy";
    QTest::newRow("colour hex") << QByteArray("Textcolor=$00FF8000") << "textColor"
                                << "$00FF8000";
    QTest::newRow("colour empty") << QByteArray("Textcolor=") << "textColor"
                                  << "";
    QTest::newRow("speed 500") << QByteArray("Botspeed=500") << "botSpeed"
                               << "Fast 500";
    QTest::newRow("speed 1500") << QByteArray("Botspeed=1500") << "botSpeed"
                                << "Slow 1500";
    QTest::newRow("speed 1000") << QByteArray("Botspeed=1000") << "botSpeed"
                                << "Normal 1000";
    QTest::newRow("speed 750") << QByteArray("Botspeed=750") << "botSpeed"
                               << "Normal 1000";
    QTest::newRow("speed word") << QByteArray("Botspeed=fast") << "botSpeed"
                                << "Normal 1000";
    QTest::newRow("sounds false") << QByteArray("Playsounds=false") << "playSounds"
                                  << "off";
    QTest::newRow("sounds False") << QByteArray("Playsounds=False") << "playSounds"
                                  << "on";
    QTest::newRow("sounds 0") << QByteArray("Playsounds=0") << "playSounds"
                              << "on";
    QTest::newRow("sounds empty") << QByteArray("Playsounds=") << "playSounds"
                                  << "on";
    QTest::newRow("chatter false") << QByteArray("ChatterSounds=false") << "chatterSounds"
                                   << "off";
    QTest::newRow("chatter FALSE") << QByteArray("ChatterSounds=FALSE") << "chatterSounds"
                                   << "on";
    QTest::newRow("hints default") << QByteArray("") << "showHints"
                                   << "on";
    QTest::newRow("hints false") << QByteArray("Showhints=false") << "showHints"
                                 << "off";
    QTest::newRow("hints 0") << QByteArray("Showhints=0") << "showHints"
                             << "on";
    QTest::newRow("glide default") << QByteArray("") << "animateChips"
                                   << "on";
    QTest::newRow("glide false") << QByteArray("ANIMATECHIPS=false") << "animateChips"
                                 << "off";
    QTest::newRow("key case") << QByteArray("PLAYSOUNDS=false\nbotSPEED=500") << "botSpeed"
                              << "Fast 500";
    QTest::newRow("skill Strong") << QByteArray("Botskill=1") << "botSkill"
                                  << "1";
    QTest::newRow("skill Perfect") << QByteArray("BOTSKILL=2") << "botSkill"
                                   << "2";
    QTest::newRow("skill beyond") << QByteArray("Botskill=3") << "botSkill"
                                  << "0";
    QTest::newRow("skill negative") << QByteArray("Botskill=-1") << "botSkill"
                                    << "0";
    QTest::newRow("skill word") << QByteArray("Botskill=Perfect") << "botSkill"
                                << "0";
    QTest::newRow("chances true") << QByteArray("Showchances=true") << "showChances"
                                  << "on";
    QTest::newRow("chances True") << QByteArray("Showchances=True") << "showChances"
                                  << "off";
    QTest::newRow("download false") << QByteArray("Showdownload=false") << "showDownload"
                                    << "off";
    QTest::newRow("download False") << QByteArray("Showdownload=False") << "showDownload"
                                    << "on";
    QTest::newRow("phrases") << QByteArray("Phrase1=Hi\nPhrase2=\nphrase9=Bye all") << "phrases"
                             << "Hi||||||||Bye all";
}

void TestSettings::reading() {
    QFETCH(QByteArray, lines);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    writeFile("[Lobby]\nPlaysounds=false\n[Kelvoa]\n" + lines + "\n");
    QCOMPARE(::field(Settings(dir_.path()).load(), field), expected);
}

void TestSettings::saveWritesEveryKeyInOrder() {
    SettingsValues v;
    v.bounds = QRect(10, 20, 800, 600);
    v.turnSound = TurnSound::New;
    v.textSize = 12;
    v.textColor = "clRed";
    v.botSpeed = BotSpeedFast;
    v.playSounds = false;
    v.chatterSounds = true;
    v.animateChips = false;
    v.phrases[0] = "never written";
    QVERIFY(Settings(dir_.path()).save(v));
    QCOMPARE(fileBytes(), QByteArray("[Kelvoa]\nTextsize=12\nTextcolor=clRed\nBotspeed=500\n"
                                     "Top=20\nLeft=10\nWidth=800\nHeight=600\nTurnsound=1\n"
                                     "Playsounds=false\nChatterSounds=true\nShowhints=true\n"
                                     "Animatechips=false\nBotskill=0\nShowchances=false\n"));
}

void TestSettings::saveKeepsEverythingElse() {
    const QByteArray lobby = "; written by the lobby\r\n[KorvanLobby]\r\nTop=100\r\n"
                             "Server = lobby.example \r\n\r\n";
    const QByteArray tail = "\r\n[Other]\r\nx=1\r\n";
    writeFile(lobby + "[kelvoa]\r\nTOP=50\r\nPhrase3=Mine\r\n" + tail);
    QVERIFY(Settings(dir_.path()).save(SettingsValues{}));
    const QByteArray after = fileBytes();
    QVERIFY(after.startsWith(lobby));
    QVERIFY(after.endsWith(tail));
    QVERIFY(after.contains("[kelvoa]\r\nTOP=3\r\nPhrase3=Mine\r\nTextsize=8\r\n"));
    QCOMPARE(Settings(dir_.path()).load().phrases[2], "Mine");
}

void TestSettings::emptyColourIsNotWritten() {
    writeFile("[Kelvoa]\nTextcolor=clGreen\n");
    SettingsValues v;
    v.textColor.clear();
    QVERIFY(Settings(dir_.path()).save(v));
    QCOMPARE(Settings(dir_.path()).load().textColor, "clGreen");
    QCOMPARE(Settings(dir_.path()).load().textSize, 8); // the other keys were written
    QVERIFY(fileBytes().contains("Textsize=8"));
}

void TestSettings::phraseWriteTouchesOnlyPhrases() {
    SettingsValues v;
    v.textSize = 14;
    QVERIFY(Settings(dir_.path()).save(v));
    const QByteArray before = fileBytes();
    Phrases p;
    p[0] = "Hello";
    p[8] = "Bye";
    QVERIFY(Settings(dir_.path()).savePhrases(p));
    const QByteArray after = fileBytes();
    QVERIFY(after.startsWith(before));
    QCOMPARE(after.mid(before.size()),
             "Phrase1=Hello\nPhrase2=\nPhrase3=\nPhrase4=\nPhrase5=\nPhrase6=\nPhrase7=\n"
             "Phrase8=\nPhrase9=Bye\n");
    // And the other way round: saving the settings keeps the phrases.
    QVERIFY(Settings(dir_.path()).save(v));
    QCOMPARE(fileBytes(), after);
}

void TestSettings::roundTrip() {
    SettingsValues v;
    v.bounds = QRect(-20, 40, 900, 700);
    v.turnSound = TurnSound::New;
    v.textSize = 10;
    v.textColor = "$00112233";
    v.botSpeed = 1500;
    v.botSpeedItem = BotSpeedItem::Slow;
    v.playSounds = false;
    v.chatterSounds = false;
    v.showHints = false;
    v.animateChips = false;
    QVERIFY(Settings(dir_.path()).save(v));
    const SettingsValues back = Settings(dir_.path()).load();
    for (const QString& f : fields)
        if (f != "phrases") QCOMPARE(field(back, f), field(v, f));
}

void TestSettings::menuSpeedsComeBackAsReadingSeesThem_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("afterRestart");
    QTest::newRow("Slow") << int(BotSpeedItem::Slow) << 1000 << "Normal 1000";
    QTest::newRow("Normal") << int(BotSpeedItem::Normal) << 750 << "Normal 1000";
    QTest::newRow("Fast") << int(BotSpeedItem::Fast) << 500 << "Fast 500";
}

void TestSettings::menuSpeedsComeBackAsReadingSeesThem() {
    QFETCH(int, item);
    QFETCH(int, stored);
    QFETCH(QString, afterRestart);
    SettingsValues v;
    v.botSpeed = botSpeedMenuValue(BotSpeedItem(item));
    QCOMPARE(v.botSpeed, stored);
    QVERIFY(Settings(dir_.path()).save(v));
    QCOMPARE(field(Settings(dir_.path()).load(), "botSpeed"), afterRestart);
}

void TestSettings::emptyPhraseKeepsCurrent() {
    Phrases current{"a", "b", "c", "d", "e", "f", "g", "h", "i"};
    Phrases read;
    read[1] = "B";
    read[8] = "I";
    applyPhrases(read, current);
    QCOMPARE(QStringList(current.begin(), current.end()).join(""), "aBcdefghI");
}

void TestSettings::environmentChoosesFolder() {
    QTemporaryDir other;
    const QString folder = other.filePath("made/for/us");
    qputenv(Settings::ConfigDirVariable, folder.toUtf8());
    const Settings s;
    qunsetenv(Settings::ConfigDirVariable);
    QCOMPARE(s.folder(), folder);
    QVERIFY(QFileInfo(folder).isDir());
    QVERIFY(s.save(SettingsValues{}));
    QVERIFY(QFile::exists(folder + "/korvanlobby.ini"));
}

void TestSettings::failedWriteIsReported() {
    QTemporaryDir other;
    const Settings s(other.filePath("missing-folder"));
    QVERIFY(!s.save(SettingsValues{}));
    QVERIFY(!s.savePhrases(Phrases{}));
}

void TestSettings::unwritableProgramFolderFallsBack() {
    QTemporaryDir other;
    const QString perUser = other.filePath("config/Kelvoa");
    QCOMPARE(Settings::beside(other.path(), perUser).folder(), other.path());

    const Settings s = Settings::beside(other.filePath("not-a-folder"), perUser);
    QCOMPARE(s.folder(), perUser);
    QVERIFY(QFileInfo(perUser).isDir());
    QVERIFY(s.save(SettingsValues{}));
    QVERIFY(QFile::exists(perUser + "/korvanlobby.ini"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
