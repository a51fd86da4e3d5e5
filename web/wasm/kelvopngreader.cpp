#include "kelvopngreader.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint32_t kMaxChunkLength = 0x7FFFFFFFu;
constexpr int kAdam7Passes = 7;
constexpr std::array<int, kAdam7Passes> kStartX = {0, 4, 0, 2, 0, 1, 0};
constexpr std::array<int, kAdam7Passes> kStartY = {0, 0, 4, 0, 2, 0, 1};
constexpr std::array<int, kAdam7Passes> kStepX = {8, 8, 4, 4, 2, 2, 1};
constexpr std::array<int, kAdam7Passes> kStepY = {8, 8, 8, 4, 4, 2, 2};

enum ColourType : uint8_t { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

uint32_t be32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// 16 to 8 bits, rounded to nearest as Qt's PNG reader scales them.
uint32_t scale16(uint32_t x) {
    return (x * 255 + 32767) / 65535;
}

struct Header {
    int width = 0;
    int height = 0;
    int bitDepth = 0;
    int colourType = 0;
    bool interlaced = false;

    int channels() const {
        switch (colourType) {
        case Rgb:
            return 3;
        case GreyAlpha:
            return 2;
        case Rgba:
            return 4;
        default:
            return 1;
        }
    }
    bool valid() const {
        const int d = bitDepth;
        switch (colourType) {
        case Grey:
            return d == 1 || d == 2 || d == 4 || d == 8 || d == 16;
        case Palette:
            return d == 1 || d == 2 || d == 4 || d == 8;
        case Rgb:
        case GreyAlpha:
        case Rgba:
            return d == 8 || d == 16;
        default:
            return false;
        }
    }
    std::size_t rowBytes(int pixels) const {
        return (std::size_t(pixels) * channels() * bitDepth + 7) / 8;
    }
    std::size_t filterStep() const { return std::size_t(std::max(1, channels() * bitDepth / 8)); }
};

// Everything besides the image data that the pixels depend on.
struct Format {
    Header header;
    std::vector<uint32_t> palette; // 0xAARRGGBB
    bool hasTransparentColour = false;
    std::array<uint16_t, 3> transparent{}; // grey, or red, green, blue

    // The depth of the QImage that Qt's PNG reader makes of such a file.
    int qtDepth() const {
        const Header& h = header;
        if (h.colourType == Palette || (h.colourType == Grey && !hasTransparentColour)) {
            if (h.bitDepth == 16) {
                return 16;
            }
            return h.bitDepth == 1 ? 1 : 8;
        }
        if (h.colourType == Grey && h.bitDepth < 16) {
            return 8; // grey with a transparent value becomes a palette picture
        }
        return h.bitDepth == 16 && h.colourType != Grey ? 64 : 32;
    }
};

class ImageData {
public:
    explicit ImageData(const Format& format) : m_format(format) {}

    std::size_t expectedSize() const {
        const Header& h = m_format.header;
        if (!h.interlaced) {
            return std::size_t(h.height) * (1 + h.rowBytes(h.width));
        }
        std::size_t size = 0;
        for (int p = 0; p < kAdam7Passes; ++p) {
            const int w = passExtent(h.width, kStartX[p], kStepX[p]);
            const int rows = passExtent(h.height, kStartY[p], kStepY[p]);
            if (w > 0 && rows > 0) {
                size += std::size_t(rows) * (1 + h.rowBytes(w));
            }
        }
        return size;
    }

    // Unfilters `data` (expectedSize() bytes) in place and writes the pixels.
    bool decode(std::vector<uint8_t>& data, std::vector<uint32_t>& pixels,
                std::string& error) const {
        const Header& h = m_format.header;
        uint8_t* p = data.data();
        for (int pass = 0; pass < (h.interlaced ? kAdam7Passes : 1); ++pass) {
            const int x0 = h.interlaced ? kStartX[pass] : 0;
            const int y0 = h.interlaced ? kStartY[pass] : 0;
            const int dx = h.interlaced ? kStepX[pass] : 1;
            const int dy = h.interlaced ? kStepY[pass] : 1;
            const int w = passExtent(h.width, x0, dx);
            const int rows = passExtent(h.height, y0, dy);
            if (w <= 0 || rows <= 0) {
                continue;
            }
            const std::size_t rowBytes = h.rowBytes(w);
            const uint8_t* previous = nullptr;
            for (int r = 0; r < rows; ++r) {
                uint8_t* row = p + 1;
                if (!unfilter(p[0], row, previous, rowBytes, h.filterStep())) {
                    error = "bad filter type";
                    return false;
                }
                convertRow(row, w, pixels.data() + std::size_t(y0 + r * dy) * h.width + x0, dx);
                previous = row;
                p += 1 + rowBytes;
            }
        }
        return true;
    }

private:
    static int passExtent(int size, int start, int step) {
        return size > start ? (size - start + step - 1) / step : 0;
    }

