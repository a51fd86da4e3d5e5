// Reading PNG data into the codec's 32-bit pixels (kelvoimagebuffers.h) without a GUI toolkit.
//
// The pixels come out exactly as Qt's PNG reader gives them after conversion to Format_RGB32 or
// Format_ARGB32 (unpremultiplied 0xAARRGGBB), for every colour type and bit depth: 16-bit
// samples are rounded to 8 bits, palette and grey pictures are expanded, tRNS applies, and
// gamma or colour profile chunks leave the samples alone, as Qt's reader does. 8-bit RGB and
// RGBA pictures without interlacing (every coded picture) take a fast path over ISA-L;
// everything else goes through libspng.
#pragma once

#include "kelvoimagebuffers.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct spng_ctx;

struct KelvoPngHeader {
    int width = 0;
    int height = 0;
    // Some pixel may be translucent: the picture belongs in Format_ARGB32, not Format_RGB32.
    bool hasAlpha = false;
    // Bits per pixel of the QImage Qt's reader makes of the file (1, 8, 16, 32 or 64); the
    // codec codes nothing in pictures below 24.
    int qtDepth = 32;
    // A gAMA, cHRM or sRGB chunk: the samples are read as they are, but Qt's reader derives a
    // colour space from these.
    bool colourChunks = false;
    // The ICC profile of an iCCP chunk, uncompressed; empty without one.
    std::string iccProfile;
};

enum class KelvoPngStatus {
    Ok,
    NotPng,   // no PNG signature
    TooLarge, // beyond the limits below; nothing was allocated
    Damaged,  // anything else this reader refuses (another reader may still make sense of it)
};

class KelvoPngReader {
public:
    // The memory a decoded picture may take, at the depth Qt would give it or 32 bits.
    static constexpr uint64_t kMaxPixelBytes = uint64_t(256) << 20;
    static constexpr uint32_t kMaxSide = 1u << 24;
    // Ancillary chunks (text, profiles) kept while reading, each and in all.
    static constexpr std::size_t kMaxChunkBytes = std::size_t(64) << 20;

    static bool isPng(const void* data, std::size_t size);

    // `data` must stay valid while the reader is used.
    KelvoPngReader(const void* data, std::size_t size);
    ~KelvoPngReader();
    KelvoPngReader(const KelvoPngReader&) = delete;
    KelvoPngReader& operator=(const KelvoPngReader&) = delete;

    // Reads the chunks before the pixel data and checks the limits.
    KelvoPngStatus readHeader(KelvoPngHeader& header);
    // Decodes the pixels into `target`, which must have the header's size and 32 bits.
    KelvoPngStatus readPixels(const KelvoPixelBuffer& target);
    // Why the last call failed.
    const std::string& error() const { return m_error; }

private:
    KelvoPngStatus fail(KelvoPngStatus status, std::string reason);
    KelvoPngStatus readGeneral(const KelvoPixelBuffer& target);

    const uint8_t* m_data;
    std::size_t m_size;
    std::unique_ptr<spng_ctx, void (*)(spng_ctx*)> m_ctx;
    KelvoPngHeader m_header;
    uint8_t m_colourType = 0;
    uint8_t m_bitDepth = 0;
    bool m_interlaced = false;
    bool m_hasTrns = false;
    bool m_headerRead = false;
    std::string m_error;
};
