// The container: exact bytes, round trips in both methods, progress texts,
// Advise and the in-memory entry points.
#include "codec_samples.h"
#include "lzrw1.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace codec_samples;

namespace {

QByteArray le32(quint32 v) {
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<char>(v >> (8 * i));
    return b;
}

} // namespace

class TestLzrw1Container : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    void writeFile(const QString& name, const QByteArray& data) {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(data), data.size());
    }
    static QByteArray readFile(const QString& name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void exactContainer_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("container");
        QTest::newRow("fast, empty input") << int(TCompressMode::Fast) << QByteArray()
                                           << QByteArray::fromHex("57525a4c00000000010080");
        QTest::newRow("fast, 40 equal bytes")
            << int(TCompressMode::Fast) << QByteArray(40, 'b')
            << QByteArray::fromHex("57525a4c28000000070040800000001862");
        QTest::newRow("fast, two bytes stored") << int(TCompressMode::Fast) << QByteArray("hi")
                                                << QByteArray::fromHex("57525a4c0200000003008068"
                                                                       "69");
        QTest::newRow("good, empty input")
            << int(TCompressMode::Good) << QByteArray() << QByteArray::fromHex("21485a4c00000000");
    }
    void exactContainer() {
        QFETCH(int, mode);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, container);
        QCOMPARE(Tlzrw1::compressData(input, TCompressMode(mode)), container);
        QCOMPARE(Tlzrw1::decompressData(container), input);
    }

    void fullPieceEndsWithEmptyPiece() {
        const QByteArray in = randomBytes(32768, 1);
        const QByteArray out = Tlzrw1::compressData(in, TCompressMode::Fast);
        // header, 32769 stored, then the empty piece
        QCOMPARE(out.size(), 8 + 2 + 32769 + 3);
        QCOMPARE(out.left(8), QByteArray("WRZL") + le32(32768));
        QCOMPARE(out.mid(8, 3), QByteArray::fromHex("018080"));
        QCOMPARE(out.right(3), QByteArray::fromHex("010080"));
        const QByteArray two = Tlzrw1::compressData(in + in, TCompressMode::Fast);
        QCOMPARE(two.size(), 8 + 2 * (2 + 32769) + 3);
        QCOMPARE(two.right(3), QByteArray::fromHex("010080"));
        QCOMPARE(Tlzrw1::decompressData(two), in + in);
    }

    void roundTrip_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("input");
        for (auto [mode, tag] :
             {std::pair{TCompressMode::Fast, "fast"}, std::pair{TCompressMode::Good, "good"}}) {
            auto row = [&](const char* what, const QByteArray& data) {
                QTest::addRow("%s, %s", tag, what) << int(mode) << data;
            };
            row("1 byte", "x");
            row("3 bytes", "abc");
            row("random 1000", randomBytes(1000, 11));
            for (int n : {32767, 32768, 32769, 65536})
                row(qPrintable(QStringLiteral("random %1").arg(n)), randomBytes(n, unsigned(n)));
            for (int n : {32767, 32768, 32769})
                row(qPrintable(QStringLiteral("text %1").arg(n)), text(n, unsigned(n)));
            row("text 300000", text(300000, 5));
            row("runs 200000", runs(200000, 6));
            row("zeros 100000", QByteArray(100000, 0));
            row("spaces 5000", QByteArray(5000, ' '));
            row("text then random", text(50000, 8) + randomBytes(50000, 9) + text(5000, 10));
        }
    }
    void roundTrip() {
        QFETCH(int, mode);
        QFETCH(QByteArray, input);
        const QByteArray packed = Tlzrw1::compressData(input, TCompressMode(mode));
        QCOMPARE(packed.left(4), QByteArray(mode == int(TCompressMode::Fast) ? "WRZL" : "!HZL"));
        QCOMPARE(packed.mid(4, 4), le32(quint32(input.size())));
        QVERIFY(Tlzrw1::decompressData(packed) == input);
    }

    // Fixed inputs give fixed streams; any change to the coders' choices
    // shows here even when the round trips still succeed.
    void streamsStayTheSame_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("sha1");
        QTest::newRow("fast text") << int(TCompressMode::Fast) << text(100000, 21)
                                   << QByteArray("fa49698d6292d6f8a0df4e102179a13460403458");
        QTest::newRow("good text") << int(TCompressMode::Good) << text(100000, 21)
                                   << QByteArray("99bda3335e8eafa738e6af2d4f318d0227a4195c");
        QTest::newRow("good runs") << int(TCompressMode::Good) << runs(300000, 22)
                                   << QByteArray("a7be656446878b7255fd1dcbb5e9593944494b2c");
        QTest::newRow("good short") << int(TCompressMode::Good) << QByteArray("tally\r\n")
                                    << QByteArray("ff74a447569fb3ee4a0bf42dace7d17a985331be");
    }
    void streamsStayTheSame() {
        QFETCH(int, mode);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, sha1);
        const QByteArray packed = Tlzrw1::compressData(input, TCompressMode(mode));
        QCOMPARE(QCryptographicHash::hash(packed, QCryptographicHash::Sha1).toHex(), sha1);
    }

    void goodStreamReadsZerosPastItsEnd() {
        // A stream whose last bytes are zero decodes alike without them.
        for (int n = 1; n < 400; ++n) {
            const QByteArray in = text(n, unsigned(n));
            QByteArray packed = Tlzrw1::compressData(in, TCompressMode::Good);
            if (packed.size() <= 9 || !packed.endsWith('\0')) continue;
            while (packed.size() > 8 && packed.endsWith('\0'))
                packed.chop(1);
            QCOMPARE(Tlzrw1::decompressData(packed), in);
            return;
        }
        QFAIL("no sample ends in a zero byte");
    }

    void fileRoundTripAndProgress() {
        const QByteArray in = text(70000, 3);
        writeFile(path("in.txt"), in);
        Tlzrw1 z;
        QStringList shown;
        int idles = 0;
        z.OnProgress = [&](const QString& t) { shown << t; };
        z.OnIdle = [&] { ++idles; };
        z.CompressMode = TCompressMode::Fast;
        z.InputFile = path("in.txt");
        z.OutputFile = path("in.lz");
        const qint64 written = z.Compress();
        const QByteArray packed = readFile(path("in.lz"));
        QCOMPARE(written, packed.size());
        QVERIFY(idles > 0);

        // The pieces' lengths give the expected counters.
        QStringList expected;
        qint64 at = 8;
        for (qint64 done = 0; done < in.size();) {
            const int len = uchar(packed[at]) | uchar(packed[at + 1]) << 8;
            at += 2 + len;
            done = qMin<qint64>(done + 32768, in.size());
            expected << QStringLiteral("(LZRW1/KH) Bytes in : %1 Bytes out : %2").arg(done).arg(at);
        }
        expected << path("in.txt") + " : Lzrw1 : successfully compressed at " +
                        QString::number(written * 100 / in.size()) + "%";
        QCOMPARE(shown, expected);

        shown.clear();
        z.InputFile = path("in.lz");
        z.OutputFile = path("out.txt");
        QCOMPARE(z.Decompress(), in.size());
        QCOMPARE(readFile(path("out.txt")), in);
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown[2], QStringLiteral("(LZRW1/KH) Bytes in : %1 Bytes out : %2")
                               .arg(packed.size())
                               .arg(in.size()));
        QCOMPARE(shown.last(), path("in.lz") + " : Lzrw1 : successfully decompressed at " +
                                   QString::number(in.size() * 100 / packed.size()) + "%");

        shown.clear();
        z.CompressMode = TCompressMode::Good;
        z.InputFile = path("in.txt");
        z.OutputFile = path("in.lzh");
        z.Compress();
        QVERIFY(shown.first().startsWith("(LZH) Bytes in : "));
        QVERIFY(shown.last().startsWith(path("in.txt") + " : Lzrw1 : successfully compressed at "));
    }

    void streamModeTexts() {
        const QByteArray in = text(5000, 4);
        QBuffer src;
        src.setData(QByteArray("skip") + in);
        src.open(QIODevice::ReadOnly);
        src.seek(4); // reading starts where the caller left the stream
        QBuffer dst;
        dst.open(QIODevice::WriteOnly);
        Tlzrw1 z;
        QStringList shown;
        z.OnProgress = [&](const QString& t) { shown << t; };
        z.CompressMode = TCompressMode::Good;
        z.setStreams(&src, &dst);
        const qint64 written = z.Compress();
        QCOMPARE(written, dst.data().size());
        QCOMPARE(shown.last(), "Lzrw1 : inputstream successfully compressed at " +
                                   QString::number(written * 100 / in.size()) + "%");
        QCOMPARE(dst.data(), Tlzrw1::compressData(in, TCompressMode::Good));

        QBuffer back;
        back.open(QIODevice::WriteOnly);
        src.close();
        src.setData(dst.data());
        src.open(QIODevice::ReadOnly);
        z.setStreams(&src, &back);
        QCOMPARE(z.Decompress(), in.size());
        QCOMPARE(back.data(), in);
        QCOMPARE(shown.last(), "LZrw1 : inputstream successfully decompressed at " +
                                   QString::number(in.size() * 100 / written) + "%");
    }

    void adviseSmallInput() {
        writeFile(path("small"), text(98303, 1));
        Tlzrw1 z;
        QStringList shown;
        z.OnProgress = [&](const QString& t) { shown << t; };
        z.InputFile = path("small");
        z.CompressMode = TCompressMode::Fast;
        QCOMPARE(z.Advise(), TCompressMode::Good);
        QCOMPARE(z.CompressMode, TCompressMode::Good);
        QCOMPARE(shown, QStringList({"Guessing the best compression mode for : " + path("small"),
                                     "Lzrw1 recommends GOOD compression :  small file !!"}));
    }

    void adviseLargeInput_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<int>("advice");
        QTest::newRow("text") << text(98304 * 3, 2) << 40 << int(TCompressMode::Fast);
        QTest::newRow("text, strict threshold")
            << text(98304 * 3, 2) << 5 << int(TCompressMode::Good);
        QTest::newRow("random") << randomBytes(200000, 2) << 40 << int(TCompressMode::Good);
        QTest::newRow("random, threshold above 100")
            << randomBytes(200000, 2) << 101 << int(TCompressMode::Fast);
    }
    void adviseLargeInput() {
        QFETCH(QByteArray, input);
        QFETCH(int, threshold);
        QFETCH(int, advice);
        // The samples: a piece from a third and one from two thirds in.
        TLZR lzr;
        QByteArray buf(32768 + 16, 0);
        qint64 coded = 0;
        const qint64 s = input.size();
        for (qint64 at : {s / 3 / 32768 * 32768, s * 2 / 3 / 32768 * 32768})
            coded += lzr.compressPiece(reinterpret_cast<const uint8_t*>(input.constData() + at),
                                       32768, reinterpret_cast<uint8_t*>(buf.data()));
        const QString pct = QString::number(coded * 100 / 65536);

        QBuffer src;
        src.setData(QByteArray("XYZ") + input);
        src.open(QIODevice::ReadOnly);
        src.seek(3); // the input starts where the caller left the stream
        QBuffer dst;
        dst.open(QIODevice::WriteOnly);
        Tlzrw1 z;
        QStringList shown;
        z.OnProgress = [&](const QString& t) { shown << t; };
        z.Threshold = threshold;
        z.CompressMode = TCompressMode::Auto;
        z.setStreams(&src, &dst);
        QCOMPARE(int(z.Advise()), advice);
        QCOMPARE(src.pos(), 3); // put back where it was found
        QCOMPARE(z.CompressMode, TCompressMode::Auto);
        const char* name = advice == int(TCompressMode::Fast) ? "FAST" : "GOOD";
        QCOMPARE(shown, QStringList({"Guessing the best compression mode for the inputstream",
                                     QStringLiteral("Lzrw1 recommends %1 compression : %2%.")
                                         .arg(QLatin1String(name), pct)}));

        // Auto compresses with the advised method.
        z.Compress();
        QCOMPARE(dst.data().left(4),
                 QByteArray(advice == int(TCompressMode::Fast) ? "WRZL" : "!HZL"));
        QCOMPARE(Tlzrw1::decompressData(dst.data()), input);
    }
};

QTEST_GUILESS_MAIN(TestLzrw1Container)
#include "test_lzrw1_container.moc"
