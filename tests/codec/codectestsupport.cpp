#include "codectestsupport.h"

#include "kelvoimglsbsdecoder.h"
#include "kelvoimglsbsencoder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

Bytes randomBytes(std::size_t count, uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes bytes(count);
    for (uint8_t& b : bytes)
        b = uint8_t(rng());
    return bytes;
}

TestPicture::TestPicture(int w, int h, uint32_t seed) : width(w), height(h) {
    std::mt19937 rng(seed);
    pixels.resize(std::size_t(w) * std::size_t(h));
    for (uint32_t& p : pixels)
        p = 0xFF000000 | (rng() & 0xFFFFFF);
}

TestMask::TestMask(int w, int h)
    : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), 0xFFFFFFFF) {}

uint32_t interiorColour(int n) {
    return 0xFF000000 | uint32_t(n) << 16 | 0xFF00;
}

uint32_t outlineColour(int n) {
    return 0xFFFF0000 | uint32_t(n) << 8;
}

void TestMask::rect(int x, int y, int w, int h, int n) {
    paint([&](int px, int py) { return px >= x && py >= y && px < x + w && py < y + h; }, n);
}

void TestMask::polygon(const std::vector<Point>& points, int n) {
    paint(
        [&](int x, int y) {
            const double cx = x + 0.5, cy = y + 0.5;
            bool in = false;
            for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                const auto [xi, yi] = points[i];
                const auto [xj, yj] = points[j];
                if ((yi > cy) != (yj > cy) && cx < (xj - xi) * (cy - yi) / (yj - yi) + xi)
                    in = !in;
            }
            return in;
        },
        n);
}

void TestMask::paint(const std::function<bool(int, int)>& contains, int n) {
    std::vector<bool> inside(pixels.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            inside[std::size_t(y) * std::size_t(width) + std::size_t(x)] = contains(x, y);
    const auto in = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height &&
               inside[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!in(x, y))
                continue;
            const bool border = !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1);
            pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] =
                border ? outlineColour(n) : interiorColour(n);
        }
    }
}

KelvoData textRecord(int n, const std::string& text) {
    KelvoData record;
    record.red = n;
    record.green = 255;
    record.payload.assign(text.begin(), text.end());
    return record;
}

std::vector<KelvoData> randomRecords(std::mt19937& rng, int n, std::size_t maxPayload) {
    static const uint32_t kTypes[] = {TypeText, TypeShapedText, TypeImage, TypeDictEntry};
    std::vector<KelvoData> records(1 + rng() % 3);
    for (KelvoData& record : records) {
        record = textRecord(n, "");
        record.type = kTypes[rng() % 4];
        record.payload.resize(rng() % (maxPayload + 1));
        // Half of the payloads compress well, half do not.
        const bool plain = rng() % 2 == 0;
        for (uint8_t& b : record.payload)
            b = plain ? uint8_t('a' + rng() % 4) : uint8_t(rng());
    }
    return records;
}

KelvoDataObjs regionData(std::vector<KelvoData> records, std::vector<uint32_t> colours) {
    KelvoDataObjs data;
    data.records = std::move(records);
    data.colours = std::move(colours);
    return data;
}

KelvoEncodeResult encode(TestPicture& picture, TestMask& mask,
                         const std::vector<KelvoDataObjs>& data, uint32_t firstKey,
                         bool clearMarks) {
    KelvoImgLSBsEncoder encoder(picture.buffer());
    return encoder.encode(mask.regions(), data, clearMarks, firstKey);
}

std::map<uint32_t, KelvoDataObjs> decode(TestPicture& picture, KelvoIndexedImage* ids) {
    KelvoImgLSBsDecoder decoder(picture.buffer());
    decoder.setMarksSeed(1);
    KelvoIndexedImage idImage;
    std::map<uint32_t, KelvoDataObjs> data;
    KelvoArgbImage marks;
    decoder.decode(idImage, data, marks);
    if (ids)
        *ids = std::move(idImage);
    return data;
}

KelvoIdBuffer regionsFromMarks(TestPicture& picture) {
    KelvoIdBuffer ids(picture.width, picture.height);
    ids.rebuildFromMarks(picture.buffer());
    return ids;
}

std::vector<KelvoData> expectedRecords(std::vector<KelvoData> records, uint32_t key) {
    std::vector<uint8_t> used;
    for (const KelvoData& r : records)
        used.push_back(r.subIndex);
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    for (KelvoData& r : records) {
        r.subIndex = uint8_t(std::find(used.begin(), used.end(), r.subIndex) - used.begin());
        r.red = 255;
        r.green = r.subIndex;
        r.blue = int32_t(key);
    }
    return records;
}

Bytes decoderFuzzInput(const TestPicture& picture) {
    Bytes input = {uint8_t(picture.width), uint8_t(picture.height)};
    for (uint32_t p : picture.pixels)
        input.insert(input.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
    return input;
}

void writeFuzzSeed(const std::string& target, const std::string& name, const Bytes& bytes) {
    const std::filesystem::path dir = std::filesystem::path(KELVO_FUZZ_SEED_DIR) / target;
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
