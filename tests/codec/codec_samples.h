#pragma once
// Inputs shared by the codec's tests: seeded, so every run sees the same bytes.
#include <QByteArray>

#include <random>

namespace codec_samples {

inline QByteArray randomBytes(int n, unsigned seed) {
    std::mt19937 rng(seed);
    QByteArray b(n, Qt::Uninitialized);
    for (auto& c : b)
        c = static_cast<char>(rng());
    return b;
}

// Words with line breaks, repetitive the way a tally or a letter is.
inline QByteArray text(int n, unsigned seed) {
    static const char* const words[] = {"the ",   "tally ", "of ",      "games ", "won ",
                                        "lost ",  "Ann ",   "against ", "chips ", "home ",
                                        "board ", "\r\n",   "0\r\n",    "17\r\n", "rosette "};
    std::mt19937 rng(seed);
    QByteArray b;
    while (b.size() < n)
        b += words[rng() % (sizeof words / sizeof *words)];
    b.truncate(n);
    return b;
}

// Long runs of varying length and byte, with a little noise in between.
inline QByteArray runs(int n, unsigned seed) {
    std::mt19937 rng(seed);
    QByteArray b;
    while (b.size() < n) {
        b += QByteArray(static_cast<int>(rng() % 9000), static_cast<char>(rng() % 4));
        b += static_cast<char>(rng());
    }
    b.truncate(n);
    return b;
}

} // namespace codec_samples
