// The framer and both field readers on arbitrary bytes: framing in arbitrary
// chunks gives the same messages as in one piece, no message holds the
// terminator, and reading fields to the end never fails other than by the
// readers' own error.
#include <cstdlib>
#include <deque>

#include "codepage.h"
#include "framing.h"

namespace {

// Each reader takes fields as numbers until one is not, and the rest as
// text: one refusal per message is all the readers' error path needs, and
// an exception per field would cost most of the time.
template <class Reader, class ReadNumber>
void readAll(Reader& r, ReadNumber number) {
    bool numbers = true;
    for (int i = 0; i < 16 && !r.atEnd(); ++i) {
        if (!numbers) {
            (void)r.next();
            continue;
        }
        try {
            number(r);
        } catch (const wire::FieldError&) {
            numbers = false;
            (void)r.next();
        }
    }
    (void)r.rest();
}

void readFields(const QByteArray& message) {
    const auto [command, args] = wire::splitCommand(message);
    wire::Fields f(args);
    readAll(f, [](wire::Fields& r) { (void)r.number(); });
    wire::TextFields t(wire::decode(args));
    readAll(t, [](wire::TextFields& r) {
        int value = 0;
        (void)r.number(0, 16, value);
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const int chunk = data[0] % 17 + 1;

    wire::Framer whole, pieces;
    std::deque<QByteArray> a, b;
    const bool okWhole = whole.feed(bytes, a);
    bool okPieces = true;
    for (qsizetype at = 0; at < bytes.size() && okPieces; at += chunk)
        okPieces = pieces.feed(bytes.mid(at, chunk), b);
    if (okWhole && okPieces && a != b) std::abort();
    for (const QByteArray& m : a) {
        if (m.contains('\xff')) std::abort();
        readFields(m);
    }
    // Encoding keeps every byte through a round trip.
    if (wire::encode(wire::decode(bytes)) != bytes) std::abort();
    return 0;
}
