// Reads one region's payload (header A, record stream, header B, colour table; see
// kelvolengthheader.h) from the region's data pixels, handed in one at a time in raster order.
//
// Pictures come from outside: a length above KelvoDataProcessor::kMaxStreamLength, which no
// reader could inflate, ends the reading, and memory grows only with the pixels actually read,
// so a length that the region cannot hold costs no more than the region's own pixels.
#pragma once

#include "kelvopackinglevels.h"

#include <cstdint>
#include <vector>

class KelvoPayloadReader {
public:
    // At a level outside 1..14 nothing is read.
    explicit KelvoPayloadReader(int level);

    // Takes the next data pixel. Returns whether more pixels are wanted.
    bool take(uint32_t pixel);

    // The record stream, when all of it was read.
    bool recordsComplete() const { return m_recordsComplete; }
    const std::vector<uint8_t>& records() const { return m_records; }
    // The colour table stream, when header B announced one and all of it was read.
    bool coloursComplete() const { return m_coloursComplete; }
    const std::vector<uint8_t>& colours() const { return m_colours; }

private:
    enum class Phase { HeaderA, Records, HeaderB, Colours, Done };

    void startHeader(Phase phase);
    void startStream(Phase phase, uint32_t length);
    void finishStream();
    void takeBits(uint32_t pixel);

    const KelvoPackingLevel* m_level;
    Phase m_phase = Phase::HeaderA;
    uint32_t m_header = 0;
    int m_headerPixel = 0;
    uint32_t m_length = 0;
    uint64_t m_bits = 0; // bits taken but not yet a whole byte, first in bit 0
    int m_bitCount = 0;
    std::vector<uint8_t> m_records;
    std::vector<uint8_t> m_colours;
    bool m_recordsComplete = false;
    bool m_coloursComplete = false;
};
