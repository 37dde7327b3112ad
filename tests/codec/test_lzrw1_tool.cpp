// kelvoa-lzrw1 end to end: real processes on real files.
#include "codec_samples.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace codec_samples;

class TestLzrw1Tool : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    struct Result {
        int code;
        QByteArray out;
        QByteArray err;
    };
    static Result run(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(KELVOA_LZRW1_TOOL), args);
        if (!p.waitForFinished(60000)) return {-1, {}, "did not finish"};
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAllStandardOutput(), p.readAllStandardError()};
    }
    void writeFile(const QString& name, const QByteArray& data) {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    static QByteArray readFile(const QString& name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void roundTrip_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("signature");
        QTest::newRow("fast") << "fast" << text(100000, 1) << QByteArray("WRZL");
        QTest::newRow("good") << "good" << text(100000, 1) << QByteArray("!HZL");
        QTest::newRow("auto, small") << "auto" << text(1000, 1) << QByteArray("!HZL");
        QTest::newRow("auto, large text") << "auto" << text(400000, 1) << QByteArray("WRZL");
        QTest::newRow("fast, empty") << "fast" << QByteArray() << QByteArray("WRZL");
    }
    void roundTrip() {
        QFETCH(QString, mode);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, signature);
        writeFile(path("in"), input);
        QFile::remove(path("packed"));
        QFile::remove(path("back"));
        Result r = run({"c", mode, path("in"), path("packed")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.err.isEmpty());
        QVERIFY(
            r.out.startsWith(path("in").toLocal8Bit() + " : Lzrw1 : successfully compressed at "));
        QCOMPARE(readFile(path("packed")).left(4), signature);
        r = run({"d", path("packed"), path("back")});
        QCOMPARE(r.code, 0);
        QCOMPARE(readFile(path("back")), input);
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("error");
        QTest::newRow("no valid header")
            << QStringList{"d", "IN", "OUT"} << QByteArray("not a tally file")
            << QByteArray("IN : Lzrw1 decompression : this file has no valid header !\n");
        QTest::newRow("truncated") << QStringList{"d", "IN", "OUT"}
                                   << QByteArray::fromHex("57525a4c0500000006008041424344")
                                   << QByteArray("Lzrw1 : Error reading from input file : IN\n");
        QTest::newRow("unknown mode") << QStringList{"c", "best", "IN", "OUT"} << QByteArray("x")
                                      << QByteArray("usage: kelvoa-lzrw1");
        QTest::newRow("missing arguments")
            << QStringList{"d", "IN"} << QByteArray("x") << QByteArray("usage: kelvoa-lzrw1");
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, error);
        writeFile(path("in"), input);
        QFile::remove(path("out"));
        args.replaceInStrings("IN", path("in"));
        args.replaceInStrings("OUT", path("out"));
        error.replace("IN", path("in").toLocal8Bit());
        const Result r = run(args);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.startsWith(error), r.err.constData());
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(path("out")));
    }
};

QTEST_GUILESS_MAIN(TestLzrw1Tool)
#include "test_lzrw1_tool.moc"
