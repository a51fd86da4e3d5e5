// One zlib stream made of parts compressed at the same time on their own threads and joined the
// way parallel gzip tools join theirs: every part but the last ends on a byte boundary with an
// empty stored block, and the checksums of the parts are combined.
#pragma once

#include "kelvohuffmandeflate.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// One part's bytes, handed over a piece at a time on the thread that compresses them, so that
// no part is ever held whole.
struct KelvoZlibPart {
    std::size_t bytes = 0; // all the part's bytes
    // Replaces `piece` with the next bytes; false when the part has no more.
    std::function<bool(std::vector<uint8_t>& piece)> next;
};

// Produces part `index` of `count`.
using KelvoZlibPartSource = std::function<KelvoZlibPart(int index, int count)>;

// The stream is kZlibHeader, then the parts' data in order, then `adler` big-endian.
struct KelvoZlibStream {
    static constexpr uint8_t kZlibHeader[2] = {0x78, 0x01}; // deflate, 32 KB window, fastest

    std::vector<KelvoDeflateBytes> parts;
    uint32_t adler = 1;
};

// Compresses `parts` parts on up to `threads` threads, each piece with Huffman codes alone
// (kelvohuffmandeflate.h), or with zlib where it is mostly runs of zeros.
KelvoZlibStream kelvoZlibStream(const KelvoZlibPartSource& source, int parts, int threads);
