// The profile file shared with the lobby program: lookups without regard to
// case, and writes that keep every other byte of the file.
#include "profile_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Writes = QList<QStringList>; // {section, key, value}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestProfileFile : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void writing_data();
    void writing();
    void missingFileIsCreated();
    void commitLeavesOnlyTheFile();
    void failedCommitKeepsOldFile();
    void loadFromSeedsAnotherPath();
    void unchangedValueIsNoChange();

private:
    QTemporaryDir dir_;
};

void TestProfileFile::reading_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray shared = "; shared with the lobby\n[Lobby]\nTop=99\n\n[Kelvoa]\nTop=7\n";
    QTest::newRow("own section only") << shared << "Kelvoa"
                                      << "Top"
                                      << "7";
    QTest::newRow("other section") << shared << "Lobby"
                                   << "Top"
                                   << "99";
    QTest::newRow("case of names") << shared << "KELVOA"
                                   << "tOP"
                                   << "7";
    QTest::newRow("missing key") << shared << "Kelvoa"
                                 << "Left"
                                 << "<default>";
    QTest::newRow("missing section") << shared << "Other"
                                     << "Top"
                                     << "<default>";
    QTest::newRow("blanks around") << QByteArray("  [ Kelvoa ]  \n  Top  =  12  \n") << "Kelvoa"
                                   << "Top"
                                   << "12";
    QTest::newRow("quoted") << QByteArray("[Kelvoa]\nPhrase1=\" Hi there \"\n") << "Kelvoa"
                            << "Phrase1"
                            << " Hi there ";
    QTest::newRow("empty value") << QByteArray("[Kelvoa]\nPhrase1=\n") << "Kelvoa"
                                 << "Phrase1"
                                 << "";
    QTest::newRow("value with =") << QByteArray("[Kelvoa]\nPhrase1=a=b\n") << "Kelvoa"
                                  << "Phrase1"
                                  << "a=b";
    QTest::newRow("crlf") << QByteArray("[Kelvoa]\r\nTop=5\r\nLeft=6\r\n") << "Kelvoa"
                          << "Top"
                          << "5";
    QTest::newRow("no final break") << QByteArray("[Kelvoa]\nTop=5") << "Kelvoa"
                                    << "Top"
                                    << "5";
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[Kelvoa]\nTop=5\n") << "Kelvoa"
                                     << "Top"
                                     << "5";
    QTest::newRow("first of twin sections")
        << QByteArray("[Kelvoa]\nTop=1\n[Kelvoa]\nTop=2\nLeft=4\n") << "Kelvoa"
        << "Top"
        << "1";
    QTest::newRow("twin section not merged")
        << QByteArray("[Kelvoa]\nTop=1\n[Kelvoa]\nLeft=4\n") << "Kelvoa"
        << "Left"
        << "<default>";
    QTest::newRow("first of twin keys") << QByteArray("[Kelvoa]\nTop=1\nTOP=2\n") << "Kelvoa"
                                        << "Top"
                                        << "1";
    QTest::newRow("key before any section") << QByteArray("Top=1\n[Kelvoa]\n") << "Kelvoa"
                                            << "Top"
                                            << "<default>";
    QTest::newRow("comment line") << QByteArray("[Kelvoa]\n;Top=1\n") << "Kelvoa"
                                  << ";Top"
                                  << "<default>";
    QTest::newRow("8-bit text") << QByteArray("[Kelvoa]\nPhrase1=Caf\xE9 \x80\n") << "Kelvoa"
                                << "Phrase1" << QString::fromUtf8("Café €");
}

void TestProfileFile::reading() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const QString path = dir_.filePath("read.ini");
    writeAll(path, file);
    ProfileFile ini(path);
    QVERIFY(ini.load());
    QCOMPARE(ini.value(section, key, "<default>"), expected);
    QCOMPARE(ini.contains(section, key), expected != "<default>");
}

