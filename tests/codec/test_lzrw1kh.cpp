// The fast engine on single pieces: exact codings and corrupt pieces.
#include "lzrw1kh.h"

#include <QTest>

#include <random>
#include <vector>

using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)

namespace {

Bytes encode(TLZR& z, const Bytes& in) {
    Bytes out(in.size() + TLZR::Slack);
    out.resize(
        static_cast<size_t>(z.compressPiece(in.data(), static_cast<int>(in.size()), out.data())));
    return out;
}

int decode(const Bytes& piece, Bytes& out) {
    out.assign(TLZR::PieceSize + TLZR::Slack, 0);
    const int n = TLZR::decompressPiece(piece.data(), static_cast<int>(piece.size()), out.data());
    out.resize(n < 0 ? 0 : static_cast<size_t>(n));
    return n;
}

Bytes text(const char* s) {
    return Bytes(s, s + std::strlen(s));
}

Bytes randomBytes(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes b(n);
    for (auto& v : b)
        v = static_cast<uint8_t>(rng());
    return b;
}

} // namespace

class TestLzrw1kh : public QObject {
    Q_OBJECT
private slots:
    void exactCoding_data() {
        QTest::addColumn<Bytes>("input");
        QTest::addColumn<Bytes>("coded");
        QTest::newRow("40 equal bytes: one run item")
            << Bytes(40, 'b') << Bytes{0x40, 0x80, 0x00, 0x00, 0x00, 0x18, 'b'};
        QTest::newRow("three literals and a copy of 18")
            << text("abcabcabcabcabcabcabc") << Bytes{0x40, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x3F};
        QTest::newRow("empty piece") << Bytes{} << Bytes{0x80};
        QTest::newRow("one byte is stored") << Bytes{7} << Bytes{0x80, 7};
        QTest::newRow("two bytes are stored") << Bytes{7, 7} << Bytes{0x80, 7, 7};
        QTest::newRow("15 equal bytes are no run")
            << Bytes(15, 'x') << Bytes{0x40, 0x40, 0x00, 'x', 0x00, 0x1B};
        // 16 items fill the first control word; the 17th gets a new one.
        Bytes seventeen;
        Bytes coded{0x40, 0x00, 0x00};
        for (uint8_t c = 'A'; c < 'A' + 16; ++c) {
            seventeen.push_back(c);
            coded.push_back(c);
        }
        seventeen.insert(seventeen.end(), 4095, 'r');
        const Bytes tail{0x80, 0x00, 0x00, 0x0F, 0xEF, 'r'};
        coded.insert(coded.end(), tail.begin(), tail.end());
        QTest::newRow("second control word, longest run") << seventeen << coded;
    }
    void exactCoding() {
        QFETCH(Bytes, input);
        QFETCH(Bytes, coded);
        TLZR z;
        QCOMPARE(encode(z, input), coded);
        Bytes back;
        QCOMPARE(decode(coded, back), static_cast<int>(input.size()));
        QCOMPARE(back, input);
    }

    void incompressibleIsStored() {
        TLZR z;
        for (int n : {3, 100, 32767, 32768}) {
            const Bytes in = randomBytes(static_cast<size_t>(n), static_cast<unsigned>(n));
            const Bytes coded = encode(z, in);
            QCOMPARE(coded.size(), in.size() + 1);
            QCOMPARE(coded[0], uint8_t{0x80});
            QVERIFY(std::equal(in.begin(), in.end(), coded.begin() + 1));
        }
    }

    void roundTrip_data() {
        QTest::addColumn<Bytes>("input");
        Bytes words;
        std::mt19937 rng(7);
        const char* vocab[] = {"tally ", "games ", "won ", "lost ", "Ann ", "\r\n", "0\r\n"};
        while (words.size() < 32768) {
            const char* w = vocab[rng() % 7];
            words.insert(words.end(), w, w + std::strlen(w));
        }
        words.resize(32768);
        QTest::newRow("text, full piece") << words;
        QTest::newRow("text, odd length") << Bytes(words.begin(), words.begin() + 12345);
        Bytes runs;
        for (int i = 0; runs.size() < 32768; ++i)
            runs.insert(runs.end(), static_cast<size_t>(1 + (i * 977) % 5000),
                        static_cast<uint8_t>(i));
        runs.resize(32768);
        QTest::newRow("runs of every length") << runs;
        QTest::newRow("one long run") << Bytes(32768, 0);
        Bytes mixed = randomBytes(20000, 3);
        mixed.insert(mixed.end(), words.begin(), words.begin() + 12768);
        QTest::newRow("random then text") << mixed;
    }
    void roundTrip() {
        QFETCH(Bytes, input);
        TLZR z;
        const Bytes coded = encode(z, input);
        QVERIFY(coded.size() <= input.size() + 1);
        Bytes back;
        QCOMPARE(decode(coded, back), static_cast<int>(input.size()));
        QVERIFY(back == input);
        // The hash table is cleared for every piece: a second run codes alike.
        QVERIFY(encode(z, input) == coded);
    }

    void corruptPieceIsRejected_data() {
        QTest::addColumn<Bytes>("piece");
        QTest::newRow("copy before the first byte") << Bytes{0x40, 0x80, 0x00, 0x00, 0x10};
        QTest::newRow("copy reaching past the output") << Bytes{0x40, 0x40, 0x00, 'a', 0x00, 0x2F};
        // Runs of 4095 bytes: nine of them make more than a piece.
        Bytes grow{0x40, 0xFF, 0x80};
        for (int i = 0; i < 9; ++i) {
            const Bytes run{0x00, 0x0F, 0xEF, 'z'};
            grow.insert(grow.end(), run.begin(), run.end());
        }
        QTest::newRow("output beyond a piece") << grow;
        Bytes stored(32770 + 1, 1);
        stored[0] = 0x80;
        QTest::newRow("stored piece too long") << stored;
        QTest::newRow("copy item cut off") << Bytes{0x40, 0x40, 0x00, 'a', 0x00};
        QTest::newRow("run item cut off") << Bytes{0x40, 0x80, 0x00, 0x00, 0x00, 0x18};
    }
    void corruptPieceIsRejected() {
        QFETCH(Bytes, piece);
        Bytes out;
        QCOMPARE(decode(piece, out), -1);
    }

    void literalsBeyondAPieceAreRejected() {
        // Literal items alone: 16 items per control word of 0x0000.
        Bytes piece{0x40, 0x00, 0x00};
        for (int i = 0; i <= TLZR::PieceSize; ++i) {
            if (i > 0 && i % 16 == 0) {
                piece.push_back(0);
                piece.push_back(0);
            }
            piece.push_back('l');
        }
        Bytes out;
        QCOMPARE(decode(piece, out), -1);
    }

    void trailingControlWordGovernsNothing() {
        // Any flag other than stored is taken as coded; a control word without
        // items adds nothing.
        Bytes out;
        QCOMPARE(decode(Bytes{0x00, 0x00, 0x00, 'q'}, out), 1);
        QCOMPARE(decode(Bytes{0x40, 0xFF}, out), 0);
    }
};

QTEST_GUILESS_MAIN(TestLzrw1kh)
#include "test_lzrw1kh.moc"
