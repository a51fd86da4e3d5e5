#include "kelvoinflate.h"

#include <isa-l/crc.h>
#include <isa-l/igzip_lib.h>

#include <new>

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

bool KelvoInflater::finish() {
    return m_state->isal.block_state == ISAL_BLOCK_FINISH &&
           m_state->isal.total_out == m_state->size;
}

KelvoInflater::KelvoInflater() : m_state(new (std::nothrow) State) {}

KelvoInflater::~KelvoInflater() = default;
