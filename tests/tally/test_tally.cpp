// The tally's counting rules, its text layout and its file.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "lzrw1.h"
#include "tally_file.h"
#include "tally_grid.h"

class TestTally : public QObject {
    Q_OBJECT
private slots:
    void countingWithoutOpponents();
    void countingAgainstTallied_data();
    void countingAgainstTallied();
    void tallyingIsCaseInsensitiveAndOnce();
    void deletingTheMiddleOpponentKeepsRowsAttached();
    void resetLeavesOnlyTheSummary();
    void textLayoutWorkedExample();
    void damagedCountsAreZero();
    void fileRoundTripStartsANewSession();
    void missingFileIsAnEmptyTally();
    void damagedFileReportsAndStartsEmpty();
    void saveReplacesTheFileWhole();
};

void TestTally::countingWithoutOpponents() {
    Tally t;
    t.addgame("addtomine", {"Ann"});
    t.addgame("Ann", {"Ann"});
    QCOMPARE(t.grid.cell(1, 0), QStringLiteral("2"));
    QCOMPARE(t.grid.cell(2, 0), QStringLiteral("1"));
    QCOMPARE(t.grid.rowCount(), 1);
}

void TestTally::countingAgainstTallied_data() {
    QTest::addColumn<QString>("winner");
    QTest::addColumn<QStringList>("row"); // columns 1..8 of Ann's row
    QTest::newRow("own win") << "addtomine" << QStringList{"1", "0", "1", "0", "1", "0", "1", "0"};
    QTest::newRow("he won") << "Ann" << QStringList{"1", "1", "0", "0", "1", "1", "0", "0"};
    // The winner's name is compared exactly, case included.
    QTest::newRow("neither") << "ann" << QStringList{"1", "0", "0", "1", "1", "0", "0", "1"};
}

void TestTally::countingAgainstTallied() {
    QFETCH(QString, winner);
    QFETCH(QStringList, row);
    Tally t;
    QVERIFY(t.startTallying("Ann"));
    t.addgame(winner, {"ANN"}); // the list lookup ignores case
    QStringList got;
    for (int c = 1; c <= 8; ++c)
        got << t.grid.cell(c, 1);
    QCOMPARE(got, row);
    QCOMPARE(t.grid.cell(1, 0), QStringLiteral("1"));
}

void TestTally::tallyingIsCaseInsensitiveAndOnce() {
    Tally t;
    QVERIFY(t.startTallying("Ann"));
    QVERIFY(!t.startTallying("aNN"));
    QCOMPARE(t.tallied(), QStringList{"Ann"});
    QCOMPARE(t.indexOf("ANN"), 0);
    QCOMPARE(t.indexOf("An"), -1);
}

void TestTally::deletingTheMiddleOpponentKeepsRowsAttached() {
    Tally t;
    for (const char* n : {"Ann", "Bob", "Cy"})
        t.startTallying(n);
    t.addgame("Bob", {"Bob"});
    t.addgame("Cy", {"Cy"});
    t.addgame("Cy", {"Cy"});
    t.stopTallying(1);
    QCOMPARE(t.tallied(), (QStringList{"Ann", "Cy"}));
    QCOMPARE(t.grid.cell(2, 2), QStringLiteral("2")); // Cy's wins moved up with him
    QCOMPARE(t.grid.cell(1, 1), QStringLiteral("0"));
}

void TestTally::resetLeavesOnlyTheSummary() {
    Tally t;
    t.startTallying("Ann");
    t.addgame("addtomine", {"Ann"});
    t.grid.reset();
    QCOMPARE(t.grid.rowCount(), 1);
    for (int c = 0; c < TallyGrid::Columns; ++c)
        QCOMPARE(t.grid.cell(c, 0), QStringLiteral("0"));
    QVERIFY(t.tallied().isEmpty());
}

