// Every failure of the container gives its fixed text and leaves no output
// file behind.
#include "codec_samples.h"
#include "lzrw1.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace codec_samples;

namespace {

// A random-access device that fails its reads or writes after `limit` bytes.
class FailDevice : public QIODevice {
public:
    FailDevice(QByteArray data, qint64 limit) : data_(std::move(data)), limit_(limit) {}
    qint64 size() const override { return data_.size(); }
    bool isSequential() const override { return sequential; }
    bool sequential = false;

protected:
    qint64 readData(char* to, qint64 max) override {
        if (pos() >= limit_) return -1;
        const qint64 n = qMin(max, qMin<qint64>(limit_, data_.size()) - pos());
        memcpy(to, data_.constData() + pos(), size_t(qMax<qint64>(n, 0)));
        return qMax<qint64>(n, 0);
    }
    qint64 writeData(const char*, qint64 len) override {
        if (written_ + len > limit_) return -1;
        written_ += len;
        return len;
    }

private:
    QByteArray data_;
    qint64 limit_;
    qint64 written_ = 0;
};

QString expectText(QString pattern, const QString& in, const QString& out) {
    return pattern.replace(QLatin1String("<in>"), in).replace(QLatin1String("<out>"), out);
}

} // namespace

class TestLzrw1Errors : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }
    void writeFile(const QString& name, const QByteArray& data) {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(data), data.size());
    }

