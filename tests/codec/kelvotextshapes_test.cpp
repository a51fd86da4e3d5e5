#include "codectestsupport.h"
#include "kelvobyteorder.h"
#include "kelvocomicellipseshape.h"
#include "kelvofontcodes.h"
#include "kelvotextshapes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

template <class Obj> std::unique_ptr<Obj> object(uint8_t kind, std::u16string text) {
    auto obj = std::make_unique<Obj>();
    obj->kind = kind;
    obj->text = std::move(text);
    obj->left = 10;
    obj->top = 20;
    obj->right = 109;
    obj->bottom = 69;
    return obj;
}

Bytes rectBlock(std::u16string text = u"A") {
    KelvoEllipseShape shape;
    shape.objects.push_back(object<KelvoEllipseObj>(KindSimpleRect, std::move(text)));
    shape.serialize();
    return shape.bytes;
}

// The byte layout of every kind is pinned by the golden pictures of kelvo-tool decode, which
// read what was written once; the round trips below tie today's writer to that reader. Here:
// a think bubble keeps at most 255 circles, a block at most 255 objects.
TEST(KelvoTextShapes, CountLimits) {
    KelvoComicEllipseShape think;
    think.comicObjects.push_back(object<KelvoComicEllipseObj>(KindThinkBubble, u"A"));
    think.comicObjects[0]->circles.assign(300, {1, 1, 1, 1});
    think.comicObjects[0]->circles[254] = {7, 7, 7, 7};
    think.serialize();
    KelvoComicEllipseShape read;
    ASSERT_TRUE(read.read(think.bytes.data(), think.bytes.size()));
    ASSERT_EQ(read.comicObjects[0]->circles.size(), 255u);
    EXPECT_EQ(read.comicObjects[0]->circles.back(), (KelvoThinkBubbleCircle{7, 7, 7, 7}));

    KelvoEllipseShape shape;
    shape.bytes = {1, 2, 3};
    shape.serialize();
    EXPECT_TRUE(shape.bytes.empty());

    for (int i = 0; i < 256; ++i)
        shape.objects.push_back(object<KelvoEllipseObj>(KindSimpleText, u"x"));
    shape.serialize();
    EXPECT_EQ(shape.bytes, (Bytes{0, 0, 0, 0, 255}));

    shape.objects.pop_back();
    shape.serialize();
    KelvoEllipseShape readBack;
    ASSERT_TRUE(readBack.read(shape.bytes.data(), shape.bytes.size()));
    EXPECT_EQ(readBack.objects.size(), 255u);
}

// An object of `kind` with every stored field random; extreme rectangles wrap but still come
// back unchanged.
KelvoComicEllipseObj randomObject(std::mt19937& rng, uint8_t kind) {
    KelvoComicEllipseObj obj;
    obj.kind = kind;
    for (int32_t* v :
         {&obj.x, &obj.y, &obj.labelX, &obj.labelY, &obj.left, &obj.top, &obj.right, &obj.bottom})
        *v = int32_t(rng());
    for (KelvoRgb* c : {&obj.textColour, &obj.outlineColour, &obj.backgroundColour})
        *c = {int32_t(rng() % 256), int32_t(rng() % 256), int32_t(rng() % 256)};
    obj.outlineWidth = uint8_t(rng());
    obj.backgroundFilled = rng() % 2;
    const int32_t weights[] = {25, 50, 63, 75, 87};
    obj.font = {kelvoFamilyName(uint8_t(1 + rng() % 70)), int32_t(rng() % 256), weights[rng() % 5],
                rng() % 2 == 1};
    obj.alignment = int32_t(1 + rng() % 3);
    obj.text.resize(rng() % 40);
    for (char16_t& c : obj.text)
        c = char16_t(rng() % 256);
    if (kind == KindSpeechBubble)
        for (int32_t* v : {&obj.peakX, &obj.peakY, &obj.angle1, &obj.angle2})
            *v = int32_t(rng());
    obj.circles.resize(kind == KindThinkBubble ? rng() % 6 : 0);
    for (KelvoThinkBubbleCircle& c : obj.circles)
        c = {int32_t(rng()), int32_t(rng()), int32_t(rng()), int32_t(rng())};
    return obj;
}