void TestTally::textLayoutWorkedExample() {
    // Ann: 5 games in all, 3 own wins; 3 against Ann, she won 1, we won 2.
    Tally t;
    t.startTallying("Ann");
    t.grid.setCell(1, 0, "5");
    t.grid.setCell(2, 0, "3");
    t.grid.setCell(1, 1, "3");
    t.grid.setCell(2, 1, "1");
    t.grid.setCell(3, 1, "2");
    const QByteArray expected = "9\r\n2\r\n0\r\nAnn\r\n5\r\n3\r\n3\r\n1\r\n0\r\n2\r\n0\r\n0\r\n"
                                "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    QCOMPARE(t.grid.toText(), expected);
    QString error;
    QCOMPARE(TallyGrid::fromText(expected, &error).toText(), expected);
    QVERIFY(error.isEmpty());
    // Damaged text reads as far as it goes and says why it stopped.
    const TallyGrid badCount = TallyGrid::fromText("9\r\nx\r\n", &error);
    QCOMPARE(error, QStringLiteral("'x' is not a valid integer value"));
    QCOMPARE(badCount.rowCount(), 1);
    QCOMPARE(badCount.cell(1, 0), QStringLiteral("0"));
    error.clear();
    const TallyGrid cut = TallyGrid::fromText("9\r\n2\r\n0\r\nAnn\r\n7\r\n", &error);
    QCOMPARE(error, QStringLiteral("Read beyond end of file"));
    QCOMPARE(cut.rowCount(), 2);
    QCOMPARE(cut.cell(0, 1), QStringLiteral("Ann"));
    QCOMPARE(cut.cell(1, 0), QStringLiteral("7"));
    QVERIFY(cut.cell(2, 0).isEmpty());
    // A count the text does not reach keeps only the rows it named.
    const TallyGrid promised = TallyGrid::fromText("9\r\n100000\r\n0\r\nAnn", &error);
    QCOMPARE(error, QStringLiteral("Read beyond end of file"));
    QCOMPARE(promised.rowCount(), 2);
    QCOMPARE(TallyGrid::fromText("9\r\n100000\r\n").rowCount(), 1);
}

void TestTally::damagedCountsAreZero() {
    Tally t;
    t.startTallying("Ann");
    t.grid.setCell(1, 1, "");
    t.grid.setCell(5, 1, "abc");
    // A count at the top of an int stays there rather than overflowing.
    t.grid.setCell(3, 1, "2147483647");
    t.addgame("addtomine", {"Ann"});
    QCOMPARE(t.grid.cell(1, 1), QStringLiteral("1"));
    QCOMPARE(t.grid.cell(5, 1), QStringLiteral("1"));
    QCOMPARE(t.grid.cell(3, 1), QStringLiteral("2147483647"));
}

void TestTally::fileRoundTripStartsANewSession() {
    QTemporaryDir dir;
    const QString path = dir.filePath(tallyfile::FileName);
    Tally t;
    t.startTallying("Ann+Co");
    t.startTallying("B\u00e9a \u20ac");
    t.addgame("addtomine", {"Ann+Co", "B\u00e9a \u20ac"});
    QVERIFY(tallyfile::save(path, t));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.read(4), QByteArray("WRZL"));
    QVERIFY(!QFile::exists(path + ".new"));

    Tally back;
    QCOMPARE(tallyfile::load(path, back), QString());
    QCOMPARE(back.tallied(), (QStringList{"Ann+Co", "B\u00e9a \u20ac"}));
    QCOMPARE(back.grid.cell(1, 1), QStringLiteral("1")); // totals kept
    QCOMPARE(back.grid.cell(5, 1), QStringLiteral("0")); // the session starts anew
    QCOMPARE(back.grid.cell(2, 0), QStringLiteral("1"));
    QVERIFY(!QFile::exists(QDir::current().filePath("temp.txt")));
}

void TestTally::missingFileIsAnEmptyTally() {
    QTemporaryDir dir;
    Tally t;
    t.startTallying("stale");
    QCOMPARE(tallyfile::load(dir.filePath("none.tld"), t), QString());
    QCOMPARE(t.grid.rowCount(), 1);
}

void TestTally::damagedFileReportsAndStartsEmpty() {
    QTemporaryDir dir;
    const QString path = dir.filePath(tallyfile::FileName);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("JUNKJUNKJUNK");
    f.close();
    Tally t;
    const QString error = tallyfile::load(path, t);
    QVERIFY2(error.contains(path) && error.contains("no valid header"), qPrintable(error));
    QCOMPARE(t.grid.rowCount(), 1);
}

void TestTally::saveReplacesTheFileWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath(tallyfile::FileName);
    Tally t;
    t.startTallying("Ann");
    QVERIFY(tallyfile::save(path, t));
    auto read = [](const QString& p) {
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    };
    const QByteArray before = read(path);
    // A second name for the old file: a save that wrote into the old file
    // (and could leave it half written when interrupted) would change it.
    const QString keep = dir.filePath("kept");
    QCOMPARE(::link(qPrintable(path), qPrintable(keep)), 0);
    Tally other;
    other.startTallying("Bob");
    QVERIFY(tallyfile::save(path, other));
    QCOMPARE(read(keep), before);
    QVERIFY(read(path) != before);
    Tally back;
    QVERIFY(tallyfile::load(path, back).isEmpty());
    QCOMPARE(back.tallied(), QStringList{"Bob"});
    // Nothing is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

QTEST_GUILESS_MAIN(TestTally)
#include "test_tally.moc"