    // The predictor nearest to a + b - c, ties going to a, then b; written as libpng does,
    // with fewer operations than the textbook form.
    static int paeth(int a, int b, int c) {
        const int p = b - c;
        const int q = a - c;
        const int pa = std::abs(p);
        const int pb = std::abs(q);
        const int pc = std::abs(p + q);
        if (pb < pa && pb <= pc) {
            return b;
        }
        return pc < pa && pc < pb ? c : a;
    }

    // One loop per filter type: this runs over every byte of the picture.
    static bool unfilter(uint8_t type, uint8_t* row, const uint8_t* previous, std::size_t size,
                         std::size_t step) {
        const std::size_t left = std::min(step, size);
        switch (type) {
        case 0:
            return true;
        case 1:
            for (std::size_t i = step; i < size; ++i) {
                row[i] = static_cast<uint8_t>(row[i] + row[i - step]);
            }
            return true;
        case 2:
            if (previous) {
                for (std::size_t i = 0; i < size; ++i) {
                    row[i] = static_cast<uint8_t>(row[i] + previous[i]);
                }
            }
            return true;
        case 3:
            if (!previous) {
                for (std::size_t i = step; i < size; ++i) {
                    row[i] = static_cast<uint8_t>(row[i] + row[i - step] / 2);
                }
                return true;
            }
            for (std::size_t i = 0; i < left; ++i) {
                row[i] = static_cast<uint8_t>(row[i] + previous[i] / 2);
            }
            for (std::size_t i = step; i < size; ++i) {
                row[i] = static_cast<uint8_t>(row[i] + (row[i - step] + previous[i]) / 2);
            }
            return true;
        case 4:
            // Without a row above, Paeth predicts from the left neighbour alone.
            if (!previous) {
                return unfilter(1, row, previous, size, step);
            }
            for (std::size_t i = 0; i < left; ++i) {
                row[i] = static_cast<uint8_t>(row[i] + previous[i]);
            }
            for (std::size_t i = step; i < size; ++i) {
                row[i] = static_cast<uint8_t>(
                    row[i] + paeth(row[i - step], previous[i], previous[i - step]));
            }
            return true;
        default:
            return false;
        }
    }

    // Writes a row's `count` pixels to every `dx`-th word of `out`; 8-bit RGB and RGBA, the
    // formats of coded pictures, take a short way.
    void convertRow(const uint8_t* row, int count, uint32_t* out, int dx) const {
        const Header& h = m_format.header;
        if (h.bitDepth == 8 && h.colourType == Rgba) {
            for (int i = 0; i < count; ++i, row += 4) {
                out[i * dx] = uint32_t(row[3]) << 24 | uint32_t(row[0]) << 16 |
                              uint32_t(row[1]) << 8 | row[2];
            }
        } else if (h.bitDepth == 8 && h.colourType == Rgb && !m_format.hasTransparentColour) {
            for (int i = 0; i < count; ++i, row += 3) {
                out[i * dx] = 0xFF000000u | uint32_t(row[0]) << 16 | uint32_t(row[1]) << 8 | row[2];
            }
        } else {
            for (int i = 0; i < count; ++i) {
                out[i * dx] = pixel(row, i);
            }
        }
    }

    // Sample `s` of a row, at the file's bit depth.
    uint32_t sample(const uint8_t* row, std::size_t s) const {
        const int depth = m_format.header.bitDepth;
        if (depth == 16) {
            return uint32_t(row[2 * s]) << 8 | row[2 * s + 1];
        }
        if (depth == 8) {
            return row[s];
        }
        const std::size_t bit = s * depth;
        const int shift = 8 - depth - int(bit % 8);
        return (row[bit / 8] >> shift) & ((1u << depth) - 1);
    }

