// The stored records of the sprite systems: every class and version read through the object
// registry, the shipped document's values, and damaged records.
#include <gtest/gtest.h>

#include <limits>

#include "RecordCuts.h"

#include "SpriteRecords.h"
#include "SpriteTesting.h"
#include "document/PictureHeader.h"
#include "objects/QV_BirdConstructor.h"
#include "objects/QV_DischargeConstructor.h"
#include "objects/QV_FlowerConstructor.h"
#include "objects/QV_FogConstructor.h"
#include "objects/QV_GhostConstructor.h"
#include "objects/QV_GodRayConstructor.h"
#include "objects/QV_GrassConstructor.h"
#include "objects/QV_LightingConstructor.h"
#include "objects/QV_RainConstructor.h"
#include "objects/QV_SparkleConstructor.h"

using namespace scenewriter;
using spritetest::ReadObject;

namespace {

// A sprite section whose every field differs from its default.
SpriteRecord DistinctSprite(int32_t version) {
    SpriteRecord s;
    s.version = version;
    s.placed.timeScale = 60;
    s.placed.base.name = "Drift";
    s.count = 12;
    s.timeScale = 75;
    s.size = 48;
    s.transparency = 40;
    s.blendMode = 1;
    s.colour = 0x00336699;
    s.pulseSpeed = 0.5f, s.alphaMin = 0.25f, s.alphaMax = 0.75f, s.scaleMin = 0.5f, s.scaleMax = 2.0f;
    s.image = {"C:\\sprites\\dot.png", 7};
    s.secondImage = {"C:\\sprites\\halo.png", 8};
    s.inertWord = 3, s.inertFloat = 2.5f;
    s.frameCount = 4, s.frameRate = 12.0f, s.sheet = true;
    s.frameSetSource = 1;
    s.flipVertical = 1, s.flipHorizontal = 1;
    s.frameChangeOnly = 1;
    s.speed = 250;
    return s;
}

TEST(SpriteRecords, EachVersionOfTheSpriteSectionReadsTheFieldsItCarries) {
    struct Case {
        int32_t version;
        unsigned int timeScale;  // the sprite section's own before version 3
        int32_t frameSetSource;
        int flips;
        int frameChangeOnly;
        float speed;
    };
    const Case cases[] = {
        {2, 75, 0, 0, 0, 1.0f}, {3, 60, 0, 0, 0, 1.0f}, {4, 60, 1, 0, 0, 1.0f}, {5, 60, 1, 1, 0, 1.0f},
        {6, 60, 1, 1, 1, 1.0f}, {7, 60, 1, 1, 1, 2.5f}, {8, 60, 1, 1, 1, 2.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version);
        auto read = ReadObject<QV_SparkleConstructor>(MakeSparkle(DistinctSprite(c.version)));
        ASSERT_TRUE(read.description);
        // A version above 7 holds nothing more, so it reads exactly like 7.
        EXPECT_TRUE(read.exact);
        QV_SparkleConstructor& d = *read.description;
        EXPECT_EQ(d.Name(), L"Drift");
        EXPECT_EQ(d.count.Value(), 12u);
        EXPECT_EQ(d.TimeScale().Value(), c.timeScale);
        EXPECT_EQ(d.size.Value(), 48u);
        EXPECT_EQ(d.transparency.Result(), 153);  // 255 − 2.55 × 40
        EXPECT_EQ(d.blendMode.Value(), 1);
        EXPECT_EQ(d.colour.Value(), 0x00336699u);
        EXPECT_EQ(d.scaleMax, 2.0f);
        EXPECT_EQ(d.image.GetPath(), L"C:\\sprites\\dot.png");
        EXPECT_EQ(d.secondImage.Value().stamp, 8);
        EXPECT_EQ(d.inertWord, 3u);
        EXPECT_EQ(d.frameCount, 4u);
        EXPECT_TRUE(d.sheet);
        EXPECT_EQ(d.frameSetSource, c.frameSetSource);
        EXPECT_EQ(d.flipVertical.Value(), c.flips);
        EXPECT_EQ(d.flipHorizontal.Value(), c.flips);
        EXPECT_EQ(d.frameChangeOnly.Value(), c.frameChangeOnly);
        EXPECT_FLOAT_EQ(d.speed.Result(), c.speed);
        EXPECT_TRUE(d.legacyFrames.empty());
    }
}

// "Magic dust 3", one of the shipped document's five flows.
SpriteRecord MagicDust() {
    SpriteRecord s;
    s.placed.base.name = "Magic dust 3";
    s.count = 50;
    s.size = 136;
    s.colour = 0x00FF66FF;
    s.scaleMin = 0.5f;
    s.image = {"common_res.dll", 44};
    return s;
}

TEST(SpriteRecords, TheShippedFlowsReadToTheirValues) {
    struct Case {
        uint32_t angle, amplitude, rate;
        float speed;
        float a, r;
    };
    const Case cases[] = {{327, 13, 6, 94.3398f, 39.0f, 1.5f}, {270, 21, 0, 400.0f, 63.0f, 0.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        FlowRecord flow{.angle = c.angle, .driftAmplitude = c.amplitude, .driftRate = c.rate, .speed = c.speed};
        flow.sprite = MagicDust();
        auto read = ReadObject<QV_FlowConstructor>(MakeFlow(flow));
        ASSERT_TRUE(read.description);
        EXPECT_TRUE(read.exact);
        std::unique_ptr<QV_ParticleSystemCtrl> clone(read.description->Clone());
        auto& d = static_cast<QV_FlowConstructor&>(*clone);
        EXPECT_EQ(d.angle.Value(), c.angle);
        // The scaled drift follows the stored values in the clone that runs.
        EXPECT_FLOAT_EQ(d.driftAmplitude.Result(), c.a);
        EXPECT_FLOAT_EQ(d.driftRate.Result(), c.r);
        EXPECT_EQ(d.flowSpeed, c.speed);
        EXPECT_EQ(d.orientation.Value(), 0);
        for (const QV_BoundControl& edge : d.edges) {
            EXPECT_EQ(edge.mode.Value(), 0);
            EXPECT_EQ(edge.maxDelay.Value(), 0u);
        }
        EXPECT_EQ(d.Name(), L"Magic dust 3");
        EXPECT_EQ(d.count.Value(), 50u);
        EXPECT_EQ(d.size.Value(), 136u);
        EXPECT_EQ(d.transparency.Result(), 255);
        EXPECT_EQ(d.blendMode.Value(), 0);
        EXPECT_EQ(d.colour.Value(), 0x00FF66FFu);
        EXPECT_EQ(d.pulseSpeed, 0.0f);
        EXPECT_EQ(d.alphaMin, 0.0f);
        EXPECT_EQ(d.alphaMax, 1.0f);
        EXPECT_EQ(d.scaleMin, 0.5f);
        EXPECT_EQ(d.scaleMax, 1.0f);
        EXPECT_EQ(d.image.GetPath(), L"common_res.dll");
        EXPECT_EQ(d.image.Value().stamp, 44);
        EXPECT_TRUE(d.secondImage.GetPath().empty());
        EXPECT_EQ(d.inertWord, 1u);
        EXPECT_EQ(d.inertFloat, 0.0f);
        EXPECT_EQ(d.frameCount, 1u);
        EXPECT_EQ(d.frameRate, 0.0f);
        EXPECT_FALSE(d.sheet);
        EXPECT_EQ(d.frameSetSource, 0);
        EXPECT_EQ(d.flipVertical.Value() + d.flipHorizontal.Value() + d.frameChangeOnly.Value(), 0);
        EXPECT_FLOAT_EQ(d.speed.Result(), 1.0f);
    }
}

TEST(SpriteRecords, FlowVersionsReadTheirOrientationAndEdges) {
    struct Case {
        int32_t version;
        int32_t stored;  // the flag or the mode
        int orientation;
        bool edgesRead;
    };
    const Case cases[] = {{1, 3, 0, false}, {2, 5, 1, false}, {2, 0, 0, false}, {3, 3, 3, false},
                          {4, 2, 2, true},  {5, 2, 2, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version << " stored " << c.stored);
        FlowRecord flow{.version = c.version, .angle = 90, .orientation = c.stored};
        flow.edges[3] = {.mode = 2, .fadeOut = 500, .fadeIn = 250, .minDelay = 1000, .maxDelay = 2000};
        auto read = ReadObject<QV_FlowConstructor>(MakeFlow(flow));
        ASSERT_TRUE(read.description);
        EXPECT_TRUE(read.exact);
        const QV_FlowConstructor& d = *read.description;
        EXPECT_EQ(d.orientation.Value(), c.orientation);
        const QV_BoundControl& right = d.edges[QV_BoundControl::kRight];
        EXPECT_EQ(right.mode.Value(), c.edgesRead ? 2 : 0);
        EXPECT_EQ(right.fadeOutTime.Value(), c.edgesRead ? 500u : 0u);
        EXPECT_EQ(right.fadeInTime.Value(), c.edgesRead ? 250u : 0u);
        EXPECT_EQ(right.minDelay.Value(), c.edgesRead ? 1000u : 0u);
        EXPECT_EQ(right.maxDelay.Value(), c.edgesRead ? 2000u : 0u);
    }
}

TEST(SpriteRecords, RainCarriesAWholeFlowRecord) {
    FlowRecord flow{.angle = 315, .speed = 900.0f, .orientation = 1};
    flow.sprite.count = 30;
    auto read = ReadObject<QV_RainConstructor>(MakeRain(flow));
    ASSERT_TRUE(read.description);
    EXPECT_TRUE(read.exact);
    EXPECT_EQ(read.description->angle.Value(), 315u);
    EXPECT_EQ(read.description->flowSpeed, 900.0f);
    EXPECT_EQ(read.description->count.Value(), 30u);
}

TEST(SpriteRecords, WanderersReadTheirSpeedsAndOldGhostsGetAFadingCycle) {
    FishRecord fish{.maxSpeedX = 30.0f, .maxSpeedY = 20.0f};
    fish.sprite.placed.base.timeLine = {.mode = 2, .timeMode = 0, .hiddenMin = 7, .fadeIn = 20};
    auto plain = ReadObject<QV_FishConstructor>(MakeFish(fish));
    auto bird = ReadObject<QV_BirdConstructor>(MakeBird(fish));
    ASSERT_TRUE(plain.description && bird.description);
    EXPECT_TRUE(plain.exact && bird.exact);
    for (const QV_FishConstructor* read : {plain.description.get(), static_cast<QV_FishConstructor*>(bird.description.get())}) {
        EXPECT_EQ(read->maxSpeedX, 30.0f);
        EXPECT_EQ(read->maxSpeedY, 20.0f);
    }
    struct Case {
        int32_t version;
        int mode;
        unsigned int hiddenMin, visibleMax, fadeIn, fadeOut;
    };
    // Version 1 always cycles with 1.5-second fades; version 2 keeps its own time line.
    const Case cases[] = {{1, 1, 0, 0, 150, 150}, {2, 2, 7, 100, 20, 50}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        auto ghost = ReadObject<QV_GhostConstructor>(MakeGhost(fish, c.version));
        ASSERT_TRUE(ghost.description);
        EXPECT_TRUE(ghost.exact);
        QV_TimeLineControl& line = ghost.description->TimeLine();
        EXPECT_EQ(line.Mode().Value(), c.mode);
        EXPECT_EQ(line.HiddenMin().Value(), c.hiddenMin);
        EXPECT_EQ(line.VisibleMax().Value(), c.visibleMax);
        EXPECT_EQ(line.FadeIn().Value(), c.fadeIn);
        EXPECT_EQ(line.FadeOut().Value(), c.fadeOut);
        EXPECT_EQ(ghost.description->maxSpeedX, 30.0f);
    }
}

TEST(SpriteRecords, TheSmallEmittersReadTheirOwnFields) {
    SpriteRecord sprite;
    sprite.count = 9;
    auto rays = ReadObject<QV_GodRayConstructor>(MakeGodRay({.tilt = 120, .sprite = sprite}));
    auto fog = ReadObject<QV_FogConstructor>(MakeFog({.maxSpeedX = 12.0f, .maxSpeedY = 6.0f, .sprite = sprite}));
    auto grass = ReadObject<QV_GrassConstructor>(MakeGrass({.sway = 7.5f, .sprite = sprite}));
    auto sparkles = ReadObject<QV_SparkleConstructor>(MakeSparkle(sprite));
    auto flashes = ReadObject<QV_LightingConstructor>(MakeLighting(sprite));
    ASSERT_TRUE(rays.description && fog.description && grass.description && sparkles.description &&
                flashes.description);
    for (bool exact : {rays.exact, fog.exact, grass.exact, sparkles.exact, flashes.exact}) EXPECT_TRUE(exact);
    EXPECT_EQ(rays.description->tilt.Value(), 120u);
    EXPECT_EQ(fog.description->maxSpeedX, 12.0f);
    EXPECT_EQ(fog.description->maxSpeedY, 6.0f);
    EXPECT_EQ(grass.description->sway, 7.5f);
    EXPECT_EQ(sparkles.description->count.Value(), 9u);
    EXPECT_EQ(flashes.description->count.Value(), 9u);
}

TEST(SpriteRecords, StaticSpritesReadTheirRectangleAndOnlyOldOnesTheirFlipsAfterTheRotation) {
    struct Case {
        int32_t version;
        int32_t spriteVersion;  // the sprite section's flips win from version 5 on
        int flipVertical;
    };
    const Case cases[] = {{0, 4, 1}, {1, 4, 1}, {2, 4, 0}, {1, 7, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version << " sprite " << c.spriteVersion);
        // The shipped static sprite's rectangle.
        StaticSpriteRecord placed{.version = c.version, .left = 1048, .right = 1769, .top = 292,
                                  .bottom = 1492, .centreX = 1409, .centreY = 892, .rotation = 0,
                                  .flipVertical = 1, .flipHorizontal = 1};
        placed.sprite.version = c.spriteVersion;
        auto read = ReadObject<QV_StatObjConstructor>(MakeStaticSprite(placed));
        ASSERT_TRUE(read.description);
        EXPECT_TRUE(read.exact);
        const QV_StatObjConstructor& d = *read.description;
        EXPECT_EQ(d.spriteRect.left.Value(), 1048);
        EXPECT_EQ(d.spriteRect.bottom.Value(), 1492);
        EXPECT_EQ(d.spriteRect.further1.Value(), 1409);
        EXPECT_EQ(d.spriteRect.further2.Value(), 892);
        EXPECT_EQ(d.rotation.Value(), 0u);
        EXPECT_EQ(d.flipVertical.Value(), c.flipVertical);
        EXPECT_EQ(d.flipHorizontal.Value(), c.flipVertical);
    }
    StaticSpriteRecord placed{.centreX = 40, .rotation = 30};
    auto flower = ReadObject<QV_FlowerConstructor>(MakeFlower(placed, 4.5f));
    auto discharge = ReadObject<QV_DischargeConstructor>(MakeDischarge(placed));
    ASSERT_TRUE(flower.description && discharge.description);
    EXPECT_TRUE(flower.exact && discharge.exact);
    EXPECT_EQ(flower.description->sway, 4.5f);
    EXPECT_EQ(flower.description->rotation.Value(), 30u);
    EXPECT_EQ(discharge.description->spriteRect.further1.Value(), 40);
}

TEST(SpriteRecords, CountsBeyondSixteenBitIndicesAndSheetsOfNoFramesAreCutWhenRead) {
    struct Case {
        uint32_t count, frameCount;
        unsigned int readCount, readFrameCount;
    };
    const Case cases[] = {{16384, 3, 16384, 3}, {16385, 0, 16384, 1}, {0xFFFFFFFF, 1, 16384, 1}, {0, 0, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        SpriteRecord sprite;
        sprite.count = c.count;
        sprite.frameCount = c.frameCount;
        sprite.sheet = true;
        auto read = ReadObject<QV_SparkleConstructor>(MakeSparkle(sprite));
        ASSERT_TRUE(read.description);
        EXPECT_EQ(read.description->count.Value(), c.readCount);
        EXPECT_EQ(read.description->frameCount, c.readFrameCount);
    }
}

// A sprite is size × scale across: past the longest extent that can show it only grows off
// every screen, so size and scales are kept within it, and a scale that is no number is 1.
TEST(SpriteRecords, SizesAndScalesBeyondWhatCanShowAreBroughtWithinItWhenRead) {
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN(), kInf = std::numeric_limits<float>::infinity();
    const float limit = kMaxShownExtent;
    struct Case {
        uint32_t size;
        float scaleMin, scaleMax;
        unsigned int readSize;
        float readMin, readMax;
    };
    const Case cases[] = {
        {48, 0.5f, 2.0f, 48, 0.5f, 2.0f},                         // within: as stored
        {180, -3.0f, 90.0f, 180, -3.0f, 90.0f},                   // size × 90 still within
        {180, 1e10f, -1e10f, 180, limit / 180, -limit / 180},     // either sign cut
        {180, kNaN, kInf, 180, 1.0f, 1.0f},                       // no number: the default
        {180, -kInf, 0.0f, 180, 1.0f, 0.0f},
        {0xFFFFFFFF, 2.0f, 0.5f, 16384, 1.0f, 0.5f},              // the size cut, then the scales
        {0, 1e30f, 3.0f, 0, limit, 3.0f},                         // size 0 is taken as 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " " << c.scaleMin << " " << c.scaleMax);
        SpriteRecord sprite;
        sprite.size = c.size;
        sprite.scaleMin = c.scaleMin, sprite.scaleMax = c.scaleMax;
        auto read = ReadObject<QV_SparkleConstructor>(MakeSparkle(sprite));
        ASSERT_TRUE(read.description && read.exact);
        EXPECT_EQ(read.description->size.Value(), c.readSize);
        EXPECT_FLOAT_EQ(read.description->scaleMin, c.readMin);
        EXPECT_FLOAT_EQ(read.description->scaleMax, c.readMax);
    }
}

TEST(SpriteRecords, EveryCutOfEveryRecordFailsWithoutReadingPastItsBytes) {
    SpriteRecord legacy;
    legacy.version = 1;
    legacy.frames = {StoredFile{0, "", {1, 2, 3}, "frame 1"}, StoredFile{0, "", {4, 5}, "frame 2"}};
    legacy.durations = {0.1f, 0.2f};
    const SceneWriter records[] = {
        MakeFlow({}), MakeRain({}), MakeFish({}), MakeBird({}), MakeGhost({}, 1), MakeGodRay({}),
        MakeSparkle(legacy), MakeFog({}), MakeLighting({}), MakeGrass({}), MakeStaticSprite({.version = 1}),
        MakeFlower({}), MakeDischarge({}),
    };
    for (const SceneWriter& record : records) vgtest::ExpectEveryCutFails(record);
}

}  // namespace
