// How often each byte value occurs in a buffer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Four histograms are taken in turn and summed, so that runs of one value (a region's id, a
// flat area's byte) do not wait on one counter.
inline std::array<uint64_t, 256> kelvoByteHistogram(const uint8_t* data, std::size_t size) {
    std::array<std::array<uint64_t, 256>, 4> histograms{};
    std::size_t i = 0;
    for (; i + 4 <= size; i += 4) {
        for (std::size_t k = 0; k < 4; ++k) {
            ++histograms[k][data[i + k]];
        }
    }
    for (; i < size; ++i) {
        ++histograms[0][data[i]];
    }
    std::array<uint64_t, 256> sum{};
    for (std::size_t v = 0; v < sum.size(); ++v) {
        sum[v] = histograms[0][v] + histograms[1][v] + histograms[2][v] + histograms[3][v];
    }
    return sum;
}
