#include "kelvozlibstream.h"

#include "kelvoinflate.h"
#include "kelvoparallel.h"

#include <zlib.h>

#include <algorithm>
#include <memory>

namespace {

// Filtered flat areas (drawings, screenshots, backgrounds) are runs of zero bytes that string
// matching shrinks a hundredfold, where Huffman codes alone still spend a bit or more on each.
// Above this share of zero bytes a piece goes to zlib instead.
constexpr std::size_t kFlatZeroSharePercent = 20;
constexpr int kZlibLevel = 6;

bool looksFlat(const std::vector<uint8_t>& piece) {
    const std::size_t zeros = std::size_t(std::count(piece.begin(), piece.end(), uint8_t(0)));
    return zeros * 100 > piece.size() * kFlatZeroSharePercent;
}

struct DeflateEnd {
    void operator()(z_stream* stream) const {
        deflateEnd(stream);
        delete stream;
    }
};
using Deflater = std::unique_ptr<z_stream, DeflateEnd>;

Deflater newDeflater() {
    Deflater deflater(new z_stream{});
    if (deflateInit2(deflater.get(), kZlibLevel, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        delete deflater.release();
    }
    return deflater;
}

// Raw deflate of `piece` appended to `out`, ended with `flush` (Z_NO_FLUSH keeps the matches'
// window open for the next flat piece).
bool zlibDeflate(z_stream& stream, const std::vector<uint8_t>& piece, int flush,
                 KelvoDeflateBytes& out) {
    stream.next_in = const_cast<Bytef*>(piece.data());
    stream.avail_in = uInt(piece.size());
    for (;;) {
        const std::size_t used = out.size();
        const std::size_t room = deflateBound(&stream, uLong(piece.size())) + 64;
        out.resize(used + room);
        stream.next_out = out.data() + used;
        stream.avail_out = uInt(room);
        const int result = deflate(&stream, flush);
        out.resize(used + room - stream.avail_out);
        if (result != Z_OK && result != Z_BUF_ERROR && result != Z_STREAM_END) {
            return false;
        }
        if (result == Z_STREAM_END || stream.avail_out > 0) {
            return stream.avail_in == 0; // deflate stops early only when out of room
        }
    }
}

struct Part {
    KelvoDeflateBytes compressed;
    uLong adler = 1;
    std::size_t length = 0;
    bool ok = true;
};

// Worst case of Huffman-only output per input byte, so that the output is reserved once.
constexpr std::size_t kReserveNumerator = 2;

void compressPart(KelvoZlibPart source, bool lastPart, Part& part) {
    part.compressed.reserve(source.bytes * kReserveNumerator + 1024);
    KelvoHuffmanDeflater huffman(part.compressed);
    Deflater zlib;
    bool zlibOpen = false; // the zlib stream has taken pieces since its last reset
    std::vector<uint8_t> piece;
    std::vector<uint8_t> following;
    bool more = source.next(piece);
    bool flat = more && looksFlat(piece);
    bool ended = false;
    while (more) {
        following.clear();
        const bool hasNext = source.next(following);
        const bool nextFlat = hasNext && looksFlat(following);
        const bool final = lastPart && !hasNext;
        part.adler = kelvoAdler32(uint32_t(part.adler), piece.data(), piece.size());
        part.length += piece.size();
        if (flat && !zlib) {
            zlib = newDeflater();
        }
        if (flat && zlib && piece.size() < (std::size_t(1) << 31)) {
            if (huffman.pending()) {
                huffman.flush(false);
            }
            if (!zlibOpen) {
                deflateReset(zlib.get()); // matches must not reach into Huffman-coded pieces
            }
            const int flush = final ? Z_FINISH : nextFlat ? Z_NO_FLUSH : Z_SYNC_FLUSH;
            part.ok = part.ok && zlibDeflate(*zlib, piece, flush, part.compressed);
            zlibOpen = flush == Z_NO_FLUSH;
        } else {
            huffman.write(piece.data(), piece.size(), final);
        }
        ended = final;
        std::swap(piece, following);
        more = hasNext;
        flat = nextFlat;
    }
    if (!ended) {
        huffman.flush(lastPart);
    }
}

} // namespace

KelvoZlibStream kelvoZlibStream(const KelvoZlibPartSource& source, int parts, int threads) {
    parts = std::max(parts, 1);
    std::vector<Part> results(static_cast<std::size_t>(parts));
    kelvoRunParallel(
        std::size_t(parts), std::size_t(std::max(threads, 1)), [&](std::size_t index, std::size_t) {
            compressPart(source(int(index), parts), int(index) == parts - 1, results[index]);
        });

    KelvoZlibStream stream;
    uLong adler = 1;
    for (Part& part : results) {
        if (!part.ok) {
            return {};
        }
        adler = adler32_combine(adler, part.adler, z_off_t(part.length));
        stream.parts.push_back(std::move(part.compressed));
    }
    stream.adler = uint32_t(adler);
    return stream;
}
