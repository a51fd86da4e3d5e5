#include "kelvopayloadreader.h"

#include "kelvodataprocessor.h"
#include "kelvolengthheader.h"

KelvoPayloadReader::KelvoPayloadReader(int level) : m_level(kelvoPackingLevel(level)) {
    if (m_level == nullptr) {
        m_phase = Phase::Done;
    }
}

bool KelvoPayloadReader::take(uint32_t pixel) {
    switch (m_phase) {
    case Phase::HeaderA:
    case Phase::HeaderB:
        m_header |= uint32_t(kelvoReadHeaderByte(pixel)) << (8 * m_headerPixel);
        if (++m_headerPixel < kHeaderPixels) {
            break;
        }
        if (m_phase == Phase::HeaderA) {
            startStream(Phase::Records, m_header);
        } else if (m_header == kNoColourTable) {
            m_phase = Phase::Done;
        } else {
            startStream(Phase::Colours, m_header);
        }
        break;
    case Phase::Records:
    case Phase::Colours:
        takeBits(pixel);
        break;
    case Phase::Done:
        break;
    }
    return m_phase != Phase::Done;
}

void KelvoPayloadReader::startHeader(Phase phase) {
    m_phase = phase;
    m_header = 0;
    m_headerPixel = 0;
}

void KelvoPayloadReader::startStream(Phase phase, uint32_t length) {
    if (length > KelvoDataProcessor::kMaxStreamLength) {
        m_phase = Phase::Done;
        return;
    }
    m_phase = phase;
    m_length = length;
    m_bits = 0;
    m_bitCount = 0;
    if (length == 0) {
        finishStream();
    }
}

void KelvoPayloadReader::finishStream() {
    if (m_phase == Phase::Records) {
        m_recordsComplete = true;
        startHeader(Phase::HeaderB);
    } else {
        m_coloursComplete = true;
        m_phase = Phase::Done;
    }
}

void KelvoPayloadReader::takeBits(uint32_t pixel) {
    std::vector<uint8_t>& target = m_phase == Phase::Records ? m_records : m_colours;
    m_bits |= uint64_t(m_level->read(pixel)) << m_bitCount;
    m_bitCount += m_level->bits;
    while (m_bitCount >= 8) {
        target.push_back(uint8_t(m_bits));
        m_bits >>= 8;
        m_bitCount -= 8;
        if (target.size() == m_length) {
            // Bits of the pixel beyond the stream's last byte carry nothing.
            finishStream();
            return;
        }
    }
}
