#include "kelvozlibstream.h"

#include "kelvobyteorder.h"
#include "kelvohuffmandeflate.h"
#include "kelvoparallel.h"

#include <libdeflate.h>

#include <zlib.h>

#include <algorithm>

namespace {

constexpr uint8_t kHeader[] = {0x78, 0x01}; // deflate, 32 KB window, fastest

struct Part {
    std::vector<uint8_t> compressed;
    uLong adler = 1;
    std::size_t length = 0;
};

// Filtered flat areas (drawings, screenshots, backgrounds) are runs of zero bytes that string
// matching shrinks a hundredfold, where Huffman codes alone still spend a bit or more on each.
// Above this share of zero bytes a part goes to zlib instead.
constexpr std::size_t kFlatZeroSharePercent = 20;

bool looksFlat(const std::vector<uint8_t>& input) {
    const std::size_t zeros = std::size_t(std::count(input.begin(), input.end(), uint8_t(0)));
    return zeros * 100 > input.size() * kFlatZeroSharePercent;
}

// Raw deflate at zlib's default level, ending as kelvoHuffmanDeflate() ends.
bool zlibDeflate(const std::vector<uint8_t>& input, bool last, std::vector<uint8_t>& out) {
    z_stream stream{};
    if (deflateInit2(&stream, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        return false;
    }
    out.resize(deflateBound(&stream, uLong(input.size())) + 16);
    stream.next_in = const_cast<Bytef*>(input.data());
    stream.avail_in = uInt(input.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    const int result = deflate(&stream, last ? Z_FINISH : Z_SYNC_FLUSH);
    const bool done = last ? result == Z_STREAM_END : result == Z_OK && stream.avail_in == 0;
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return done;
}

void compressPart(const std::vector<uint8_t>& input, bool last, Part& part) {
    part.adler = libdeflate_adler32(1, input.data(), input.size());
    part.length = input.size();
    if (looksFlat(input) && input.size() < (std::size_t(1) << 31) &&
        zlibDeflate(input, last, part.compressed)) {
        return;
    }
    part.compressed.clear();
    kelvoHuffmanDeflate(input.data(), input.size(),
                        last ? KelvoDeflateEnd::Final : KelvoDeflateEnd::Flush, part.compressed);
}

} // namespace

std::vector<uint8_t> kelvoZlibStream(const KelvoZlibPartSource& source, int parts,
                                     std::vector<std::size_t>* partBytes) {
    parts = std::max(parts, 1);
    std::vector<Part> results(static_cast<std::size_t>(parts));
    kelvoRunParallel(std::size_t(parts), [&](std::size_t index) {
        compressPart(source(int(index), parts), int(index) == parts - 1, results[index]);
    });

    std::vector<uint8_t> out(std::begin(kHeader), std::end(kHeader));
    uLong adler = 1;
    for (const Part& part : results) {
        out.insert(out.end(), part.compressed.begin(), part.compressed.end());
        if (partBytes) {
            partBytes->push_back(part.compressed.size());
        }
        adler = adler32_combine(adler, part.adler, z_off_t(part.length));
    }
    kelvoPutBe32(out, uint32_t(adler));
    return out;
}
