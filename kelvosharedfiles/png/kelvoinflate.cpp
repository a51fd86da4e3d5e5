#include "kelvoinflate.h"

#include <new>

#if KELVO_PNG_ISAL
#include <isa-l/crc.h>
#include <isa-l/igzip_lib.h>
#else
#include "kelvobyteorder.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif
#endif

#if KELVO_PNG_ISAL

uint32_t kelvoCrc32(uint32_t crc, const uint8_t* data, std::size_t length) {
    return crc32_gzip_refl(crc, data, length);
}

uint32_t kelvoAdler32(uint32_t adler, const uint8_t* data, std::size_t length) {
    return isal_adler32(adler, data, length);
}

// ISA-L's state is tens of kilobytes: made once per inflater.
struct KelvoInflater::State {
    inflate_state isal;
    std::size_t size = 0;
};

bool KelvoInflater::begin(bool zlib, uint8_t* out, std::size_t size) {
    if (!m_state || size > UINT32_MAX) {
        return false;
    }
    inflate_state& state = m_state->isal;
    isal_inflate_init(&state);
    state.crc_flag = zlib ? ISAL_ZLIB : ISAL_DEFLATE;
    state.next_out = out;
    state.avail_out = uint32_t(size);
    m_state->size = size;
    return true;
}

bool KelvoInflater::feed(const uint8_t* data, std::size_t length) {
    inflate_state& state = m_state->isal;
    state.next_in = const_cast<uint8_t*>(data);
    state.avail_in = uint32_t(length);
    while (state.avail_in > 0 && state.block_state != ISAL_BLOCK_FINISH) {
        const uint32_t in = state.avail_in;
        const uint32_t room = state.avail_out;
        if (isal_inflate(&state) != ISAL_DECOMP_OK ||
            (state.avail_in == in && state.avail_out == room)) {
            return false;
        }
    }
    return true;
}

bool KelvoInflater::finished() const {
    return m_state->isal.block_state == ISAL_BLOCK_FINISH &&
           m_state->isal.total_out == m_state->size;
}

#else

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
// 16 down to 1. Out of line, as the PNG reader's rows: engines optimise a function between its
// calls.
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

// A zlib stream's Adler-32 is checked here, by kelvoAdler32 over the whole output, rather than
// by zlib as it goes: zlib's sum is the slower one. Each call of inflate makes at most
// kOutputSlice bytes, so that the engine optimises zlib's inner loop after the first slices
// instead of running a whole picture through it in baseline code.
constexpr std::size_t kOutputSlice = std::size_t(64) << 10;

struct KelvoInflater::State {
    z_stream zlib{};
    bool open = false;
    bool ended = false;
    bool checked = false; // a zlib stream, whose last four bytes are its Adler-32
    uint8_t* out = nullptr;
    std::size_t size = 0;
    uint8_t lastBytes[4] = {}; // the last four bytes inflate took in

    void tookIn(const uint8_t* from, const uint8_t* to) {
        const std::size_t n = std::min<std::size_t>(std::size_t(to - from), sizeof(lastBytes));
        std::memmove(lastBytes, lastBytes + n, sizeof(lastBytes) - n);
        std::memcpy(lastBytes + sizeof(lastBytes) - n, to - n, n);
    }

    ~State() {
        if (open) {
            inflateEnd(&zlib);
        }
    }
};

bool KelvoInflater::begin(bool zlib, uint8_t* out, std::size_t size) {
    if (!m_state || size > UINT32_MAX) {
        return false;
    }
    State& state = *m_state;
    if (state.open) {
        inflateEnd(&state.zlib);
    }
    state.zlib = z_stream{};
    state.open = inflateInit2(&state.zlib, zlib ? MAX_WBITS : -MAX_WBITS) == Z_OK &&
                 (!zlib || inflateValidate(&state.zlib, 0) == Z_OK);
    state.zlib.next_out = out;
    state.ended = false;
    state.checked = zlib;
    state.out = out;
    state.size = size;
    return state.open;
}

bool KelvoInflater::feed(const uint8_t* data, std::size_t length) {
    State& state = *m_state;
    state.zlib.next_in = const_cast<Bytef*>(data);
    state.zlib.avail_in = uInt(length);
    while (state.zlib.avail_in > 0 && !state.ended) {
        const Bytef* in = state.zlib.next_in;
        state.zlib.avail_out = uInt(std::min(state.size - state.zlib.total_out, kOutputSlice));
        const int status = inflate(&state.zlib, Z_NO_FLUSH);
        state.tookIn(in, state.zlib.next_in);
        if (status == Z_STREAM_END) {
            state.ended = true;
            const std::size_t made = state.zlib.total_out;
            if (state.checked &&
                kelvoAdler32(1, state.out, made) != kelvoGetBe32(state.lastBytes)) {
                return false;
            }
        } else if (status != Z_OK) {
            return false; // damaged, or more data than the memory holds
        }
    }
    return true;
}

bool KelvoInflater::finished() const {
    return m_state->ended && m_state->zlib.total_out == m_state->size;
}

#endif

KelvoInflater::KelvoInflater() : m_state(new (std::nothrow) State) {}

KelvoInflater::~KelvoInflater() = default;
