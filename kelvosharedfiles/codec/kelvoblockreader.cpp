#include "kelvoblockreader.h"

#include "kelvobyteorder.h"

bool KelvoBlockReader::skip(std::size_t n) {
    if (!fits(n))
        return false;
    m_pos += n;
    return true;
}

bool KelvoBlockReader::readU8(uint8_t& v) {
    if (!fits(1))
        return false;
    v = m_block[m_pos++];
    return true;
}

bool KelvoBlockReader::readU32(uint32_t& v) {
    if (!fits(4))
        return false;
    v = kelvoGetLe32(m_block + m_pos);
    m_pos += 4;
    return true;
}

bool KelvoBlockReader::readI32(int32_t& v) {
    uint32_t u = 0;
    if (!readU32(u))
        return false;
    v = static_cast<int32_t>(u);
    return true;
}

bool KelvoBlockReader::readBytes(std::size_t n, const uint8_t*& data) {
    if (!fits(n))
        return false;
    data = m_block + m_pos;
    m_pos += n;
    return true;
}

bool KelvoBlockReader::readTerminator(uint8_t terminator) {
    if (atEnd() || m_block[m_pos] != terminator)
        return false;
    ++m_pos;
    return true;
}
