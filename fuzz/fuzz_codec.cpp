// Feeds arbitrary bytes to both decoders (a bare fast piece and the whole
// container, either signature) and checks that both coders give back what
// they were given, for inputs of up to 64 bytes.
#include "lzrw1.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

void decodePiece(const uint8_t* data, size_t size) {
    if (size > TLZR::MaxEncoded) return;
    // Exactly the room the decoder is allowed to use, so any overrun trips
    // the address sanitizer.
    auto out = std::make_unique<uint8_t[]>(TLZR::PieceSize + TLZR::Slack);
    const int n = TLZR::decompressPiece(data, static_cast<int>(size), out.get());
    if (n > TLZR::PieceSize) std::abort();
}

void decodeContainer(const QByteArray& bytes) {
    // A header may promise up to 4 GiB: the decoders must stop where the
    // stream ends, whatever it promised.
    try {
        const QByteArray out = Tlzrw1::decompressData(bytes);
        if (bytes.size() >= 8) {
            quint32 promised;
            std::memcpy(&promised, bytes.constData() + 4, 4);
            if (static_cast<quint32>(out.size()) != promised)
                std::abort(); // success must mean the promised size
        }
    } catch (const ELzrw1Exception&) {
    }
}

void roundTrip(const QByteArray& bytes) {
    // The coders are not readers of outside bytes and the tests cover long
    // texts; short ones here keep the decoders' share of the time high.
    if (bytes.size() > 64) return;
    for (TCompressMode mode : {TCompressMode::Fast, TCompressMode::Good}) {
        if (Tlzrw1::decompressData(Tlzrw1::compressData(bytes, mode)) != bytes) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    decodePiece(data, size);
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    decodeContainer(bytes);
    roundTrip(bytes);
    return 0;
}
