// Sub and Up rows of 8-bit RGB and RGBA pictures four pixels at a time, in 16-byte vectors,
// where the target has byte shuffles (WebAssembly SIMD). A Sub row is a running sum along the
// row: within four pixels it takes two shifted additions, and the last pixel's sum carries into
// the next four. Elsewhere the word-at-a-time rows of the reader do all the work.
#pragma once

#include <cstdint>
#include <cstring>

namespace kelvopng {

#if defined(__wasm_simd128__)

using Lanes = uint8_t __attribute__((vector_size(16)));

inline Lanes loadLanes(const uint8_t* p) {
    Lanes v;
    std::memcpy(&v, p, sizeof(v));
    return v;
}

// Unfilters the row's first pixels into `out` (0xAARRGGBB), writing the samples back when
// `keep`, and returns how many it did; a Sub row's `left` (0 before) receives the last one's
// samples (R in the low byte). Loads read 16 bytes, so pixels whose 16 bytes would pass the row's
// end are left.
template <int Bpp, bool FromLeft>
int unfilterLanes(uint8_t* row, const uint8_t* prior, uint32_t* out, int width, bool keep,
                  uint32_t& left) {
    static_assert(Bpp == 3 || Bpp == 4);
    constexpr int kUsed = 4 * Bpp; // bytes of the four pixels; an RGB vector's last 4 are not
    const Lanes zero{};
    const Lanes opaque = zero + 0xff;
    Lanes carry = zero;
    int x = 0;
    for (; (x + 4) * Bpp + (16 - kUsed) <= width * Bpp; x += 4) {
        Lanes v = loadLanes(row + x * Bpp);
        if constexpr (!FromLeft) {
            v += loadLanes(prior + x * Bpp);
        } else if constexpr (Bpp == 3) {
            v += __builtin_shufflevector(v, zero, 16, 16, 16, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
                                         12);
            v += __builtin_shufflevector(v, zero, 16, 16, 16, 16, 16, 16, 0, 1, 2, 3, 4, 5, 6, 7, 8,
                                         9);
            v += carry;
            carry = __builtin_shufflevector(v, v, 9, 10, 11, 9, 10, 11, 9, 10, 11, 9, 10, 11, 9, 10,
                                            11, 9);
        } else {
            v += __builtin_shufflevector(v, zero, 16, 16, 16, 16, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10,
                                         11);
            v += __builtin_shufflevector(v, zero, 16, 16, 16, 16, 16, 16, 16, 16, 0, 1, 2, 3, 4, 5,
                                         6, 7);
            v += carry;
            carry = __builtin_shufflevector(v, v, 12, 13, 14, 15, 12, 13, 14, 15, 12, 13, 14, 15,
                                            12, 13, 14, 15);
        }
        if (keep) {
            std::memcpy(row + x * Bpp, &v, kUsed);
        }
        Lanes argb;
        if constexpr (Bpp == 3) {
            argb = __builtin_shufflevector(v, opaque, 2, 1, 0, 16, 5, 4, 3, 16, 8, 7, 6, 16, 11, 10,
                                           9, 16);
        } else {
            argb =
                __builtin_shufflevector(v, v, 2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
        }
        std::memcpy(out + x, &argb, sizeof(argb));
    }
    if (FromLeft) {
        std::memcpy(&left, &carry, Bpp);
    }
    return x;
}

#else

template <int Bpp, bool FromLeft>
int unfilterLanes(uint8_t*, const uint8_t*, uint32_t*, int, bool, uint32_t&) {
    return 0;
}

#endif

} // namespace kelvopng
