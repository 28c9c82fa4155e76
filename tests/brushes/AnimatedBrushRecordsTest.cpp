// The records of the brushes that animate their region (move, waterfall, fire, expand,
// radial wave, rotation, bend): each read through the registry, the older versions, and
// records cut short.
#include <gtest/gtest.h>

#include <functional>

#include "ArchiveOver.h"
#include "BrushRecords.h"
#include "BrushStage.h"
#include "GuardedBytes.h"
#include "RecordCuts.h"
#include "brushes/QV_BendFX.h"
#include "brushes/QV_ExpandFX.h"
#include "brushes/QV_FireFX.h"
#include "brushes/QV_MoveFX.h"
#include "brushes/QV_RadialWaveFX.h"
#include "brushes/QV_RotationFX.h"
#include "brushes/QV_WaterfallFX.h"
#include "document/QV_IOF_R.h"
#include "document/ReaderRegistry.h"
#include "document/ResourceBuffer.h"

using namespace scenewriter;
using vgtest::BrushStage;

namespace {

DirectionBasedRecord Directed() { return {.strength = 10, .angle = 90, .fx = vgtest::DistinctBrushBase()}; }
CentralBasedRecord Centred() { return {.center = {100.0f, 50.0f, 0.0f}, .fx = vgtest::DistinctBrushBase()}; }

template <class Brush>
Brush& As(QV_FX_Constructor& brush) {
    return dynamic_cast<Brush&>(brush);
}

TEST(AnimatedBrushRecords, EveryBrushReadsItsOwnFieldsThroughTheRegistry) {
    vgtest::BrushReadCase cases[] = {
        {"move", MakeMove({.mode = 1, .amplitude2 = 30, .direction = Directed()}),
         [](QV_FX_Constructor& b) {
             auto& m = As<QV_MoveFX>(b);
             EXPECT_EQ(m.mode.Value(), 1);
             EXPECT_FLOAT_EQ(m.amplitude2.Result(), 0.006f);
             EXPECT_FLOAT_EQ(m.strength.Result(), 0.002f);
             EXPECT_EQ(m.angle.Value(), 90u);
         }},
        // A wave count far beyond any use is cut where it is read.
        {"waterfall",
         MakeWaterfall({.transluency = 20, .waveCount = 4000000000u, .noiseAmplitude = 50, .spareScaled = 3,
                        .threshold = 300, .noise = {"C:\\noise.png", 5}, .baseColor = 0x123456, .off = 1,
                        .direction = Directed()}),
         [](QV_FX_Constructor& b) {
             auto& w = As<QV_WaterfallFX>(b);
             EXPECT_FLOAT_EQ(w.transluency.Result(), 0.8f);
             EXPECT_EQ(w.waveCount.Value(), QV_WaterfallFX::kMaxWaves);
             EXPECT_FLOAT_EQ(w.noiseAmplitude.Result(), 0.005f);
             EXPECT_FLOAT_EQ(w.spareScaled.Result(), 3.0f);
             EXPECT_FLOAT_EQ(w.threshold.Result(), 0.7f);
             EXPECT_EQ(w.noiseLink.GetPath(), L"C:\\noise.png");
             EXPECT_EQ(w.baseColor.Value(), 0x123456u);
             EXPECT_EQ(w.off.Value(), 1);
             EXPECT_FLOAT_EQ(w.strength.Result(), 0.04f);
         }},
        {"fire",
         MakeFire({.color1 = 0x0000FF, .color2 = 0x00FF00, .spareInt = 4, .pattern = {"C:\\p.png", 1},
                   .noise = {"C:\\n.png", 2}, .density = 50, .brightness = 25, .tiling = 200, .fx = vgtest::DistinctBrushBase()}),
         [](QV_FX_Constructor& b) {
             auto& f = As<QV_FireFX>(b);
             EXPECT_EQ(f.color1.Value(), 0x0000FFu);
             EXPECT_EQ(f.color2.Value(), 0x00FF00u);
             EXPECT_EQ(f.fireSpareInt.Value(), 4);
             EXPECT_EQ(f.patternLink.GetPath(), L"C:\\p.png");
             EXPECT_EQ(f.noiseLink.GetPath(), L"C:\\n.png");
             EXPECT_FLOAT_EQ(f.density.Result(), -0.5f);
             EXPECT_FLOAT_EQ(f.brightness.Result(), 0.5f);
             EXPECT_FLOAT_EQ(f.tiling.Result(), 2.0f);
             EXPECT_FLOAT_EQ(f.region.corners[3].Value().z, 12.0f);
         }},
        {"expand", MakeExpand({.amplitudeA = 10, .amplitudeB = 20, .mode = 1, .central = Centred()}),
         [](QV_FX_Constructor& b) {
             auto& e = As<QV_ExpandFX>(b);
             EXPECT_FLOAT_EQ(e.amplitudeA.Result(), 0.05f);
             EXPECT_FLOAT_EQ(e.amplitudeB.Result(), 0.1f);
             EXPECT_EQ(e.mode.Value(), 1);
             EXPECT_FLOAT_EQ(e.center.Value().x, 100.0f);
         }},
        {"radial wave",
         MakeRadialWave({.amplitude = 100, .wavelength = 10, .backgroundScale = 0, .directionFlag = 1, .central = Centred()}),
         [](QV_FX_Constructor& b) {
             auto& r = As<QV_RadialWaveFX>(b);
             EXPECT_FLOAT_EQ(r.amplitude.Result(), 0.025f);
             EXPECT_FLOAT_EQ(r.wavelength.Result(), 0.002f);
             EXPECT_FLOAT_EQ(r.backgroundScale.Result(), 25.0f);
             EXPECT_EQ(r.directionFlag.Value(), 1);
         }},
        {"rotation", MakeRotation({.axisRatio = 500, .angle = 45, .directionFlag = 1, .central = Centred()}),
         [](QV_FX_Constructor& b) {
             auto& r = As<QV_RotationFX>(b);
             EXPECT_FLOAT_EQ(r.axisRatio.Result(), 0.5f);
             EXPECT_EQ(r.angle.Value(), 45u);
             EXPECT_EQ(r.directionFlag.Value(), 1);
         }},
        {"bend", MakeBend({.amplitudeA = 10, .amplitudeB = 20, .bend = 30, .mode = 1, .central = Centred()}),
         [](QV_FX_Constructor& b) {
             auto& e = As<QV_BendFX>(b);
             EXPECT_FLOAT_EQ(e.amplitudeA.Result(), 0.02f);
             EXPECT_FLOAT_EQ(e.amplitudeB.Result(), 0.04f);
             EXPECT_FLOAT_EQ(e.bend.Result(), 0.6f);
             EXPECT_EQ(e.mode.Value(), 1);
         }},
    };
    vgtest::ExpectBrushesRead(cases);
}

TEST(AnimatedBrushRecords, OlderVersionsReadWhatTheyHoldAndKeepTheRest) {
    // A version 1 move swings symmetrically: its second amplitude is the strength, with its
    // value, scale and offset.
    auto move = BrushStage::ReadBrush(MakeMove({.version = 1, .amplitude2 = 999, .direction = Directed()}));
    ASSERT_NE(move, nullptr);
    auto& m = As<QV_MoveFX>(*move);
    EXPECT_EQ(m.amplitude2.Value(), 10u);
    EXPECT_FLOAT_EQ(m.amplitude2.Scale(), m.strength.Scale());
    EXPECT_FLOAT_EQ(m.amplitude2.Result(), m.strength.Result());

    // Version 1 of the fire holds no fire fields; version 2 holds the base's region and
    // spare value among them, before a base section that lacks them.
    FireRecord fire{.color1 = 0x111111, .tiling = 300, .fx = vgtest::DistinctBrushBase()};
    fire.version = 1;
    auto first = BrushStage::ReadBrush(MakeFire(fire));
    ASSERT_NE(first, nullptr);
    auto& f1 = As<QV_FireFX>(*first);
    EXPECT_EQ(f1.color1.Value(), 0x00FFFFu);
    EXPECT_FLOAT_EQ(f1.tiling.Result(), 1.0f);
    EXPECT_EQ(f1.patternLink.Value().stamp, 93);
    fire.version = 2;
    fire.fx.version = 2;
    for (int i = 0; i < 12; ++i) fire.region[i] = float(100 + i);
    fire.baseSpareInt = 33;
    auto second = BrushStage::ReadBrush(MakeFire(fire));
    ASSERT_NE(second, nullptr);
    auto& f2 = As<QV_FireFX>(*second);
    EXPECT_EQ(f2.color1.Value(), 0x111111u);
    EXPECT_FLOAT_EQ(f2.tiling.Result(), 3.0f);
    EXPECT_FLOAT_EQ(f2.region.corners[3].Value().z, 111.0f);
    EXPECT_EQ(f2.spareInt.Value(), 33);

    // Version 1 of the radial wave has no own fields: all four defaults stay.
    auto wave = BrushStage::ReadBrush(MakeRadialWave({.version = 1, .amplitude = 1, .central = Centred()}));
    ASSERT_NE(wave, nullptr);
    auto& r = As<QV_RadialWaveFX>(*wave);
    EXPECT_FLOAT_EQ(r.amplitude.Result(), 0.0125f);
    EXPECT_FLOAT_EQ(r.wavelength.Result(), 0.006f);
    EXPECT_FLOAT_EQ(r.backgroundScale.Result(), 75.0f);
    EXPECT_EQ(r.directionFlag.Value(), 0);
}

TEST(AnimatedBrushRecords, RecordsCutShortFailTheArchiveWithoutReadingPastTheirEnd) {
    const SceneWriter records[] = {
        MakeMove({.direction = Directed()}),
        MakeWaterfall({.waveCount = 3, .direction = Directed()}),
        MakeFire({.fx = vgtest::DistinctBrushBase()}),
        MakeExpand({.central = Centred()}),
        MakeRadialWave({.central = Centred()}),
        MakeRotation({.central = Centred()}),
        MakeBend({.central = Centred()}),
    };
    for (const SceneWriter& record : records) vgtest::ExpectEveryCutFails(record);
}

}  // namespace
