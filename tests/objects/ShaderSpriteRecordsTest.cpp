// Shader sprites read from their records through the object registry: the discharge, the
// explosion and the static text in each version, the older versions' timings moved into the
// time line, the constructors' defaults, values cut where they are read, and damaged records.
#include <gtest/gtest.h>

#include "RecordCuts.h"

#include "ShaderSpriteRecords.h"
#include "SpriteTesting.h"
#include "objects/QV_DischargeFXConstructor.h"
#include "objects/QV_ExplosionConstructor.h"
#include "objects/QV_StaticTextConstructor.h"

using namespace scenewriter;
using spritetest::ReadObject;

namespace {

// An effect level whose link and sprite section differ from every default.
EffectSpriteRecord DistinctEffectSprite() {
    EffectSpriteRecord fx{.effect = {"C:\\effects\\spark.fx", 9}};
    fx.sprite.placed.base.name = "Spark";
    fx.sprite.count = 4;
    fx.sprite.size = 20;
    fx.sprite.colour = 0x00FF00;
    fx.sprite.image = {"C:\\sprites\\a.png", 1};
    fx.sprite.secondImage = {"C:\\sprites\\b.png", 2};
    return fx;
}

StaticEffectRecord DistinctStaticEffect(int32_t version) {
    return StaticEffectRecord{.version = version, .position = {1, 2, 3}, .height = 30, .width = 40,
                              .effectSprite = DistinctEffectSprite()};
}

void ExpectDistinctEffectSprite(QV_FXParticleSystemCtrl& d) {
    EXPECT_EQ(d.effectLink.GetPath(), L"C:\\effects\\spark.fx");
    EXPECT_EQ(d.effectLink.Value().stamp, 9);
    EXPECT_FALSE(d.effect);
    EXPECT_EQ(d.Name(), L"Spark");
    EXPECT_EQ(d.count.Value(), 4u);
    EXPECT_EQ(d.size.Value(), 20u);
    EXPECT_EQ(d.colour.Value(), 0x00FF00u);
    EXPECT_EQ(d.image.Value().stamp, 1);
    EXPECT_EQ(d.secondImage.Value().stamp, 2);
}

void ExpectTimeLine(QV_TimeLineControl& line, int mode, unsigned visible, unsigned hidden, float fadeIn, float fadeOut) {
    EXPECT_EQ(line.Mode().Value(), mode);
    EXPECT_EQ(line.VisibleMin().Value(), visible);
    EXPECT_EQ(line.VisibleMax().Value(), visible);
    EXPECT_EQ(line.HiddenMin().Value(), hidden);
    EXPECT_EQ(line.HiddenMax().Value(), hidden);
    EXPECT_FLOAT_EQ(line.FadeIn().Result(), fadeIn);
    EXPECT_FLOAT_EQ(line.FadeOut().Result(), fadeOut);
}

TEST(ShaderSpriteRecords, ADischargeReadsItsPointsBoltSettingsGlowAndSprite) {
    DischargeFXRecord record{.start = {10, 20, 1}, .end = {300, 40, 2}, .jitter = 25, .textureChoice = 0,
                             .flicker = 40, .morphSpeed = 30};
    record.glow = GlowRecord{.glowColour = 0x123456, .glowAmount = 70, .effectSprite = DistinctEffectSprite()};
    auto read = ReadObject<QV_DischargeFXConstructor>(MakeDischargeFX(record));
    ASSERT_TRUE(read.description);
    EXPECT_TRUE(read.exact);
    QV_DischargeFXConstructor& d = *read.description;
    EXPECT_EQ(d.startPoint.Value(), D3DXVECTOR3(10, 20, 1));
    EXPECT_EQ(d.endPoint.Value(), D3DXVECTOR3(300, 40, 2));
    EXPECT_FLOAT_EQ(d.jitter.Result(), 0.25f);
    EXPECT_EQ(d.textureChoice.Value(), 0);
    EXPECT_NEAR(d.flickerInterval.Result(), 0.06f, 1e-6f);
    EXPECT_FLOAT_EQ(d.morphSpeed.Result(), 3.0f);
    EXPECT_EQ(d.glowColour.Value(), 0x123456u);
    EXPECT_FLOAT_EQ(d.glowAmount.Result(), 0.7f);
    ExpectDistinctEffectSprite(d);
    // The prototype read from the document keeps empty bolts.
    EXPECT_TRUE(d.newBolt.empty());
}

TEST(ShaderSpriteRecords, ANewDischargeIsAPaleBoltInABlueGlowThroughModuleEffect97) {
    QV_DischargeFXConstructor d;
    EXPECT_EQ(d.effectLink.GetPath(), L"common_res.dll");
    EXPECT_EQ(d.effectLink.Value().stamp, 97);
    EXPECT_EQ(d.size.Value(), 50u);
    EXPECT_EQ(d.blendMode.Value(), 1);
    EXPECT_EQ(d.colour.Value(), 0xFFFFCCu);
    EXPECT_EQ(d.glowColour.Value(), 0xFF9900u);
    EXPECT_FLOAT_EQ(d.glowAmount.Result(), 1.0f);
    EXPECT_FLOAT_EQ(d.jitter.Result(), 0.5f);
    EXPECT_EQ(d.textureChoice.Value(), 1);
    EXPECT_NEAR(d.flickerInterval.Result(), 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(d.morphSpeed.Result(), 5.0f);
}

TEST(ShaderSpriteRecords, AnExplosionReadsEachVersionAndAVersionOneMovesItsTimingsIntoTheTimeLine) {
    struct Case {
        int32_t version;
        uint32_t timings[5];
        int mode;
        unsigned visible, hidden;
        float fadeIn, fadeOut;
        unsigned width, height;
    };
    const Case cases[] = {
        // Version 2 leaves the record's own time line (a random cycle of 1 s with 0.5 s fades).
        {2, {}, 1, 100, 100, 0.5f, 0.5f, 40, 30},
        {1, {1000, 3000, 500, 200, 300}, 1, 300, 50, 1.0f, 0.5f, 0, 0},
        // Two hidden parts whose sum needs 33 bits still add up.
        {1, {0, 10, 0, 0xFFFFFFFFu, 0xFFFFFFFFu}, 1, 1, 858993459u, 0.0f, 0.0f, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version << " hidden " << c.hidden);
        ExplosionRecord record{.version = c.version, .noise1 = 30, .noise2 = 20, .noise3 = 10, .direction = 90,
                               .speed = 80, .seed = 99, .randomFlag = 1, .colour2 = 0x0000FF,
                               .base = DistinctStaticEffect(c.version)};
        std::copy(std::begin(c.timings), std::end(c.timings), record.timings);
        record.base.effectSprite.sprite.placed.base.timeLine.mode = 1;
        auto read = ReadObject<QV_ExplosionConstructor>(MakeExplosion(record));
        ASSERT_TRUE(read.description);
        EXPECT_TRUE(read.exact);
        QV_ExplosionConstructor& d = *read.description;
        EXPECT_FLOAT_EQ(d.noise1.Result(), 0.7f);
        EXPECT_FLOAT_EQ(d.noise2.Result(), 0.2f);
        EXPECT_FLOAT_EQ(d.noise3.Result(), 0.1f);
        EXPECT_EQ(d.direction.Value(), 90u);
        EXPECT_FLOAT_EQ(d.scrollSpeed.Result(), 0.4f);
        EXPECT_EQ(d.seed.Value(), 99u);
        EXPECT_EQ(d.randomFlag.Value(), 1);
        EXPECT_EQ(d.colour2.Value(), 0x0000FFu);
        EXPECT_EQ(d.position.Value(), D3DXVECTOR3(1, 2, 3));
        EXPECT_EQ(d.width.Value(), c.width);
        EXPECT_EQ(d.height.Value(), c.height);
        ExpectDistinctEffectSprite(d);
        ExpectTimeLine(d.TimeLine(), c.mode, c.visible, c.hidden, c.fadeIn, c.fadeOut);
    }
}

TEST(ShaderSpriteRecords, ANewExplosionHasItsSizeTimeScaleNoiseAndSpeed) {
    QV_ExplosionConstructor d;
    EXPECT_EQ(d.size.Value(), 250u);
    EXPECT_EQ(d.TimeScale().Value(), 100u);
    EXPECT_FLOAT_EQ(d.noise1.Result(), 0.79f);
    EXPECT_FLOAT_EQ(d.noise2.Result(), 0.15f);
    EXPECT_FLOAT_EQ(d.noise3.Result(), 0.42f);
    EXPECT_FLOAT_EQ(d.scrollSpeed.Result(), 0.25f);
    EXPECT_EQ(d.colour2.Value(), 0xFFFFFFu);
    EXPECT_EQ(d.targetCount, 1u);
    // The axes follow the angle in the copy made for the runtime object.
    d.direction.SetSilently(90);
    std::unique_ptr<QV_ExplosionConstructor> copy(d.Clone());
    EXPECT_NEAR(copy->direction.FirstAxis().x, 0.0f, 1e-6f);
    EXPECT_NEAR(copy->direction.FirstAxis().y, 1.0f, 1e-6f);
}

TEST(ShaderSpriteRecords, AStaticTextReadsEachVersionAndAVersionOneMovesItsTimingsIntoTheTimeLine) {
    struct Case {
        int32_t version;
        uint32_t timings[4];  // fade-in, fade-out, visible, hidden
        int mode;
        unsigned visible, hidden;
        float fadeIn, fadeOut;
    };
    const Case cases[] = {
        {2, {}, 1, 100, 100, 0.5f, 0.5f},
        // Visible 0: always visible, nothing else moved.
        {1, {100, 50, 0, 200}, 0, 100, 100, 0.5f, 0.5f},
        {1, {100, 50, 500, 200}, 1, 50, 20, 0.1f, 0.05f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version << " visible " << c.timings[2]);
        StaticTextRecord record{.version = c.version, .verticalAlignment = 2, .horizontalAlignment = 1,
                                .text = "Evening", .fontHeight = 20, .fontWeight = 400, .fontItalic = 1,
                                .fontFace = "Tahoma", .base = DistinctStaticEffect(c.version)};
        std::copy(std::begin(c.timings), std::end(c.timings), record.timings);
        record.base.effectSprite.sprite.placed.base.timeLine.mode = 1;
        auto read = ReadObject<QV_StaticTextConstructor>(MakeStaticText(record));
        ASSERT_TRUE(read.description);
        EXPECT_TRUE(read.exact);
        QV_StaticTextConstructor& d = *read.description;
        EXPECT_EQ(d.verticalAlignment.Value(), 2);
        EXPECT_EQ(d.horizontalAlignment.Value(), 1);
        EXPECT_EQ(d.text.Value(), L"Evening");
        EXPECT_EQ(d.font.height, 20);
        EXPECT_EQ(d.font.weight, 400u);
        EXPECT_EQ(d.font.italic, 1);
        EXPECT_EQ(d.font.face, L"Tahoma");
        EXPECT_EQ(d.width.Value(), c.version >= 2 ? 40u : 0u);
        ExpectDistinctEffectSprite(d);
        ExpectTimeLine(d.TimeLine(), c.mode, c.visible, c.hidden, c.fadeIn, c.fadeOut);
    }
}

TEST(ShaderSpriteRecords, TextsReadFromADocumentHaveKeysOfTheirOwnAndACloneSharesItsPrototypes) {
    QV_StaticTextConstructor first, second;
    EXPECT_FALSE(first.key == second.key);
    EXPECT_EQ(first.key.flag, 1);
    std::unique_ptr<QV_StaticTextConstructor> clone(first.Clone());
    EXPECT_TRUE(clone->key == first.key);
    // A new text is red, its alpha following the time line, in bold 32-unit Arial.
    EXPECT_EQ(first.colour.Value(), 0x0000FFu);
    EXPECT_EQ(first.TimeLine().TimeMode().Value(), QV_TimeLineControl::kAlphaByOpacity);
    EXPECT_EQ(first.font.height, 32);
    EXPECT_EQ(first.font.weight, 700u);
    EXPECT_EQ(first.font.face, L"Arial");
}

TEST(ShaderSpriteRecords, OversizedTextsAreCutWhereTheyAreRead) {
    StaticTextRecord record{.text = "Big", .fontHeight = -100000, .base = DistinctStaticEffect(2)};
    record.base.width = 100000;
    record.base.height = 0xFFFFFFFFu;
    auto read = ReadObject<QV_StaticTextConstructor>(MakeStaticText(record));
    ASSERT_TRUE(read.description);
    EXPECT_TRUE(read.exact);
    EXPECT_EQ(read.description->font.height, -QV_StaticTextConstructor::kMaxFontHeight);
    EXPECT_EQ(read.description->width.Value(), QV_StatBaseFXCtrl::kMaxExtent);
    EXPECT_EQ(read.description->height.Value(), QV_StatBaseFXCtrl::kMaxExtent);
}

// A text of more pixels than the screen is drawn into a target of at most the screen's
// pixels, sides and font scaled alike; the font is then at most twice the target's height.
TEST(ShaderSpriteRecords, ATextsTargetAndFontAreNoLargerThanTheScreenNeeds) {
    struct Case {
        uint32_t width, height;
        int32_t fontHeight;
        uint32_t screenWidth, screenHeight;
        QV_StaticTextConstructor::Drawn drawn;
    };
    const Case cases[] = {
        {300, 40, 36, 1024, 768, {300, 40, 36}},          // within: as stored
        {1024, 768, -80, 1024, 768, {1024, 768, -80}},     // the screen's pixels exactly
        {700, 120, 1024, 1024, 768, {700, 120, 240}},     // the font cut to twice the height
        {700, 120, -1024, 1024, 768, {700, 120, -240}},
        {4096, 4096, 100, 1024, 768, {886, 886, 22}},     // scaled by the root of 768 K / 16 M
        {4096, 2, 10, 32, 32, {1448, 1, 2}},              // a side never below one pixel
        {0, 50, 36, 1024, 768, {0, 50, 36}},              // no width: nothing is drawn anyway
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " font " << c.fontHeight);
        const auto drawn =
            QV_StaticTextConstructor::DrawnFor(c.width, c.height, c.fontHeight, c.screenWidth, c.screenHeight);
        EXPECT_EQ(drawn.width, c.drawn.width);
        EXPECT_EQ(drawn.height, c.drawn.height);
        EXPECT_EQ(drawn.fontHeight, c.drawn.fontHeight);
    }
}

TEST(ShaderSpriteRecords, ARecordCutShortAnywhereFailsTheArchiveWithoutReadingPastItsEnd) {
    ExplosionRecord oldExplosion{.version = 1, .base = DistinctStaticEffect(1)};
    StaticTextRecord oldText{.version = 1, .text = "Old", .base = DistinctStaticEffect(1)};
    const SceneWriter records[] = {
        MakeDischargeFX({}), MakeExplosion({}), MakeExplosion(oldExplosion), MakeStaticText({.text = "Cut"}),
        MakeStaticText(oldText),
    };
    for (const SceneWriter& record : records) vgtest::ExpectEveryCutFails(record);
}

}  // namespace
