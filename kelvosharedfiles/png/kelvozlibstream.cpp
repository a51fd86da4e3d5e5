#include "kelvozlibstream.h"

#include "kelvobyteorder.h"
#include "kelvohuffmandeflate.h"

#include <libdeflate.h>

#include <zlib.h>

#include <algorithm>
#include <system_error>
#include <thread>

namespace {

constexpr uint8_t kHeader[] = {0x78, 0x01}; // deflate, 32 KB window, fastest

struct Part {
    std::vector<uint8_t> compressed;
    uLong adler = 1;
    std::size_t length = 0;
};

void compressPart(const std::vector<uint8_t>& input, bool last, Part& part) {
    part.adler = libdeflate_adler32(1, input.data(), input.size());
    part.length = input.size();
    kelvoHuffmanDeflate(input.data(), input.size(),
                        last ? KelvoDeflateEnd::Final : KelvoDeflateEnd::Flush, part.compressed);
}

} // namespace

std::vector<uint8_t> kelvoZlibStream(const KelvoZlibPartSource& source, int parts,
                                     std::vector<std::size_t>* partBytes) {
    parts = std::max(parts, 1);
    std::vector<Part> results(static_cast<std::size_t>(parts));
    auto work = [&](int index) {
        compressPart(source(index, parts), index == parts - 1, results[std::size_t(index)]);
    };
    std::vector<std::thread> threads;
    for (int index = 1; index < parts; ++index) {
        try {
            threads.emplace_back(work, index);
        } catch (const std::system_error&) {
            work(index); // no thread to be had: this one does the part
        }
    }
    work(0);
    for (std::thread& thread : threads) {
        thread.join();
    }

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
