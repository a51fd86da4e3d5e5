// The PNG container: signature, chunk framing and the header fields both reader and writer use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvopng {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

// Our own ancillary chunk "kbND", before the first IDAT: the zlib stream is made of bands of
// rows, each ending on a byte boundary and inflatable without the others (no string matches),
// so a reader may inflate them at the same time. Data: the band count (2 or more), then per
// band its first row, its data's offset in the zlib stream and its length, all big-endian
// 32-bit. The last letter in capitals marks it unsafe to copy: editors that change the picture
// drop it. Other readers ignore it.
constexpr uint32_t kBandChunk = 0x6b624e44; // "kbND"
constexpr uint32_t kBandEntryBytes = 12;
constexpr std::size_t kZlibHeaderBytes = 2;
constexpr std::size_t kZlibTrailerBytes = 4;

// A zlib header of deflate data in a window of at most 32 KB, without a preset dictionary.
inline bool zlibHeaderValid(const uint8_t* header) {
    return (header[0] & 0x0f) == 8 && (header[0] >> 4) <= 7 &&
           (header[0] << 8 | header[1]) % 31 == 0 && (header[1] & 0x20) == 0;
}

enum ColourType : uint8_t { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

// One chunk of a PNG stream, its data pointing into the stream.
struct Chunk {
    uint32_t type = 0;
    const uint8_t* data = nullptr;
    uint32_t length = 0;
    bool crcValid = false;
};

constexpr uint32_t chunkType(const char (&name)[5]) {
    return uint32_t(uint8_t(name[0])) << 24 | uint32_t(uint8_t(name[1])) << 16 |
           uint32_t(uint8_t(name[2])) << 8 | uint8_t(name[3]);
}

// A chunk whose name starts with a capital letter must be understood to read the picture.
constexpr bool isCritical(uint32_t type) {
    return (type & 0x20000000u) == 0;
}

bool hasSignature(const void* data, std::size_t size);

// Walks the chunks after the signature. next() is false at the end of the data or at a chunk
// that does not fit in it; the CRC is computed only for critical chunks.
class ChunkWalker {
public:
    ChunkWalker(const uint8_t* data, std::size_t size);
    bool next(Chunk& chunk);

private:
    const uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_offset = sizeof(kSignature);
};

// Appends one chunk with its length and CRC.
void appendChunk(std::vector<uint8_t>& out, uint32_t type, const uint8_t* data, std::size_t length);

// The same in steps, for data that comes in pieces: the length and type; then the caller
// appends exactly `length` bytes; then the CRC.
void beginChunk(std::vector<uint8_t>& out, uint32_t type, std::size_t length);
void endChunk(std::vector<uint8_t>& out, std::size_t length);

} // namespace kelvopng
