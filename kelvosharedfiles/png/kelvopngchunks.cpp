#include "kelvopngchunks.h"

#include "kelvobyteorder.h"
#include "kelvoinflate.h"

#include <cstring>

namespace kelvopng {

namespace {

constexpr std::size_t kFrameBytes = 12; // length, type and CRC

uint32_t chunkCrc(const uint8_t* typeAndData, std::size_t length) {
    return kelvoCrc32(0, typeAndData, length + 4);
}

} // namespace

bool hasSignature(const void* data, std::size_t size) {
    return size >= sizeof(kSignature) && std::memcmp(data, kSignature, sizeof(kSignature)) == 0;
}

ChunkWalker::ChunkWalker(const uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

bool ChunkWalker::next(Chunk& chunk) {
    if (m_offset > m_size || m_size - m_offset < kFrameBytes) {
        return false;
    }
    const uint8_t* start = m_data + m_offset;
    const uint32_t length = kelvoGetBe32(start);
    if (length > m_size - m_offset - kFrameBytes) {
        return false;
    }
    chunk.type = kelvoGetBe32(start + 4);
    chunk.data = start + 8;
    chunk.length = length;
    chunk.crcValid =
        !isCritical(chunk.type) || chunkCrc(start + 4, length) == kelvoGetBe32(start + 8 + length);
    m_offset += kFrameBytes + length;
    return true;
}

void appendChunk(std::vector<uint8_t>& out, uint32_t type, const uint8_t* data,
                 std::size_t length) {
    beginChunk(out, type, length);
    out.insert(out.end(), data, data + length);
    endChunk(out, length);
}

void beginChunk(std::vector<uint8_t>& out, uint32_t type, std::size_t length) {
    kelvoPutBe32(out, static_cast<uint32_t>(length));
    kelvoPutBe32(out, type);
}

void endChunk(std::vector<uint8_t>& out, std::size_t length) {
    kelvoPutBe32(out, chunkCrc(out.data() + out.size() - length - 4, length));
}

} // namespace kelvopng
