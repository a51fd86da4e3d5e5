#include "kelvopngreader.h"

#include "kelvopngchunks.h"
#include "kelvopngrgbreader.h"

#include <spng.h>

#include <algorithm>
#include <new>
#include <vector>

using namespace kelvopng;

namespace {

// Qt's rounding of a 16-bit sample to 8 bits when it converts 64-bit pictures to 32 bits.
uint32_t to8(uint16_t v) {
    return (uint32_t(v) + 128) / 257;
}

std::string spngReason(int code) {
    return spng_strerror(code);
}

} // namespace

bool KelvoPngReader::isPng(const void* data, std::size_t size) {
    return hasSignature(data, size);
}

KelvoPngReader::KelvoPngReader(const void* data, std::size_t size)
    : m_data(static_cast<const uint8_t*>(data)), m_size(size), m_ctx(nullptr, spng_ctx_free) {}

KelvoPngReader::~KelvoPngReader() = default;

KelvoPngStatus KelvoPngReader::fail(KelvoPngStatus status, std::string reason) {
    m_error = std::move(reason);
    return status;
}

KelvoPngStatus KelvoPngReader::readHeader(KelvoPngHeader& header) {
    if (!isPng(m_data, m_size)) {
        return fail(KelvoPngStatus::NotPng, "not a PNG stream");
    }
    m_ctx.reset(spng_ctx_new(0));
    if (!m_ctx) {
        return fail(KelvoPngStatus::Damaged, "out of memory");
    }
    spng_ctx* ctx = m_ctx.get();
    spng_set_png_buffer(ctx, m_data, m_size);
    spng_set_image_limits(ctx, kMaxSide, kMaxSide);
    spng_set_chunk_limits(ctx, kMaxChunkBytes, kMaxChunkBytes);
    // Like libpng: a damaged critical chunk is an error, a damaged ancillary one is dropped.
    spng_set_crc_action(ctx, SPNG_CRC_ERROR, SPNG_CRC_DISCARD);

    spng_ihdr ihdr{};
    if (const int code = spng_get_ihdr(ctx, &ihdr)) {
        const bool tooLarge = code == SPNG_EUSER_WIDTH || code == SPNG_EUSER_HEIGHT;
        return fail(tooLarge ? KelvoPngStatus::TooLarge : KelvoPngStatus::Damaged,
                    spngReason(code));
    }
    spng_trns trns{};
    const int trnsCode = spng_get_trns(ctx, &trns);
    if (trnsCode != 0 && trnsCode != SPNG_ECHUNKAVAIL) {
        return fail(KelvoPngStatus::Damaged, spngReason(trnsCode));
    }
    m_hasTrns = trnsCode == 0;
    m_colourType = ihdr.color_type;
    m_bitDepth = ihdr.bit_depth;
    m_interlaced = ihdr.interlace_method != 0;

    KelvoPngHeader result;
    result.width = int(ihdr.width);
    result.height = int(ihdr.height);
    const bool wide = m_bitDepth == 16;
    switch (m_colourType) {
    case Grey:
        // Qt keeps grey pictures in 1, 8 or 16 bits, with tRNS as a transparent palette entry.
        result.qtDepth = wide ? (m_hasTrns ? 64 : 16) : (m_bitDepth == 1 ? 1 : 8);
        result.hasAlpha = m_hasTrns && (wide || trns.gray < (1u << m_bitDepth));
        break;
    case Palette: {
        result.qtDepth = m_bitDepth == 1 ? 1 : 8;
        result.hasAlpha =
            m_hasTrns && std::any_of(trns.type3_alpha, trns.type3_alpha + trns.n_type3_entries,
                                     [](uint8_t a) { return a != 0xff; });
        break;
    }
    default:
        result.qtDepth = wide ? 64 : 32;
        result.hasAlpha = (m_colourType & 4) != 0 || m_hasTrns;
        break;
    }
    double gamma = 0;
    spng_chrm_int chrm{};
    uint8_t intent = 0;
    result.colourChunks = spng_get_gama(ctx, &gamma) == 0 || spng_get_chrm_int(ctx, &chrm) == 0 ||
                          spng_get_srgb(ctx, &intent) == 0;
    spng_iccp iccp{};
    if (spng_get_iccp(ctx, &iccp) == 0 && iccp.profile) {
        result.iccProfile.assign(iccp.profile, iccp.profile_len);
    }
    const uint64_t bytesPerPixel = std::max(result.qtDepth, 32) / 8;
    if (uint64_t(ihdr.width) * ihdr.height * bytesPerPixel > kMaxPixelBytes) {
        return fail(KelvoPngStatus::TooLarge, "the picture needs more than 256 MB");
    }
    m_header = result;
    m_headerRead = true;
    header = result;
    return KelvoPngStatus::Ok;
}

