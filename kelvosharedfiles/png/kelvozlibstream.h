// One zlib stream made of parts compressed at the same time on their own threads and joined the
// way parallel gzip tools join theirs: every part but the last ends on a byte boundary with an
// empty stored block, and the checksums of the parts are combined.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Produces part `index` of `count`, on the thread that compresses it: the bytes to compress.
using KelvoZlibPartSource = std::function<std::vector<uint8_t>(int index, int count)>;

// Compresses the parts with kelvoHuffmanDeflate(), or zlib where they are mostly runs of
// zeros, and joins them in order; `partBytes`, when
// given, receives the compressed size of each part.
std::vector<uint8_t> kelvoZlibStream(const KelvoZlibPartSource& source, int parts,
                                     std::vector<std::size_t>* partBytes = nullptr);
