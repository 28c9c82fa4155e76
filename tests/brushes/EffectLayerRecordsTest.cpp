// The records of the glass ball, water rings and falling glyphs: every version, the fields
// each holds, and cut records that never read past their bytes.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ArchiveOver.h"
#include "EffectLayerRecords.h"
#include "GuardedBytes.h"
#include "brushes/QV_GlassBallLight.h"
#include "brushes/QV_MatrixCodeLight.h"
#include "brushes/QV_WaterRingLight.h"
#include "document/ReaderRegistry.h"

namespace {

using namespace scenewriter;

// Reads one layer record followed by a marker, and checks that exactly the record was read.
template <class T>
std::unique_ptr<T> ReadLayer(const SceneWriter& record) {
    SceneWriter bytes = record;
    bytes.Int(-1);
    vgtest::ArchiveOver in(bytes.Bytes());
    std::unique_ptr<QV_2D_Light> layer(ReadTaggedLight(in.Archive()));
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(in.Buffer().BytesLeft(), 4u);
    auto* typed = dynamic_cast<T*>(layer.get());
    if (typed) layer.release();
    return std::unique_ptr<T>(typed);
}

LayerRecord PlainLayer() {
    LayerRecord layer;
    layer.picture = {"C:\\pictures\\bay.jpg", 1700000100};
    layer.camera.enabled = 1;
    layer.camera.zoom = 150;
    return layer;
}

void ExpectPlainLayer(QV_2D_Light& layer) {
    EXPECT_EQ(layer.pictureLink.Value(), FileKey(L"C:\\pictures\\bay.jpg", 1700000100));
    EXPECT_EQ(layer.camera.enabled.Value(), 1);
    EXPECT_FLOAT_EQ(layer.camera.zoom.Result(), 1.5f);
}

TEST(EffectLayerRecords, GlassBallReadsEveryField) {
    // The editor writes version 1; no field depends on the version.
    for (int32_t version : {1, 2}) {
        SCOPED_TRACE(version);
        GlassBallRecord record{.version = version,
                               .overlay1 = {"C:\\pictures\\shine.png", 11},
                               .overlay2 = {"C:\\pictures\\rim.png", 12},
                               .stand = {"C:\\pictures\\stand.png", 13},
                               .backdrop = {"C:\\pictures\\wall.png", 14},
                               .scrollSpeed = 50,
                               .ballX = -40,
                               .ballY = 25,
                               .ballSize = 80,
                               .distortion = 30,
                               .showOverlay1 = 0,
                               .showOverlay2 = 1,
                               .showStand = 1,
                               .showBackdropPicture = 1,
                               .scrollMode = 2,
                               .gradientTop = Rgb(10, 20, 30),
                               .gradientBottom = Rgb(200, 100, 50),
                               .layer = PlainLayer()};
        auto ball = ReadLayer<QV_GlassBallLight>(MakeGlassBall(record));
        ASSERT_NE(ball, nullptr);
        EXPECT_EQ(ball->overlayImage1.Value(), FileKey(L"C:\\pictures\\shine.png", 11));
        EXPECT_EQ(ball->overlayImage2.Value(), FileKey(L"C:\\pictures\\rim.png", 12));
        EXPECT_EQ(ball->standImage.Value(), FileKey(L"C:\\pictures\\stand.png", 13));
        EXPECT_EQ(ball->backgroundImage.Value(), FileKey(L"C:\\pictures\\wall.png", 14));
        EXPECT_FLOAT_EQ(ball->scrollSpeed.Result(), 2.0f);  // 50 × 0.02 + 1
        EXPECT_EQ(ball->ballPosition.Value().x, -40);
        EXPECT_EQ(ball->ballPosition.Value().y, 25);
        EXPECT_EQ(ball->ballSize.Value(), 80u);
        EXPECT_EQ(ball->distortionAmount.Value(), 30u);
        EXPECT_EQ((std::vector<int>{ball->showOverlay1.Value(), ball->showOverlay2.Value(), ball->showStand.Value(),
                                    ball->showBackgroundImage.Value(), ball->scrollMode.Value()}),
                  (std::vector<int>{0, 1, 1, 1, 2}));
        EXPECT_EQ(ball->gradientTop.Value(), 0x1E140Au);
        EXPECT_EQ(ball->gradientBottom.Value(), 0x3264C8u);
        ExpectPlainLayer(*ball);
    }
}

TEST(EffectLayerRecords, WaterRingsVersionOneHoldsOnlyTheMode) {
    struct Case {
        int32_t version;
        unsigned waveHeight, columnDensity, dampingLevel;
        float dropRate, specularPower;
    } cases[] = {
        {1, 0, 0, 50, 0.5f, 40.0f},       // the defaults stay
        {2, 40, 100, 70, 1.0f, 80.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        WaterRingsRecord record{.version = c.version,
                                .waveHeight = 40,
                                .rowDensity = 10,
                                .columnDensity = 100,
                                .dropSize = 60,
                                .dampingLevel = 70,
                                .refractionShift = 35,
                                .dropRate = 60,
                                .specularLevel = 50,
                                .specularPower = 100,
                                .mode = 1,
                                .layer = PlainLayer()};
        auto water = ReadLayer<QV_WaterRingLight>(MakeWaterRings(record));
        ASSERT_NE(water, nullptr);
        EXPECT_EQ(water->mode.Value(), 1);
        EXPECT_EQ(water->waveHeight.Value(), c.waveHeight);
        EXPECT_EQ(water->columnDensity.Value(), c.columnDensity);
        EXPECT_EQ(water->dampingLevel.Value(), c.dampingLevel);
        EXPECT_FLOAT_EQ(water->dropRate.Result(), c.dropRate);
        EXPECT_FLOAT_EQ(water->specularPower.Result(), c.specularPower);
        ExpectPlainLayer(*water);
    }
}

TEST(EffectLayerRecords, FallingGlyphsTakeTheirPictureFromVersionTwo) {
    struct Case {
        int32_t version;
        FileKey glyphs;
    } cases[] = {{1, FileKey(L"common_res.dll", 40)}, {2, FileKey(L"C:\\pictures\\runes.png", 21)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        GlyphRainRecord record{.version = c.version,
                               .cellSize = 12,
                               .density = 150,
                               .flickerCount = 5,
                               .sparkle = 1,
                               .backgroundMode = 1,
                               .rainMode = 0,
                               .trailColour = Rgb(0, 255, 64),
                               .headColour = Rgb(220, 255, 220),
                               .fade = 25,
                               .glyphs = {"C:\\pictures\\runes.png", 21},
                               .layer = PlainLayer()};
        auto glyphs = ReadLayer<QV_MatrixCodeLight>(MakeGlyphRain(record));
        ASSERT_NE(glyphs, nullptr);
        EXPECT_EQ((std::vector<unsigned>{glyphs->cellSize.Value(), glyphs->density.Value(), glyphs->flickerCount.Value()}),
                  (std::vector<unsigned>{12, 150, 5}));
        EXPECT_EQ((std::vector<int>{glyphs->sparkle.Value(), glyphs->backgroundMode.Value(), glyphs->rainMode.Value()}),
                  (std::vector<int>{1, 1, 0}));
        EXPECT_EQ(glyphs->trailColour.Value(), 0x40FF00u);
        EXPECT_EQ(glyphs->headColour.Value(), 0xDCFFDCu);
        EXPECT_FLOAT_EQ(glyphs->fade.Result(), 0.75f);
        EXPECT_EQ(glyphs->glyphLink.Value(), c.glyphs);
        ExpectPlainLayer(*glyphs);
    }
}

TEST(EffectLayerRecords, FreshLayersHaveTheirDefaults) {
    QV_GlassBallLight ball;
    EXPECT_EQ(ball.overlayImage1.Value(), FileKey(L"common_res.dll", 58));
    EXPECT_EQ(ball.overlayImage2.Value(), FileKey(L"common_res.dll", 59));
    EXPECT_EQ(ball.standImage.Value(), FileKey(L"common_res.dll", 60));
    EXPECT_EQ(ball.backgroundImage.Value(), FileKey(L"common_res.dll", 5));
    EXPECT_FLOAT_EQ(ball.scrollSpeed.Result(), 1.0f);
    EXPECT_EQ(ball.ballSize.Value(), 100u);
    EXPECT_EQ(ball.scrollMode.Value(), QV_GlassBallLight::kPan);
    EXPECT_EQ(ball.showOverlay1.Value(), 1);
    EXPECT_EQ(ball.showStand.Value(), 0);

    QV_WaterRingLight water;
    EXPECT_EQ(water.mode.Value(), 0);
    EXPECT_EQ(water.dropSize.Value(), 50u);
    EXPECT_EQ(water.dampingLevel.Value(), 50u);
    EXPECT_EQ(water.refractionShift.Value(), 20u);
    EXPECT_FLOAT_EQ(water.dropRate.Result(), 0.5f);
    EXPECT_FLOAT_EQ(water.specularLevel.Result(), 0.9f);
    EXPECT_FLOAT_EQ(water.specularPower.Result(), 40.0f);

    QV_MatrixCodeLight glyphs;
    EXPECT_EQ(glyphs.cellSize.Value(), 16u);
    EXPECT_EQ(glyphs.density.Value(), 20u);
    EXPECT_EQ(glyphs.flickerCount.Value(), 50u);
    EXPECT_EQ(glyphs.rainMode.Value(), 2);
    EXPECT_EQ(glyphs.trailColour.Value(), 0u);
    EXPECT_FLOAT_EQ(glyphs.fade.Result(), 1.0f);
    EXPECT_EQ(glyphs.glyphLink.Value(), FileKey(L"common_res.dll", 40));
}

TEST(EffectLayerRecords, ACutRecordFailsTheArchiveWithoutReadingPastIt) {
    const std::vector<std::vector<uint8_t>> records = {
        MakeGlassBall({}).Bytes(), MakeWaterRings({}).Bytes(), MakeWaterRings({.version = 1}).Bytes(),
        MakeGlyphRain({}).Bytes(), MakeGlyphRain({.version = 1}).Bytes()};
    for (const std::vector<uint8_t>& whole : records)
        for (size_t length = 0; length < whole.size(); ++length) {
            vgtest::GuardedBytes bytes(std::vector<uint8_t>(whole.begin(), whole.begin() + length));
            ResourceBuffer buffer(bytes.Data(), bytes.Size());
            QV_IOF_R<ResourceBuffer> archive(&buffer);
            std::unique_ptr<QV_2D_Light> layer(ReadTaggedLight(archive));
            EXPECT_TRUE(buffer.Failed()) << length;
        }
}

}  // namespace