void TestProfileFile::writing_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Writes>("writes");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("replace in place, all else kept")
        << QByteArray("; lobby\r\n[Lobby]\r\nName = Zed \r\n\r\n[Kelvoa]\r\n  Top = 1\r\n"
                      "Left=2\r\n\r\n[Tail]\r\nx=y")
        << Writes{{"kelvoa", "TOP", "30"}}
        << QByteArray("; lobby\r\n[Lobby]\r\nName = Zed \r\n\r\n[Kelvoa]\r\nTop=30\r\n"
                      "Left=2\r\n\r\n[Tail]\r\nx=y");
    QTest::newRow("new key after the section's last key")
        << QByteArray("[Kelvoa]\nTop=1\n; note\n\n[Lobby]\nA=1\n")
        << Writes{{"Kelvoa", "Left", "3"}}
        << QByteArray("[Kelvoa]\nTop=1\nLeft=3\n; note\n\n[Lobby]\nA=1\n");
    QTest::newRow("new key in empty section")
        << QByteArray("[Kelvoa]\n[Lobby]\nA=1\n") << Writes{{"Kelvoa", "Top", "3"}}
        << QByteArray("[Kelvoa]\nTop=3\n[Lobby]\nA=1\n");
    QTest::newRow("new section at end, keys in order")
        << QByteArray("[Lobby]\nA=1\n")
        << Writes{{"Kelvoa", "Top", "3"}, {"Kelvoa", "Left", "4"}, {"Kelvoa", "Top", "5"}}
        << QByteArray("[Lobby]\nA=1\n[Kelvoa]\nTop=5\nLeft=4\n");
    QTest::newRow("last line without break")
        << QByteArray("[Lobby]\nA=1") << Writes{{"Lobby", "B", "2"}}
        << QByteArray("[Lobby]\nA=1\nB=2\n");
    QTest::newRow("crlf file gets crlf lines")
        << QByteArray("[Lobby]\r\nA=1\r\n") << Writes{{"Kelvoa", "Top", "3"}}
        << QByteArray("[Lobby]\r\nA=1\r\n[Kelvoa]\r\nTop=3\r\n");
    QTest::newRow("line break in value flattened")
        << QByteArray("[Kelvoa]\n") << Writes{{"Kelvoa", "Phrase1", "one\r\ntwo"}}
        << QByteArray("[Kelvoa]\nPhrase1=one  two\n");
    QTest::newRow("8-bit text") << QByteArray("") << Writes{{"Kelvoa", "Phrase1", "Café"}}
                                << QByteArray("[Kelvoa]\nPhrase1=Caf\xE9\n");
}

void TestProfileFile::writing() {
    QFETCH(QByteArray, before);
    QFETCH(Writes, writes);
    QFETCH(QByteArray, after);
    const QString path = dir_.filePath("write.ini");
    writeAll(path, before);
    ProfileFile ini(path);
    QVERIFY(ini.load());
    for (const auto& w : writes)
        ini.setValue(w[0], w[1], w[2]);
    QVERIFY(ini.commit());
    QCOMPARE(readAll(path), after);
    ProfileFile again(path);
    QVERIFY(again.load());
    for (const auto& w : writes)
        if (!w[2].contains('\n')) QCOMPARE(again.value(w[0], w[1]), ini.value(w[0], w[1]));
}

void TestProfileFile::missingFileIsCreated() {
    const QString path = dir_.filePath("new.ini");
    ProfileFile ini(path);
    QVERIFY(ini.load());
    QCOMPARE(ini.value("Kelvoa", "Top", "3"), "3");
    ini.setValue("Kelvoa", "Top", "3");
    QVERIFY(ini.commit());
    QCOMPARE(readAll(path), QByteArray("[Kelvoa]\nTop=3\n"));
}

void TestProfileFile::commitLeavesOnlyTheFile() {
    QTemporaryDir own;
    const QString path = own.filePath("korvanlobby.ini");
    writeAll(path, "[Lobby]\nA=1\n");
    ProfileFile ini(path);
    QVERIFY(ini.load());
    ini.setValue("Kelvoa", "Top", "3");
    QVERIFY(ini.commit());
    QCOMPARE(QDir(own.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"korvanlobby.ini"});
}

void TestProfileFile::failedCommitKeepsOldFile() {
    // A directory standing where the file should be: the write fails and says so.
    const QString path = dir_.filePath("blocked.ini");
    QVERIFY(QDir(dir_.path()).mkpath("blocked.ini"));
    ProfileFile ini(path);
    ini.setValue("Kelvoa", "Top", "3");
    QVERIFY(!ini.commit());
    QVERIFY(!ini.errorString().isEmpty());
    QVERIFY(QFileInfo(path).isDir());

    ProfileFile nowhere(dir_.filePath("no/such/folder/x.ini"));
    nowhere.setValue("Kelvoa", "Top", "3");
    QVERIFY(!nowhere.commit());
}

void TestProfileFile::loadFromSeedsAnotherPath() {
    const QString seed = dir_.filePath("seed.ini");
    const QString target = dir_.filePath("target.ini");
    writeAll(seed, "[Lobby]\nA=1\n[Kelvoa]\nTop=9\n");
    ProfileFile ini(target);
    QVERIFY(ini.loadFrom(seed));
    QCOMPARE(ini.value("Kelvoa", "Top"), "9");
    QVERIFY(ini.commit()); // a copy is a change even without a new value
    QCOMPARE(readAll(target), readAll(seed));
}

void TestProfileFile::unchangedValueIsNoChange() {
    const QString path = dir_.filePath("same.ini");
    writeAll(path, "[Kelvoa]\nTop=3\n");
    ProfileFile ini(path);
    QVERIFY(ini.load());
    ini.setValue("Kelvoa", "Top", "3");
    QVERIFY(!ini.isModified());
    ini.setValue("Kelvoa", "Top", "4");
    QVERIFY(ini.isModified());
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "test_profile_file.moc"
