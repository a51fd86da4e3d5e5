#include "kelvozlibstream.h"

#include "kelvobyteorder.h"

#include <zlib.h>

#include <algorithm>
#include <thread>

namespace {

constexpr uint8_t kHeader[] = {0x78, 0x01}; // deflate, 32 KB window, fastest
constexpr int kRawDeflate = -15;
constexpr int kMemLevel = 9;

struct Part {
    std::vector<uint8_t> compressed;
    uLong adler = 1;
    std::size_t length = 0;
    bool ok = false;
};

void compressPart(const std::vector<uint8_t>& input, bool last, Part& part) {
    part.adler = adler32(1, input.data(), uInt(input.size()));
    part.length = input.size();
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, kRawDeflate, kMemLevel, Z_HUFFMAN_ONLY) !=
        Z_OK) {
        return;
    }
    part.compressed.resize(deflateBound(&stream, uLong(input.size())) + 16);
    stream.next_in = const_cast<Bytef*>(input.data());
    stream.avail_in = uInt(input.size());
    stream.next_out = part.compressed.data();
    stream.avail_out = uInt(part.compressed.size());
    const int flush = last ? Z_FINISH : Z_SYNC_FLUSH;
    const int result = deflate(&stream, flush);
    part.ok = (last ? result == Z_STREAM_END : result == Z_OK) && stream.avail_in == 0 &&
              stream.avail_out > 0;
    part.compressed.resize(stream.total_out);
    deflateEnd(&stream);
}

} // namespace

std::vector<uint8_t> kelvoZlibStream(const KelvoZlibPartSource& source, int parts) {
    parts = std::max(parts, 1);
    std::vector<Part> results(static_cast<std::size_t>(parts));
    auto work = [&](int index) {
        compressPart(source(index, parts), index == parts - 1, results[std::size_t(index)]);
    };
    std::vector<std::thread> threads;
    for (int index = 1; index < parts; ++index) {
        threads.emplace_back(work, index);
    }
    work(0);
    for (std::thread& thread : threads) {
        thread.join();
    }

    std::vector<uint8_t> out(std::begin(kHeader), std::end(kHeader));
    uLong adler = 1;
    for (const Part& part : results) {
        if (!part.ok) {
            return {};
        }
        out.insert(out.end(), part.compressed.begin(), part.compressed.end());
        adler = adler32_combine(adler, part.adler, z_off_t(part.length));
    }
    kelvoPutBe32(out, uint32_t(adler));
    return out;
}
