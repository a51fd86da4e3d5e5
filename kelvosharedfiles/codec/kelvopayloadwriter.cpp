#include "kelvopayloadwriter.h"

#include "kelvolengthheader.h"

#include <algorithm>

namespace {

// `count` (at most 23) bits of `stream` from bit `bit` on, each byte read from its bit 0 up.
uint32_t bitsAt(const std::vector<uint8_t>& stream, uint64_t bit, int count) {
    const std::size_t first = std::size_t(bit >> 3);
    uint64_t window = 0;
    for (std::size_t i = 0; i < 4 && first + i < stream.size(); ++i) {
        window |= uint64_t(stream[first + i]) << (8 * i);
    }
    return uint32_t(window >> (bit & 7)) & ((1u << count) - 1);
}

} // namespace

KelvoPayloadWriter::KelvoPayloadWriter(const KelvoPackingLevel& level,
                                       const std::vector<uint8_t>& records,
                                       const std::vector<uint8_t>* colours)
    : m_level(level), m_records(records), m_colours(colours) {
    startHeader(Phase::HeaderA, uint32_t(records.size()));
}

bool KelvoPayloadWriter::put(uint32_t& pixel) {
    switch (m_phase) {
    case Phase::HeaderA:
    case Phase::HeaderB:
        pixel = kelvoWriteHeaderByte(pixel, uint8_t(m_header >> (8 * m_headerPixel)));
        if (++m_headerPixel == kHeaderPixels) {
            nextAfter(m_phase);
        }
        break;
    case Phase::Records:
    case Phase::Colours:
        putBits(pixel);
        break;
    case Phase::Done:
        break;
    }
    return m_phase != Phase::Done;
}

void KelvoPayloadWriter::startHeader(Phase phase, uint32_t value) {
    m_phase = phase;
    m_header = value;
    m_headerPixel = 0;
}

// A stream without bytes is complete before it takes a pixel.
void KelvoPayloadWriter::startStream(Phase phase, const std::vector<uint8_t>* stream) {
    if (stream == nullptr || stream->empty()) {
        nextAfter(phase);
        return;
    }
    m_phase = phase;
    m_stream = stream;
    m_bit = 0;
}

void KelvoPayloadWriter::nextAfter(Phase phase) {
    switch (phase) {
    case Phase::HeaderA:
        startStream(Phase::Records, &m_records);
        break;
    case Phase::Records:
        startHeader(Phase::HeaderB, m_colours ? uint32_t(m_colours->size()) : kNoColourTable);
        break;
    case Phase::HeaderB:
        startStream(Phase::Colours, m_colours);
        break;
    case Phase::Colours:
    case Phase::Done:
        m_phase = Phase::Done;
        break;
    }
}

void KelvoPayloadWriter::putBits(uint32_t& pixel) {
    const uint64_t total = uint64_t(m_stream->size()) * 8;
    const int count = int(std::min<uint64_t>(uint64_t(m_level.bits), total - m_bit));
    uint32_t value = bitsAt(*m_stream, m_bit, count);
    if (count < m_level.bits) {
        // The stream's last pixel keeps its remaining data bits.
        value |= m_level.read(pixel) & ~((1u << count) - 1);
    }
    pixel = m_level.write(pixel, value);
    m_bit += uint64_t(count);
    if (m_bit == total) {
        nextAfter(m_phase);
    }
}