    // A sample scaled to 8 bits.
    uint32_t byte(uint32_t value) const {
        switch (m_format.header.bitDepth) {
        case 16:
            return scale16(value);
        case 8:
            return value;
        default:
            return value * 255 / ((1u << m_format.header.bitDepth) - 1);
        }
    }

    uint32_t pixel(const uint8_t* row, int i) const {
        const Header& h = m_format.header;
        const std::size_t s = std::size_t(i) * h.channels();
        switch (h.colourType) {
        case Palette: {
            const uint32_t index = sample(row, s);
            return index < m_format.palette.size() ? m_format.palette[index] : 0xFF000000u;
        }
        case Grey: {
            const uint32_t grey = sample(row, s);
            const bool clear = m_format.hasTransparentColour && grey == m_format.transparent[0];
            // Qt keeps the high byte of a 16-bit grey with a transparent value.
            const uint32_t g =
                h.bitDepth == 16 && m_format.hasTransparentColour ? grey >> 8 : byte(grey);
            return (clear ? 0u : 0xFF000000u) | g << 16 | g << 8 | g;
        }
        case GreyAlpha: {
            const uint32_t g = byte(sample(row, s));
            return byte(sample(row, s + 1)) << 24 | g << 16 | g << 8 | g;
        }
        case Rgb: {
            const uint32_t r = sample(row, s), g = sample(row, s + 1), b = sample(row, s + 2);
            const bool clear = m_format.hasTransparentColour && r == m_format.transparent[0] &&
                               g == m_format.transparent[1] && b == m_format.transparent[2];
            return (clear ? 0u : 0xFF000000u) | byte(r) << 16 | byte(g) << 8 | byte(b);
        }
        default:
            return byte(sample(row, s + 3)) << 24 | byte(sample(row, s)) << 16 |
                   byte(sample(row, s + 1)) << 8 | byte(sample(row, s + 2));
        }
    }

