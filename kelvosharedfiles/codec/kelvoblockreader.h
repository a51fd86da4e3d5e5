// Little-endian reader over one shaped-text block. Inside a block something always follows a
// field (at least the terminator), so every field read fails when it would take the block's
// last byte; only the terminator itself may be the last byte.
#pragma once

#include <cstddef>
#include <cstdint>

class KelvoBlockReader {
public:
    KelvoBlockReader(const uint8_t* block, std::size_t length, std::size_t pos = 0)
        : m_block(block), m_length(length), m_pos(pos) {}

    std::size_t position() const { return m_pos; }
    bool atEnd() const { return m_pos >= m_length; }

    // Each returns false, consuming nothing, when the field does not fit.
    bool skip(std::size_t n);
    bool readU8(uint8_t& v);
    bool readU32(uint32_t& v);
    bool readI32(int32_t& v);
    // Points `data` at the next n bytes inside the block.
    bool readBytes(std::size_t n, const uint8_t*& data);
    // True when the next byte exists and equals `terminator`; consumes it.
    bool readTerminator(uint8_t terminator);

private:
    bool fits(std::size_t n) const { return m_pos < m_length && n < m_length - m_pos; }

    const uint8_t* m_block;
    std::size_t m_length;
    std::size_t m_pos;
};
