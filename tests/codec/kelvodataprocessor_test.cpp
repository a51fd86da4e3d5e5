#include "codectestsupport.h"
#include "kelvodataprocessor.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <tuple>

namespace {

KelvoData record(uint32_t type, uint8_t subIndex, Bytes payload) {
    KelvoData r;
    r.type = type;
    r.subIndex = subIndex;
    r.payload = std::move(payload);
    return r;
}

Bytes inflateAll(const Bytes& compressed) {
    KelvoDataProcessor p;
    p.setRaw(compressed);
    EXPECT_TRUE(p.uncompressRaw());
    return Bytes(p.uncompressed(), p.uncompressed() + p.uncompressedLength());
}

Bytes deflateAll(const Bytes& raw) {
    uLongf length = compressBound(raw.size());
    Bytes out(length);
    EXPECT_EQ(compress2(out.data(), &length, raw.data(), raw.size(), 9), Z_OK);
    out.resize(length);
    return out;
}

Bytes serialized(const std::vector<KelvoData>& records) {
    Bytes out;
    KelvoDataProcessor().serializeRecords(records, out);
    return out;
}

// The records of `stream`, inflated first when `compressed`.
std::vector<KelvoData> parsed(const Bytes& stream, bool compressed,
                              KelvoPropsStruct* closing = nullptr) {
    KelvoDataProcessor p;
    p.setRaw(stream);
    std::vector<KelvoData> records;
    KelvoPropsStruct props;
    p.parseRecords(records, props, compressed);
    if (closing)
        *closing = props;
    return records;
}

TEST(KelvoDataProcessor, WritesGoldenStreams) {
    const Bytes one = serialized({record(TypeText, 0, {0x48, 0x69})});
    EXPECT_EQ(inflateAll(one), (Bytes{0, 0, 0, 2, 0, 0x48, 0x69, 0, 0, 0, 1, 0}));
    EXPECT_EQ(inflateAll(serialized({})), (Bytes{0, 0, 0, 1, 0}));
    // zlib framing at maximum compression: CMF 0x78, FLG 0xDA.
    ASSERT_GE(one.size(), 2u);
    EXPECT_EQ(one[0], 0x78);
    EXPECT_EQ(one[1], 0xDA);
    writeFuzzSeed("fuzz_records", "one_text_record", one);
    writeFuzzSeed("fuzz_records", "one_text_record_raw", inflateAll(one));

    // Header byte: sub-index modulo 16 above the type code; codes 3..5 pass, others become 0.
    const std::tuple<uint32_t, uint8_t, uint8_t> headers[] = {{TypeDictEntry, 15, 0xF6},
                                                              {TypeShapedText, 3, 0x31},
                                                              {TypeImage, 17, 0x12},
                                                              {5, 2, 0x25},
                                                              {7, 1, 0x10},
                                                              {0x106, 0, 0x00}};
    for (const auto& [type, subIndex, header] : headers)
        EXPECT_EQ(inflateAll(serialized({record(type, subIndex, {})})),
                  (Bytes{0, 0, 0, 0, header, 0, 0, 0, 1, 0}))
            << type << "/" << int(subIndex);
}

TEST(KelvoDataProcessor, Limits) {
    KelvoDataProcessor p;
    EXPECT_FALSE(p.compressRaw()); // empty
    EXPECT_FALSE(p.uncompressRaw());

    p.setRaw(Bytes(KelvoDataProcessor::kMaxStreamLength, 0x5A));
    EXPECT_TRUE(p.compressRaw());
    EXPECT_GT(p.compressedLength(), 0u);
    EXPECT_FALSE(p.compressRaw()); // the compressed buffer exists already

    p.setRaw(Bytes(KelvoDataProcessor::kMaxStreamLength + 1, 0x5A));
    EXPECT_FALSE(p.compressRaw());
    EXPECT_EQ(p.compressed(), nullptr);
    EXPECT_FALSE(p.uncompressRaw());
    EXPECT_EQ(p.uncompressed(), nullptr);

    // Inflated output is cut at the capacity.
    p.setRaw(deflateAll(Bytes(KelvoDataProcessor::kUncompressCapacity + 1000, 0x11)));
    EXPECT_TRUE(p.uncompressRaw());
    EXPECT_EQ(p.uncompressedLength(), KelvoDataProcessor::kUncompressCapacity);
    EXPECT_FALSE(p.uncompressRaw()); // the uncompressed buffer exists already

    // One record of L bytes makes a stream of 5 + L + 5 bytes; longer streams are refused.
    const std::size_t fits = KelvoDataProcessor::kMaxStreamLength - 10;
    const Bytes atLimit = serialized({record(TypeText, 0, Bytes(fits, 'a'))});
    ASSERT_FALSE(atLimit.empty());
    EXPECT_EQ(inflateAll(atLimit).size(), KelvoDataProcessor::kMaxStreamLength);
    EXPECT_TRUE(serialized({record(TypeText, 0, Bytes(fits + 1, 'a'))}).empty());
    EXPECT_TRUE(serialized({record(TypeText, 0, Bytes(fits / 2, 'a')),
                            record(TypeText, 0, Bytes(fits / 2, 'b'))})
                    .empty());
}

// A compressed stream cut in half keeps the records inflated before the cut; every prefix of an
// inflated stream gives only whole records.
TEST(KelvoDataProcessor, CutStreamsYieldOnlyWholeRecords) {
    const std::vector<KelvoData> large = {record(TypeText, 0, randomBytes(100, 1)),
                                          record(TypeImage, 1, randomBytes(40000, 2)),
                                          record(TypeImage, 1, randomBytes(40000, 3))};
    Bytes cut = serialized(large);
    cut.resize(cut.size() / 2 + 2);
    const std::vector<KelvoData> kept = parsed(cut, true);
    EXPECT_GE(kept.size(), 1u);
    EXPECT_LT(kept.size(), large.size());
    for (std::size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(kept[i], large[i]);
    KelvoDataProcessor p;
    p.setRaw(Bytes{1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(p.uncompressRaw());
    EXPECT_EQ(p.uncompressedLength(), 0u);

    const std::vector<KelvoData> records = {record(TypeText, 0, {'a', 'b', 'c'}),
                                            record(TypeImage, 2, {}),
                                            record(TypeDictEntry, 1, {'<', 'w', '>'})};
    const Bytes stream = serialized(records);
    writeFuzzSeed("fuzz_records", "three_records", stream);
    const Bytes raw = inflateAll(stream);
    for (std::size_t n = 0; n <= raw.size(); ++n) {
        const std::vector<KelvoData> read =
            parsed(Bytes(raw.begin(), raw.begin() + long(n)), false);
        ASSERT_LE(read.size(), records.size()) << n;
        for (std::size_t i = 0; i < read.size(); ++i)
            EXPECT_EQ(read[i], records[i]) << "prefix " << n;
    }
    EXPECT_EQ(parsed(raw, false), records);
}

// Streams cut anywhere are CutStreamsYieldOnlyWholeRecords'.
TEST(KelvoDataProcessor, ReadsOddStreamsSafely) {
    const KelvoData a = record(TypeText, 0, {'a'});
    const Bytes recordA = {0, 0, 0, 1, 0x00, 'a'};
    const auto withA = [&](Bytes tail) {
        tail.insert(tail.begin(), recordA.begin(), recordA.end());
        return tail;
    };
    const struct {
        const char* name;
        Bytes raw;
        std::vector<KelvoData> records;
        uint8_t flags;
        Bytes content;
    } cases[] = {
        // A record that would end exactly at the end is taken for the closing block.
        {"record at the end", {0, 0, 0, 2, 0x01, 0x00}, {}, 0x01, {}},
        {"length past the end", withA({0xFF, 0xFF, 0xFF, 0xF0, 0x00, 'b'}), {a}, 0, {}},
        {"unknown types dropped",
         {0, 0,    0,   1, 0x07, 'z', 0, 0,    0,   1, 0x13, 'z', 0, 0, 0,
          1, 0x2F, 'z', 0, 0,    0,   1, 0x36, 'z', 0, 0,    0,   1, 0},
         {record(3, 1, {'z'}), record(6, 3, {'z'})},
         0,
         {}},
        {"empty closing", withA({0, 0, 0, 0}), {a}, 0, {}},
        {"closing content", withA({0, 0, 0, 5, 0x01, 0, 2, 'x', 'y'}), {a}, 0x01, {'x', 'y'}},
        {"closing count cut", withA({0, 0, 0, 5, 0x01, 0, 9, 'x', 'y'}), {a}, 0x01, {'x', 'y'}},
        {"closing too short", withA({0, 0, 0, 3, 0x01, 0, 2}), {a}, 0x01, {}},
        {"no content bit", withA({0, 0, 0, 4, 0x02, 0, 1, 'x'}), {a}, 0x02, {}},
    };
    for (const auto& c : cases) {
        KelvoPropsStruct closing;
        EXPECT_EQ(parsed(c.raw, false, &closing), c.records) << c.name;
        EXPECT_EQ(closing.flags, c.flags) << c.name;
        EXPECT_EQ(closing.content, c.content) << c.name;
    }
}

// The byte order of colour tables is pinned by the golden snippet picture of kelvo-tool decode,
// and tied to the writer by the round trips in kelvodifferential_test.cpp.
TEST(KelvoDataProcessor, ColourTables) {
    KelvoDataProcessor p;
    Bytes stream;
    p.serializeColours({0x00112233, 0xFFA0B0C0}, stream);
    writeFuzzSeed("fuzz_records", "colours", stream);

    // Trailing bytes that make no whole triple are ignored.
    std::vector<uint32_t> colours;
    p.parseColours(deflateAll({1, 2, 3, 4, 5, 6, 7, 8}), colours);
    EXPECT_EQ(colours, (std::vector<uint32_t>{0x030201, 0x060504}));

    p.serializeColours({}, stream);
    EXPECT_TRUE(stream.empty());
    p.parseColours({}, colours);
    EXPECT_TRUE(colours.empty());
}

} // namespace
