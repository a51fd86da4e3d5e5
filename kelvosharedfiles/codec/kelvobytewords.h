// Eight bytes of an 8-bit plane at a time, for scans that pass over long uniform runs.
#pragma once

#include <cstdint>
#include <cstring>

constexpr uint64_t kKelvoEveryByte = 0x0101010101010101ull;

inline uint64_t kelvoWordAt(const uint8_t* p) {
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// 0x01 in each byte of `word` that is zero, 0x00 in the others (exact: no carries between
// bytes).
inline uint64_t kelvoZeroBytes(uint64_t word) {
    constexpr uint64_t kLowSeven = 0x7f7f7f7f7f7f7f7full;
    return ~(((word & kLowSeven) + kLowSeven) | word | kLowSeven) >> 7;
}
