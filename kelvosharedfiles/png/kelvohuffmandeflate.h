// Raw deflate data coded with Huffman codes alone, no string matching: one dynamic block per
// 128 KB of input, its literal code fitted to that block. Filtered photographs hold almost no
// repeats for string matching to find, so this is several times faster than a general deflate
// at about the same size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

enum class KelvoDeflateEnd {
    Final, // the last block is marked final: the stream ends here
    Flush, // ends on a byte boundary with an empty stored block, so more data can follow
};

// Appends the raw deflate data of `data` to `out`.
void kelvoHuffmanDeflate(const uint8_t* data, std::size_t size, KelvoDeflateEnd end,
                         std::vector<uint8_t>& out);