// Writes 1..4 random objects of kinds firstKind .. firstKind + kinds - 1 and reads them back,
// with the same shape class and with the plain one, which drops bubble fields.
template <class Shape, class Obj>
void expectRoundTrip(std::mt19937& rng, std::vector<std::unique_ptr<Obj>> Shape::*objects,
                     unsigned firstKind, unsigned kinds, const std::string& seedName) {
    Shape shape;
    const std::size_t count = 1 + rng() % 4;
    for (std::size_t i = 0; i < count; ++i)
        (shape.*objects)
            .push_back(
                std::make_unique<Obj>(randomObject(rng, uint8_t(firstKind + rng() % kinds))));
    shape.serialize();
    Shape read;
    KelvoEllipseShape plain;
    ASSERT_TRUE(read.read(shape.bytes.data(), shape.bytes.size()));
    ASSERT_TRUE(plain.read(shape.bytes.data(), shape.bytes.size()));
    ASSERT_EQ((read.*objects).size(), count);
    ASSERT_EQ(plain.objects.size(), count);
    for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(*(read.*objects)[i], *(shape.*objects)[i]);
        EXPECT_EQ(*plain.objects[i], static_cast<const KelvoEllipseObj&>(*(shape.*objects)[i]));
    }
    writeFuzzSeed("fuzz_textshapes", seedName, shape.bytes);
}

class KelvoTextShapesRoundTrip : public testing::TestWithParam<unsigned> {};

TEST_P(KelvoTextShapesRoundTrip, BothShapeClasses) {
    std::mt19937 rng(GetParam());
    const std::string seed = std::to_string(GetParam());
    // The plain class also holds bubble kinds: it writes them with empty bubble fields.
    expectRoundTrip(rng, &KelvoEllipseShape::objects, KindSimpleText, 5, "ellipse_" + seed);
    expectRoundTrip(rng, &KelvoComicEllipseShape::comicObjects, KindSpeechBubble, 2,
                    "comic_" + seed);
}

INSTANTIATE_TEST_SUITE_P(Seeds, KelvoTextShapesRoundTrip, testing::Range(1u, 16u));

TEST(KelvoTextShapes, RejectsMalformedBlocks) {
    const Bytes good = rectBlock(u"Hello");
    KelvoEllipseShape shape;
    ASSERT_TRUE(shape.read(good.data(), good.size()));
    for (std::size_t length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(shape.read(good.data(), length)) << length;
        EXPECT_TRUE(shape.objects.empty());
    }
    const auto spoiled = [&](std::size_t at, uint8_t value) {
        Bytes bad = good;
        bad[at] = value;
        return shape.read(bad.data(), bad.size());
    };
    EXPECT_FALSE(spoiled(good.size() - 1, 0x23)); // terminator
    EXPECT_FALSE(spoiled(4, 0));                  // no objects
    EXPECT_FALSE(spoiled(4, 2));                  // second object missing
    EXPECT_FALSE(spoiled(5 + 32, 0x10));          // text longer than the block
    ASSERT_TRUE(spoiled(5, 7));                   // unknown kinds read as rectangles
    EXPECT_EQ(shape.objects[0]->kind, KindSimpleRect);
}

// Payloads of several blocks of every kind are split and shown in
// KelvoDecodeHandlerTest::objectsAndCounts ("every shape kind"); here: blocks that do not fit.
TEST(KelvoTextShapes, SplitsPayloads) {
    KelvoComicEllipseShape think;
    think.comicObjects.push_back(object<KelvoComicEllipseObj>(KindThinkBubble, u"hm"));
    think.serialize();
    Bytes payload = rectBlock();
    payload.insert(payload.end(), think.bytes.begin(), think.bytes.end());
    writeFuzzSeed("fuzz_textshapes", "two_blocks", payload);
    ASSERT_EQ(kelvoSplitTextShapes(payload).size(), 2u);

    payload[5] = 9;
    EXPECT_EQ(kelvoSplitTextShapes(payload)[0].kind, KindSimpleRect);

    // A body length running past the end: that block and everything after it are dropped.
    kelvoSetLe32(payload.data() + 58, static_cast<uint32_t>(think.bytes.size()));
    EXPECT_EQ(kelvoSplitTextShapes(payload).size(), 1u);

    EXPECT_TRUE(kelvoSplitTextShapes({}).empty());
    EXPECT_TRUE(kelvoSplitTextShapes({1, 0, 0}).empty());
    EXPECT_TRUE(kelvoSplitTextShapes({1, 0, 0, 0, 1}).empty());          // count byte last
    EXPECT_TRUE(kelvoSplitTextShapes({2, 0, 0, 0, 1, 1}).empty());       // kind byte last
    EXPECT_TRUE(kelvoSplitTextShapes({3, 0, 0, 0, 0, 1, 0x24}).empty()); // count 0
}

} // namespace
