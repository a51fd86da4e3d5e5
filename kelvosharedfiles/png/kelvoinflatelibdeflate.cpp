// The checksums and inflate where ISA-L is not available (the WebAssembly build): libdeflate
// inflates, zlib sums the CRC-32, and the Adler-32 is summed here, sixteen bytes at a time with
// WebAssembly SIMD. libdeflate inflates a stream only whole, so the pieces fed are gathered
// first: at most the compressed stream, a fraction of the pixels it makes.
#include "kelvobyteorder.h"
#include "kelvoinflate.h"
#include "kelvopngchunks.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <new>
#include <vector>

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

uint32_t kelvoCrc32(uint32_t crc, const uint8_t* data, std::size_t length) {
    return uint32_t(crc32_z(crc, data, length));
}

#if defined(__wasm_simd128__)

namespace {

constexpr uint32_t kAdlerBase = 65521;

uint32_t sumOfLanes(v128_t v) {
    return uint32_t(wasm_i32x4_extract_lane(v, 0)) + uint32_t(wasm_i32x4_extract_lane(v, 1)) +
           uint32_t(wasm_i32x4_extract_lane(v, 2)) + uint32_t(wasm_i32x4_extract_lane(v, 3));
}

// Adds `n` bytes, a multiple of 16, to the sums `a` and `b`. Byte j of n adds itself to a and
// (n - j) times itself to b: per 16 bytes, the sum so far sixteen times and the bytes weighted
// 16 down to 1. Out of line: a WebAssembly engine moves a function to optimised code between its
// calls, never during one.
[[gnu::noinline]] void addAdlerBlock(uint32_t& a, uint32_t& b, const uint8_t* data, std::size_t n) {
    const v128_t firstWeights = wasm_i16x8_make(16, 15, 14, 13, 12, 11, 10, 9);
    const v128_t lastWeights = wasm_i16x8_make(8, 7, 6, 5, 4, 3, 2, 1);
    v128_t sums = wasm_i32x4_splat(0);
    v128_t sumsBefore = sums;
    v128_t weighted = sums;
    for (std::size_t i = 0; i < n; i += 16) {
        const v128_t bytes = wasm_v128_load(data + i);
        sumsBefore = wasm_i32x4_add(sumsBefore, sums);
        sums = wasm_i32x4_add(
            sums, wasm_u32x4_extadd_pairwise_u16x8(wasm_u16x8_extadd_pairwise_u8x16(bytes)));
        weighted = wasm_i32x4_add(
            weighted,
            wasm_i32x4_add(wasm_i32x4_dot_i16x8(wasm_u16x8_extend_low_u8x16(bytes), firstWeights),
                           wasm_i32x4_dot_i16x8(wasm_u16x8_extend_high_u8x16(bytes), lastWeights)));
    }
    b = (b + a * uint32_t(n) + 16 * sumOfLanes(sumsBefore) + sumOfLanes(weighted)) % kAdlerBase;
    a = (a + sumOfLanes(sums)) % kAdlerBase;
}

} // namespace

// Sixteen bytes at a time, the rest by zlib, in blocks of at most 5552 bytes: the longest whose
// sums stay within 32 bits.
uint32_t kelvoAdler32(uint32_t adler, const uint8_t* data, std::size_t length) {
    constexpr std::size_t kBlock = 5552 / 16 * 16;
    uint32_t a = adler & 0xffff;
    uint32_t b = adler >> 16;
    while (length >= 16) {
        const std::size_t n = std::min(length, kBlock) / 16 * 16;
        addAdlerBlock(a, b, data, n);
        data += n;
        length -= n;
    }
    return uint32_t(adler32_z(b << 16 | a, data, length));
}

#else

uint32_t kelvoAdler32(uint32_t adler, const uint8_t* data, std::size_t length) {
    return uint32_t(adler32_z(adler, data, length));
}

#endif

struct KelvoInflater::State {
    libdeflate_decompressor* decompressor = libdeflate_alloc_decompressor();
    std::vector<uint8_t> stream; // what was fed since begin
    bool zlib = false;
    uint8_t* out = nullptr;
    std::size_t size = 0;

    ~State() { libdeflate_free_decompressor(decompressor); }
};

bool KelvoInflater::begin(bool zlib, uint8_t* out, std::size_t size) {
    if (!m_state || !m_state->decompressor) {
        return false;
    }
    m_state->stream.clear();
    m_state->zlib = zlib;
    m_state->out = out;
    m_state->size = size;
    return true;
}

bool KelvoInflater::feed(const uint8_t* data, std::size_t length) {
    m_state->stream.insert(m_state->stream.end(), data, data + length);
    return true;
}

// A zlib stream is its header, raw deflate data and the Adler-32 of what they make.
bool KelvoInflater::finish() {
    State& state = *m_state;
    const uint8_t* data = state.stream.data();
    std::size_t length = state.stream.size();
    if (state.zlib) {
        if (length < kelvopng::kZlibHeaderBytes || !kelvopng::zlibHeaderValid(data)) {
            return false;
        }
        data += kelvopng::kZlibHeaderBytes;
        length -= kelvopng::kZlibHeaderBytes;
    }
    std::size_t used = 0;
    std::size_t made = 0;
    if (libdeflate_deflate_decompress_ex(state.decompressor, data, length, state.out, state.size,
                                         &used, &made) != LIBDEFLATE_SUCCESS ||
        made != state.size) {
        return false;
    }
    return !state.zlib || (length - used >= kelvopng::kZlibTrailerBytes &&
                           kelvoAdler32(1, state.out, made) == kelvoGetBe32(data + used));
}

KelvoInflater::KelvoInflater() : m_state(new (std::nothrow) State) {}

KelvoInflater::~KelvoInflater() = default;
