// The tally window: counting through it, ticking and unticking players,
// reset, and the file read at creation and written at destruction.
#include <QBarSet>
#include <QTemporaryDir>
#include <QTest>

#include "tally_file.h"
#include "ttallylist.h"

class TestTtallylist : public QObject {
    Q_OBJECT
private slots:
    void firstRunAndExitWritesTheFile();
    void tickingAndCounting();
    void untickingAsksFirst();
    void resetAnsweredYes();
    void damagedFileIsReportedAndReplaced();
};

void TestTtallylist::firstRunAndExitWritesTheFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Kelvoatally.tld");
    {
        Ttallylist w(nullptr, path);
        QCOMPARE(w.FormCreate(), QString());
        QCOMPARE(w.windowTitle(), QStringLiteral("Kelvoa  - Tally List"));
        QCOMPARE(w.mylabel[1]->text(), QStringLiteral("0"));
        QCOMPARE(w.listbox_tally->count(), 0);
    }
    Tally back;
    QCOMPARE(tallyfile::load(path, back), QString());
    QCOMPARE(back.grid.rowCount(), 1);
}

void TestTtallylist::tickingAndCounting() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Kelvoatally.tld");
    {
        Ttallylist w(nullptr, path);
        w.FormCreate();
        w.loadchecklist = [&w] { w.setCurrentPlayers({"Ann", "Bob"}); };
        w.loadchecklist();
        w.checklist->item(0)->setCheckState(Qt::Checked); // start tallying Ann
        QCOMPARE(w.listbox_tally->count(), 1);
        w.checklist->item(0)->setCheckState(Qt::Unchecked); // does nothing
        QCOMPARE(w.listbox_tally->count(), 1);
        w.addgame("addtomine");
        w.addgame("Ann");
        QCOMPARE(w.mylabel[1]->text(), QStringLiteral("2"));
        QCOMPARE(w.mylabel[2]->text(), QStringLiteral("1"));
        w.listbox_tally->setCurrentRow(0);
        QCOMPARE(w.label_hisnametop->text(), QStringLiteral("Ann's Tally"));
        QCOMPARE(w.label_hisname->text(), QStringLiteral("Ann Wins:"));
        QCOMPARE(w.label[1]->text(), QStringLiteral("2"));
        QCOMPARE(w.label[2]->text(), QStringLiteral("1"));
        QCOMPARE(w.label[3]->text(), QStringLiteral("1"));
        QCOMPARE(w.label[5]->text(), QStringLiteral("2"));
        // The chart beneath follows the counts: one bar, one game each way.
        QCOMPARE(w.chart->opponents(), QStringList{"Ann"});
        QCOMPARE(w.chart->won->at(0), 1.0);
        QCOMPARE(w.chart->lost->at(0), 1.0);
    }
    // After a restart the totals stay and the session starts at 0.
    Ttallylist again(nullptr, path);
    again.FormCreate();
    QCOMPARE(again.listbox_tally->count(), 1);
    QCOMPARE(again.listbox_tally->item(0)->checkState(), Qt::Checked);
    again.listbox_tally->setCurrentRow(0);
    QCOMPARE(again.label[1]->text(), QStringLiteral("2"));
    QCOMPARE(again.label[5]->text(), QStringLiteral("0"));
    QCOMPARE(again.mylabel[1]->text(), QStringLiteral("2"));
}

void TestTtallylist::untickingAsksFirst() {
    QTemporaryDir dir;
    Ttallylist w(nullptr, dir.filePath("t.tld"));
    w.FormCreate();
    QStringList asked;
    bool answer = false;
    w.confirm = [&](const QString& q) {
        asked << q;
        return answer;
    };
    w.setCurrentPlayers({"Ann", "Bob", "Cy"});
    for (int i = 0; i < 3; ++i)
        w.checklist->item(i)->setCheckState(Qt::Checked);
    w.listbox_tally->item(1)->setCheckState(Qt::Unchecked);
    QCOMPARE(asked, QStringList{"This will delete Bob's Tally, Are you want to delete it?"});
    QCOMPARE(w.listbox_tally->item(1)->checkState(), Qt::Checked); // "No" keeps him
    answer = true;
    w.listbox_tally->item(1)->setCheckState(Qt::Unchecked);
    QCOMPARE(w.listbox_tally->count(), 2);
    QCOMPARE(w.tally.tallied(), (QStringList{"Ann", "Cy"}));
}

void TestTtallylist::resetAnsweredYes() {
    QTemporaryDir dir;
    Ttallylist w(nullptr, dir.filePath("t.tld"));
    w.FormCreate();
    w.confirm = [](const QString&) { return true; };
    w.setCurrentPlayers({"Ann"});
    w.checklist->item(0)->setCheckState(Qt::Checked);
    w.loadchecklist = [&w] { w.setCurrentPlayers({"Ann"}); };
    w.addgame("addtomine");
    w.listbox_tally->setCurrentRow(0);
    w.FlatButton2->click();
    QCOMPARE(w.listbox_tally->count(), 0);
    QCOMPARE(w.mylabel[1]->text(), QStringLiteral("0"));
    for (int c = 1; c <= 8; ++c)
        QCOMPARE(w.label[c]->text(), QStringLiteral("0"));
}

void TestTtallylist::damagedFileIsReportedAndReplaced() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Kelvoatally.tld");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a tally");
    f.close();
    QStringList reports;
    {
        Ttallylist w(nullptr, path);
        w.report = [&](const QString& t) { reports << t; };
        w.FormCreate();
        QCOMPARE(w.listbox_tally->count(), 0);
    }
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports[0].contains("no valid header"));
    Tally back;
    QCOMPARE(tallyfile::load(path, back), QString()); // saved over the damaged one
}

QTEST_MAIN(TestTtallylist)
#include "test_ttallylist.moc"
