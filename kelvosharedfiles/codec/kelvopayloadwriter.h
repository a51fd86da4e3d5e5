// Writes one region's payload (header A, record stream, header B, colour table; see
// kelvolengthheader.h) into the region's data pixels, handed in one at a time in raster order.
#pragma once

#include "kelvopackinglevels.h"

#include <cstdint>
#include <vector>

class KelvoPayloadWriter {
public:
    // The streams are not copied and must outlive the writer. Without a colour table
    // (`colours` nullptr) header B says kNoColourTable.
    KelvoPayloadWriter(const KelvoPackingLevel& level, const std::vector<uint8_t>& records,
                       const std::vector<uint8_t>* colours);

    // Writes the next part of the sequence into `pixel`, or nothing once the sequence is
    // complete. Returns whether more pixels are wanted.
    bool put(uint32_t& pixel);
    bool complete() const { return m_phase == Phase::Done; }

private:
    enum class Phase { HeaderA, Records, HeaderB, Colours, Done };

    void startHeader(Phase phase, uint32_t value);
    void startStream(Phase phase, const std::vector<uint8_t>* stream);
    void nextAfter(Phase phase);
    void putBits(uint32_t& pixel);

    const KelvoPackingLevel& m_level;
    const std::vector<uint8_t>& m_records;
    const std::vector<uint8_t>* m_colours;
    Phase m_phase = Phase::HeaderA;
    uint32_t m_header = 0;
    int m_headerPixel = 0;
    const std::vector<uint8_t>* m_stream = nullptr;
    uint64_t m_bit = 0;
};