private slots:
    void fileFailures_data() {
        QTest::addColumn<bool>("compress");
        QTest::addColumn<QByteArray>("input"); // empty: no input file at all
        QTest::addColumn<QString>("outName");
        QTest::addColumn<QString>("text");

        const QByteArray fast = Tlzrw1::compressData(text(70000, 1), TCompressMode::Fast);
        const QByteArray good = Tlzrw1::compressData("abcabcabcabc", TCompressMode::Good);
        const QString out = QStringLiteral("out");

        QTest::newRow("wrong signature")
            << false << QByteArray("WRZX\0\0\0\0\1\0\x80", 11) << out
            << "<in> : Lzrw1 decompression : this file has no valid header !";
        QTest::newRow("last piece cut short") << false << fast.left(fast.size() - 5) << out
                                              << "Lzrw1 : Error reading from input file : <in>";
        QTest::newRow("piece length cut short") << false << fast.left(fast.size() - 2) << out
                                                << "Lzrw1 : Error reading from input file : <in>";
        QTest::newRow("shorter than a signature")
            << false << QByteArray("WRZ") << out << "Lzrw1 : Error reading from input file : <in>";
        QTest::newRow("size cut short") << false << QByteArray("!HZL\1\0") << out
                                        << "Lzrw1 : Error reading from input file : <in>";
        QByteArray moreFast = fast;
        moreFast[4] = char(moreFast[4] + 1);
        QTest::newRow("fast size does not match")
            << false << moreFast << out
            << "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
        // The good stream ends in a copy of 9; one byte less cannot be met.
        QByteArray lessGood = good;
        lessGood[4] = char(lessGood[4] - 1);
        QTest::newRow("good size does not match")
            << false << lessGood << out
            << "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !";
        // A size far beyond what the stream holds stops where the stream ends,
        // instead of writing gigabytes of decoded zeros.
        QByteArray hugeGood = good;
        hugeGood[4] = hugeGood[5] = hugeGood[6] = char(0xFF);
        hugeGood[7] = char(0x7F);
        QTest::newRow("good size far beyond its stream")
            << false << hugeGood << out
            << "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !";
        QTest::newRow("copy before the piece's start")
            << false << QByteArray::fromHex("57525a4c0400000005004080000010") << out
            << "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
        QByteArray longPiece =
            QByteArray::fromHex("57525a4c000000000380") + QByteArray(0x8003, 'x');
        QTest::newRow("piece longer than any coded piece")
            << false << longPiece << out
            << "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
        QTest::newRow("no input to decompress")
            << false << QByteArray() << out
            << "Lzrw1 (de)compression : Failed to open input file : <in>";
        QTest::newRow("no input to compress")
            << true << QByteArray() << out
            << "Lzrw1 compression : Failed to obtain the size of : <in>";
        QTest::newRow("output in a missing folder")
            << true << QByteArray("data") << QStringLiteral("nofolder/out")
            << "Lzrw1 (de)compression : Failed to open output file : <out>";
        QTest::newRow("output is the input")
            << true << QByteArray("data") << QStringLiteral("in")
            << "Lzrw1 (de)compression : Failed to open output file : <out>";
    }
    void fileFailures() {
        QFETCH(bool, compress);
        QFETCH(QByteArray, input);
        QFETCH(QString, outName);
        QFETCH(QString, text);
        const QString in = path("in");
        const QString out = path(outName);
        QFile::remove(in);
        QFile::remove(path("out"));
        if (!input.isEmpty()) writeFile(in, input);

        Tlzrw1 z;
        z.CompressMode = TCompressMode::Fast;
        z.InputFile = in;
        z.OutputFile = out;
        try {
            compress ? z.Compress() : z.Decompress();
            QFAIL("no exception");
        } catch (const ELzrw1Exception& e) {
            QCOMPARE(e.text(), expectText(text, in, out));
        }
        QVERIFY(!QFile::exists(path("out")));
        if (!input.isEmpty()) { // the input is never touched
            QFile f(in);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), input);
        }
    }

    void failureRemovesAnOldOutput() {
        writeFile(path("old"), "previous contents");
        writeFile(path("bad"), "nothing like a header");
        Tlzrw1 z;
        z.InputFile = path("bad");
        z.OutputFile = path("old");
        QVERIFY_THROWS_EXCEPTION(ELzrw1Exception, z.Decompress());
        QVERIFY(!QFile::exists(path("old")));
    }

    void writeFailureOnADevice() {
        if (!QFile::exists("/dev/full")) QSKIP("no /dev/full here");
        writeFile(path("in"), text(100000, 2));
        Tlzrw1 z;
        z.CompressMode = TCompressMode::Fast;
        z.InputFile = path("in");
        z.OutputFile = QStringLiteral("/dev/full");
        try {
            z.Compress();
            QFAIL("no exception");
        } catch (const ELzrw1Exception& e) {
            QCOMPARE(e.text(), QStringLiteral("Lzrw1 : Error writing to output file : /dev/full"));
        }
        QVERIFY(QFile::exists("/dev/full")); // a device is never deleted
    }

    void streamFailures_data() {
        QTest::addColumn<int>("operation"); // 0 fast, 1 good, 2 decompress, 3 advise
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<qint64>("readLimit");
        QTest::addColumn<qint64>("writeLimit");
        QTest::addColumn<bool>("sequential");
        QTest::addColumn<QString>("text");
        const qint64 all = 1 << 30;
        const QByteArray data = text(200000, 3);
        QTest::newRow("fast read fails") << 0 << data << qint64(40000) << all << false
                                         << "Lzrw1 : Error reading from input stream ! (LZRW1/KH)";
        QTest::newRow("good read fails") << 1 << data << qint64(40000) << all << false
                                         << "Lzrw1 : Error reading from input stream ! (LZH)";
        QTest::newRow("compressed write fails") << 0 << data << all << qint64(20000) << false
                                                << "Lzrw1 : Error writing to output stream !";
        QTest::newRow("header write fails")
            << 1 << data << all << qint64(4) << false << "Lzrw1 : Error writing to output stream !";
        const QByteArray packed = Tlzrw1::compressData(data, TCompressMode::Good);
        QTest::newRow("good read fails in decompression")
            << 2 << packed << qint64(30000) << all << false
            << "Lzrw1 : Error reading from input stream ! (LZH)";
        QTest::newRow("decompressed write fails") << 2 << packed << all << qint64(1000) << false
                                                  << "Lzrw1 : Error writing to output stream !";
        QTest::newRow("no valid header")
            << 2 << data << all << all << false
            << "Lzrw1 decompression : input stream contains no valid header !";
        QTest::newRow("short stream") << 2 << packed.left(6) << all << all << false
                                      << "Lzrw1 : Error reading from input stream !";
        QTest::newRow("fast piece cut short")
            << 2 << Tlzrw1::compressData(data, TCompressMode::Fast).left(100) << all << all << false
            << "Lzrw1 : Error reading from input stream !";
        QTest::newRow("size of a sequential stream")
            << 0 << data << all << all << true
            << "Lzrw1 compression : Failed to obtain the size of the input stream !";
        QTest::newRow("advise on a sequential stream")
            << 3 << data << all << all << true
            << "Lzrw1 advise : can not get size of inputstream !";
        QTest::newRow("advise read fails") << 3 << data << qint64(70000) << all << false
                                           << "Lzrw1 advise : input stream read error !";
    }
    void streamFailures() {
        QFETCH(int, operation);
        QFETCH(QByteArray, input);
        QFETCH(qint64, readLimit);
        QFETCH(qint64, writeLimit);
        QFETCH(bool, sequential);
        QFETCH(QString, text);
        FailDevice src(input, readLimit);
        src.sequential = sequential;
        QVERIFY(src.open(QIODevice::ReadOnly));
        FailDevice dst({}, writeLimit);
        QVERIFY(dst.open(QIODevice::WriteOnly));
        Tlzrw1 z;
        z.CompressMode = operation == 0 ? TCompressMode::Fast : TCompressMode::Good;
        z.setStreams(&src, &dst);
        try {
            if (operation <= 1)
                z.Compress();
            else if (operation == 2)
                z.Decompress();
            else
                z.Advise();
            QFAIL("no exception");
        } catch (const ELzrw1Exception& e) {
            QCOMPARE(e.text(), text);
        }
    }

    void missingStreams() {
        QBuffer buf;
        buf.open(QIODevice::ReadWrite);
        Tlzrw1 z;
        z.setStreams(nullptr, &buf);
        const auto noInput =
            QStringLiteral("Lzrw1 (de)compression : Failed to initialize input stream !");
        const auto noOutput =
            QStringLiteral("Lzrw1 (de)compression : Failed to initialize output stream !");
        for (int op = 0; op < 3; ++op) {
            try {
                op == 0 ? z.Compress() : op == 1 ? z.Decompress() : qint64(z.Advise());
                QFAIL("no exception");
            } catch (const ELzrw1Exception& e) {
                QCOMPARE(e.text(),
                         op == 2
                             ? QStringLiteral("Lzrw1 edvise : can not initialize the input stream!")
                             : noInput);
            }
        }
        z.setStreams(&buf, nullptr);
        QVERIFY_THROWS_EXCEPTION(ELzrw1Exception, z.Compress());
        try {
            z.Decompress();
        } catch (const ELzrw1Exception& e) {
            QCOMPARE(e.text(), noOutput);
        }
    }

    void adviseFileFailures() {
        Tlzrw1 z;
        z.InputFile = path("absent");
        try {
            z.Advise();
            QFAIL("no exception");
        } catch (const ELzrw1Exception& e) {
            QCOMPARE(e.text(), "Lzrw1 advise : can not get the size of : " + path("absent"));
        }
        // Compress asks Advise first in the automatic mode.
        z.CompressMode = TCompressMode::Auto;
        z.OutputFile = path("out");
        QVERIFY_THROWS_EXCEPTION(ELzrw1Exception, z.Compress());
        QVERIFY(!QFile::exists(path("out")));
    }

    void inMemoryErrors() {
        try {
            Tlzrw1::decompressData("garbage!");
            QFAIL("no exception");
        } catch (const ELzrw1Exception& e) {
            QCOMPARE(
                e.text(),
                QStringLiteral("Lzrw1 decompression : input stream contains no valid header !"));
        }
    }
};

QTEST_GUILESS_MAIN(TestLzrw1Errors)
#include "test_lzrw1_errors.moc"