    const Format& m_format;
};

bool readHeader(const uint8_t* p, uint32_t length, Header& h, std::string& error) {
    if (length != 13) {
        error = "bad IHDR length";
        return false;
    }
    const uint32_t width = be32(p);
    const uint32_t height = be32(p + 4);
    if (width == 0 || height == 0 || width > kMaxChunkLength || height > kMaxChunkLength) {
        error = "bad picture size";
        return false;
    }
    h.width = int(width);
    h.height = int(height);
    h.bitDepth = p[8];
    h.colourType = p[9];
    h.interlaced = p[12] == 1;
    if (!h.valid() || p[10] != 0 || p[11] != 0 || p[12] > 1) {
        error = "unsupported PNG header";
        return false;
    }
    return true;
}

bool readPalette(const uint8_t* p, uint32_t length, Format& format, std::string& error) {
    if (length % 3 != 0 || length == 0 || length > 3 * 256) {
        error = "bad palette";
        return false;
    }
    format.palette.clear();
    for (uint32_t i = 0; i < length; i += 3) {
        format.palette.push_back(0xFF000000u | uint32_t(p[i]) << 16 | uint32_t(p[i + 1]) << 8 |
                                 p[i + 2]);
    }
    return true;
}

// Transparency: alpha values of palette entries, or the one transparent grey or colour.
void readTransparency(const uint8_t* p, uint32_t length, Format& format) {
    switch (format.header.colourType) {
    case Palette:
        for (uint32_t i = 0; i < length && i < format.palette.size(); ++i) {
            format.palette[i] = (format.palette[i] & 0xFFFFFFu) | uint32_t(p[i]) << 24;
        }
        break;
    case Grey:
        if (length >= 2) {
            format.hasTransparentColour = true;
            format.transparent[0] = static_cast<uint16_t>(p[0] << 8 | p[1]);
        }
        break;
    case Rgb:
        if (length >= 6) {
            format.hasTransparentColour = true;
            for (int c = 0; c < 3; ++c) {
                format.transparent[c] = static_cast<uint16_t>(p[2 * c] << 8 | p[2 * c + 1]);
            }
        }
        break;
    default:
        break;
    }
}

// The bytes of one row of the QImage that Qt would allocate, 32-bit aligned.
std::size_t qtBytesPerLine(int width, int depth) {
    return (std::size_t(width) * depth + 31) / 32 * 4;
}

class Inflater {
public:
    explicit Inflater(std::vector<uint8_t>& out) : m_out(out) {
        m_stream.next_out = m_out.data();
        m_stream.avail_out = static_cast<uInt>(m_out.size());
        m_ok = inflateInit(&m_stream) == Z_OK;
    }
    ~Inflater() { inflateEnd(&m_stream); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Feeds one IDAT chunk; data beyond the picture's rows are ignored.
    bool feed(const uint8_t* data, uint32_t length) {
        if (!m_ok || m_done) {
            return m_ok;
        }
        m_stream.next_in = const_cast<uint8_t*>(data);
        m_stream.avail_in = length;
        while (m_stream.avail_in > 0 && m_stream.avail_out > 0) {
            const int result = inflate(&m_stream, Z_NO_FLUSH);
            if (result == Z_STREAM_END) {
                m_done = true;
                break;
            }
            if (result != Z_OK) {
                m_ok = false;
                break;
            }
        }
        m_done = m_done || m_stream.avail_out == 0;
        return m_ok;
    }
    bool complete() const { return m_ok && m_stream.avail_out == 0; }

private:
    std::vector<uint8_t>& m_out;
    z_stream m_stream{};
    bool m_ok = false;
    bool m_done = false;
};

} // namespace

bool KelvoPngReader::read(const uint8_t* data, std::size_t size, KelvoPngPicture& picture,
                          std::string& error) {
    if (size < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), data)) {
        error = "not a PNG file";
        return false;
    }
    Format format;
    std::vector<uint8_t> rows;
    std::unique_ptr<Inflater> inflater;
    bool ended = false;
    std::size_t pos = kSignature.size();
    while (!ended) {
        if (size - pos < 12) {
            error = "file is cut short";
            return false;
        }
        const uint32_t length = be32(data + pos);
        const uint8_t* type = data + pos + 4;
        if (length > kMaxChunkLength || length > size - pos - 12) {
            error = "file is cut short";
            return false;
        }
        const uint8_t* body = type + 4;
        const bool critical = (type[0] & 0x20) == 0;
        if (critical && crc32(0, type, length + 4) != be32(body + length)) {
            error = "bad chunk checksum";
            return false;
        }
        const bool first = pos == kSignature.size();
        pos += 12 + std::size_t(length);
        if (first != (std::memcmp(type, "IHDR", 4) == 0)) {
            error = "IHDR is not the first chunk";
            return false;
        }
        if (first) {
            if (!readHeader(body, length, format.header, error)) {
                return false;
            }
            const int depth = format.qtDepth();
            if (qtBytesPerLine(format.header.width, depth) * format.header.height >
                    kMaxPictureBytes ||
                std::size_t(format.header.width) * format.header.height * 4 > kMaxPictureBytes) {
                error = "picture exceeds the size limit";
                return false;
            }
        } else if (std::memcmp(type, "PLTE", 4) == 0) {
            if (format.header.colourType == Palette && !readPalette(body, length, format, error)) {
                return false;
            }
        } else if (std::memcmp(type, "tRNS", 4) == 0 && !inflater) {
            readTransparency(body, length, format);
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            if (!inflater) {
                if (format.header.colourType == Palette && format.palette.empty()) {
                    error = "palette missing";
                    return false;
                }
                rows.resize(ImageData(format).expectedSize());
                inflater = std::make_unique<Inflater>(rows);
            }
            if (!inflater->feed(body, length)) {
                error = "corrupt image data";
                return false;
            }
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            ended = true;
        } else if (critical) {
            error = "unknown critical chunk";
            return false;
        }
    }
    if (!inflater || !inflater->complete()) {
        error = "image data missing or cut short";
        return false;
    }
    picture.width = format.header.width;
    picture.height = format.header.height;
    picture.depth = format.qtDepth();
    picture.pixels.assign(std::size_t(picture.width) * picture.height, 0);
    return ImageData(format).decode(rows, picture.pixels, error);
}