KelvoPngStatus KelvoPngReader::readPixels(const KelvoPixelBuffer& target) {
    if (!m_headerRead) {
        KelvoPngHeader header;
        if (const KelvoPngStatus status = readHeader(header); status != KelvoPngStatus::Ok) {
            return status;
        }
    }
    if (!target.pixels || target.width != m_header.width || target.height != m_header.height ||
        target.depth != 32) {
        return fail(KelvoPngStatus::Damaged, "the target does not fit the picture");
    }
    // The general reader stops once it has every row and never checks the stream's Adler-32, so
    // a picture that the checked fast path refuses is damaged, not one to try again.
    if (m_bitDepth == 8 && (m_colourType == Rgb || m_colourType == Rgba) && !m_interlaced &&
        !m_hasTrns) {
        return kelvoReadRgbPng(m_data, m_size, target)
                   ? KelvoPngStatus::Ok
                   : fail(KelvoPngStatus::Damaged, "the picture's pixel data are damaged");
    }
    return readGeneral(target);
}

// Any colour type, bit depth and interlacing through libspng, as 8- or 16-bit RGBA.
KelvoPngStatus KelvoPngReader::readGeneral(const KelvoPixelBuffer& target) {
    spng_ctx* ctx = m_ctx.get();
    const bool wide = m_bitDepth == 16;
    const int format = wide ? SPNG_FMT_RGBA16 : SPNG_FMT_RGBA8;
    std::size_t bytes = 0;
    if (const int code = spng_decoded_image_size(ctx, format, &bytes)) {
        return fail(KelvoPngStatus::Damaged, spngReason(code));
    }
    std::vector<uint8_t> decoded;
    try {
        decoded.resize(bytes);
    } catch (const std::bad_alloc&) {
        return fail(KelvoPngStatus::TooLarge, "out of memory");
    }
    if (const int code = spng_decode_image(ctx, decoded.data(), bytes, format, SPNG_DECODE_TRNS)) {
        return fail(KelvoPngStatus::Damaged, spngReason(code));
    }
    // Qt turns a grey tRNS key of 2 to 8 bits into a fully transparent black palette entry.
    const bool keyToZero = m_colourType == Grey && m_hasTrns && m_bitDepth >= 2 && !wide;
    const uint32_t opaque = m_header.hasAlpha ? 0 : 0xff000000u;
    for (int y = 0; y < target.height; ++y) {
        uint32_t* out = target.row(y);
        if (wide) {
            const auto* in = reinterpret_cast<const uint16_t*>(decoded.data()) +
                             std::size_t(y) * target.width * 4;
            for (int x = 0; x < target.width; ++x, in += 4) {
                out[x] =
                    opaque | to8(in[3]) << 24 | to8(in[0]) << 16 | to8(in[1]) << 8 | to8(in[2]);
            }
            continue;
        }
        const uint8_t* in = decoded.data() + std::size_t(y) * target.width * 4;
        for (int x = 0; x < target.width; ++x, in += 4) {
            const uint32_t alpha = in[3];
            out[x] = keyToZero && alpha == 0 ? 0
                                             : opaque | alpha << 24 | uint32_t(in[0]) << 16 |
                                                   uint32_t(in[1]) << 8 | in[2];
        }
    }
    return KelvoPngStatus::Ok;
}
