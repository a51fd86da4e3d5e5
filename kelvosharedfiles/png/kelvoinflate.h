// The checksums and the inflate under the PNG reader and writer: ISA-L's in native builds
// (kelvoinflate.cpp), libdeflate's and zlib's where ISA-L is not available, as in the
// WebAssembly build (kelvoinflatelibdeflate.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

uint32_t kelvoCrc32(uint32_t crc, const uint8_t* data, std::size_t length);
uint32_t kelvoAdler32(uint32_t adler, const uint8_t* data, std::size_t length);

// Inflates one zlib stream (its Adler-32 checked) or one stretch of raw deflate data, fed in
// pieces, into exactly the memory given.
class KelvoInflater {
public:
    KelvoInflater();
    ~KelvoInflater();
    KelvoInflater(const KelvoInflater&) = delete;
    KelvoInflater& operator=(const KelvoInflater&) = delete;

    // Starts a stream that must fill `size` bytes at `out`; false without memory for it.
    bool begin(bool zlib, uint8_t* out, std::size_t size);
    // False when the data are damaged or hold more than fits.
    bool feed(const uint8_t* data, std::size_t length);
    // Ends the stream: true when it was whole, checked and filled the memory exactly.
    bool finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
