#include "kelvoinflate.h"

#include <new>

#if KELVO_PNG_ISAL
#include <isa-l/crc.h>
#include <isa-l/igzip_lib.h>
#else
#include <zlib.h>
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

uint32_t kelvoAdler32(uint32_t adler, const uint8_t* data, std::size_t length) {
    return uint32_t(adler32_z(adler, data, length));
}

struct KelvoInflater::State {
    z_stream zlib{};
    bool open = false;
    bool ended = false;
    std::size_t size = 0;

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
    state.open = inflateInit2(&state.zlib, zlib ? MAX_WBITS : -MAX_WBITS) == Z_OK;
    state.zlib.next_out = out;
    state.zlib.avail_out = uInt(size);
    state.ended = false;
    state.size = size;
    return state.open;
}

bool KelvoInflater::feed(const uint8_t* data, std::size_t length) {
    State& state = *m_state;
    state.zlib.next_in = const_cast<Bytef*>(data);
    state.zlib.avail_in = uInt(length);
    while (state.zlib.avail_in > 0 && !state.ended) {
        const int status = inflate(&state.zlib, Z_NO_FLUSH);
        if (status == Z_STREAM_END) {
            state.ended = true;
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
