// The brush records: the brush base section of every version, each brush's own fields read
// through the registry, the bases of later brushes, and records cut short.
#include <gtest/gtest.h>

#include <functional>
#include <typeinfo>

#include "ArchiveOver.h"
#include "BrushRecords.h"
#include "BrushStage.h"
#include "GuardedBytes.h"
#include "RecordCuts.h"
#include "SectionReading.h"
#include "brushes/QV_BackgroundCopy.h"
#include "brushes/QV_CentralBased.h"
#include "brushes/QV_DirectionBased.h"
#include "brushes/QV_LightFX.h"
#include "brushes/QV_PatternBrushC.h"
#include "brushes/QV_UnderwaterFX.h"
#include "brushes/QV_WaterFX.h"
#include "brushes/QV_WavesFX.h"
#include "document/QV_IOF_R.h"
#include "document/ReaderRegistry.h"
#include "document/ResourceBuffer.h"

using namespace scenewriter;
using vgtest::BrushStage;

namespace {

GUID MaskGuid() {
    GUID guid{};
    CLSIDFromString(L"{3F2504E0-4F89-11D3-9A0C-0305E82C3301}", &guid);
    return guid;
}

TEST(BrushRecords, TheBaseSectionReadsWhatItsVersionHolds) {
    // Version 1 lacks the effect scale, 2 the region and the spare value: defaults stay.
    struct Case {
        int32_t version;
        float effectScale;
        float regionLastZ;
        int spare;
    } cases[] = {{1, 1.0f, 0.0f, 0}, {2, 2.0f, 0.0f, 0}, {3, 2.0f, 12.0f, -9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        LightRecord record;
        record.fx = vgtest::DistinctBrushBase(c.version);
        auto brush = BrushStage::ReadBrush(MakeLight(record));
        ASSERT_NE(brush, nullptr);
        EXPECT_EQ(brush->speed.Value(), 7u);
        EXPECT_FLOAT_EQ(brush->speed.Result(), 7.0f);  // the light keeps scale 1
        EXPECT_EQ(brush->fxMode.Value(), 1);
        EXPECT_TRUE(IsEqualGUID(brush->maskKey.id, MaskGuid()));
        EXPECT_EQ(brush->maskKey.name, L"mask");
        EXPECT_EQ(brush->maskKey.flag, 5);
        EXPECT_EQ(brush->effectLink.GetPath(), L"C:\\fx\\glow.fx");
        EXPECT_EQ(brush->effectLink.Value().stamp, 1234);
        EXPECT_FLOAT_EQ(brush->effectScale.Result(), c.effectScale);
        EXPECT_FLOAT_EQ(brush->region.corners[3].Value().z, c.regionLastZ);
        EXPECT_EQ(brush->spareInt.Value(), c.spare);
        EXPECT_EQ(brush->Name(), L"brush");
        EXPECT_EQ(brush->TimeLine().Mode().Value(), 1);
    }
}

TEST(BrushRecords, EveryBrushReadsItsOwnFieldsThroughTheRegistry) {
    PatternBrushRecord pattern;
    pattern.image = {"C:\\tiles\\leaf.png", 42};
    pattern.flipV = 1;
    pattern.angle = 30;
    pattern.patternScale = 250;
    pattern.offsetX = 10;
    pattern.offsetY = 20;
    pattern.fx = vgtest::DistinctBrushBase(3);
    auto checkPattern = [](QV_FX_Constructor& brush) {
        auto& p = dynamic_cast<QV_PatternBrush&>(brush);
        EXPECT_EQ(p.imageLink.GetPath(), L"C:\\tiles\\leaf.png");
        EXPECT_EQ(p.imageLink.Value().stamp, 42);
        EXPECT_EQ(p.flipV.Value(), 1);
        EXPECT_EQ(p.flipH.Value(), 0);
        EXPECT_EQ(p.angle.Value(), 30u);
        EXPECT_FLOAT_EQ(p.patternScale.Result(), 2.5f);
        EXPECT_FLOAT_EQ(p.offsetX.Result(), -0.1f);  // its scale is negative
        EXPECT_FLOAT_EQ(p.offsetY.Result(), 0.2f);
        EXPECT_EQ(p.Name(), L"brush");
    };
    BackgroundCopyRecord copy;
    copy.rect = {1, 2, 3, 4, 100, -50};
    copy.wrapY = 1;
    copy.fx = vgtest::DistinctBrushBase(3);
    WavesRecord waves;
    waves.amplitude = 80;
    waves.wavelength = 30;
    waves.angle = 90;
    waves.normalMode = 1;
    waves.fx = vgtest::DistinctBrushBase(3);
    LightRecord light;
    light.intensity = 70;
    light.mode = 2;
    light.fx = vgtest::DistinctBrushBase(3);
    WaterRecord water;
    water.pFactor = 30;
    water.bumpScale = 40;
    water.direction2Scale = 50;
    water.direction1Divisor = 60;
    water.angle = 120;
    water.shadows = 25;
    water.halfZ = 3;
    water.color = 0x123456;
    water.bump = {"C:\\bumps\\sea.png", 77};
    water.fx = vgtest::DistinctBrushBase(3);

    vgtest::BrushReadCase cases[] = {
        {"QV_BackgroundCopy", MakeBackgroundCopy(copy),
         [](QV_FX_Constructor& brush) {
             auto& b = dynamic_cast<QV_BackgroundCopy&>(brush);
             EXPECT_EQ(b.rect.left.Value(), 1);
             EXPECT_EQ(b.rect.further1.Value(), 100);
             EXPECT_EQ(b.rect.further2.Value(), -50);
             EXPECT_EQ(b.wrapY.Value(), 1);
             EXPECT_EQ(b.wrapX.Value(), 0);
         }},
        {"QV_WavesFX", MakeWaves(waves),
         [](QV_FX_Constructor& brush) {
             auto& w = dynamic_cast<QV_WavesFX&>(brush);
             EXPECT_FLOAT_EQ(w.amplitude.Result(), 0.02f);
             EXPECT_FLOAT_EQ(w.wavelength.Result(), 0.016f);
             EXPECT_EQ(w.angle.Value(), 90u);
             EXPECT_EQ(w.normalMode.Value(), 1);
         }},
        {"QV_LightFX", MakeLight(light),
         [](QV_FX_Constructor& brush) {
             auto& l = dynamic_cast<QV_LightFX&>(brush);
             EXPECT_FLOAT_EQ(l.intensity.Result(), 0.7f);
             EXPECT_EQ(l.mode.Value(), 2);
         }},
        {"QV_PatternBrush", MakePatternBrush(pattern), checkPattern},
        {"QV_PatternBrushC", MakePatternBrushC(pattern), checkPattern},
        {"QV_WaterFX", MakeWater(water),
         [](QV_FX_Constructor& brush) {
             auto& w = dynamic_cast<QV_WaterFX&>(brush);
             EXPECT_FLOAT_EQ(w.pFactor.Result(), 0.003f);
             EXPECT_FLOAT_EQ(w.bumpScale.Result(), 0.04f);
             EXPECT_FLOAT_EQ(w.direction2Scale.Result(), 0.0125f);
             EXPECT_FLOAT_EQ(w.direction1Divisor.Result(), 0.031f);
             EXPECT_EQ(w.angle.Value(), 120u);
             EXPECT_FLOAT_EQ(w.shadows.Result(), 0.25f);
             EXPECT_FLOAT_EQ(w.halfZ.Result(), 0.3f);
             EXPECT_EQ(w.color.Value(), 0x123456u);
             EXPECT_EQ(w.bumpLink.GetPath(), L"C:\\bumps\\sea.png");
             EXPECT_EQ(w.bumpLink.Value().stamp, 77);
         }},
    };
    vgtest::ExpectBrushesRead(cases);
}

TEST(BrushRecords, APatternBrushCBehavesAsAPatternBrushOnceCloned) {
    PatternBrushRecord record;
    record.patternScale = 50;
    auto wrapped = BrushStage::ReadBrush(MakePatternBrushC(record));
    ASSERT_NE(wrapped, nullptr);
    EXPECT_EQ(typeid(*wrapped), typeid(QV_PatternBrushC));
    std::unique_ptr<QV_FX_Constructor> clone(wrapped->Clone());
    EXPECT_EQ(typeid(*clone), typeid(QV_PatternBrush));
    EXPECT_FLOAT_EQ(static_cast<QV_PatternBrush&>(*clone).patternScale.Result(), 0.5f);
}

// Reads a section as its owner does; exactly its bytes are taken. The bytes, for more reads.
template <class Brush, class Record>
SceneWriter ReadSection(Brush& brush, void (*write)(SceneWriter&, const Record&), const Record& record) {
    SceneWriter out;
    write(out, record);
    vgtest::ArchiveOver in(out.Bytes());
    vgtest::ReadTaggedSection(brush, in.Archive());
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(in.Consumed(), out.Size());
    return out;
}

TEST(BrushRecords, TheUnderwaterBrushIsASectionOnlyAndNoRegistryKnowsIt) {
    UnderwaterRecord record;
    record.amplitude = 80;
    record.wavelength = 10;
    record.fx = vgtest::DistinctBrushBase(3);
    QV_UnderwaterFX underwater;
    const SceneWriter out = ReadSection(underwater, WriteUnderwater, record);
    EXPECT_FLOAT_EQ(underwater.amplitude.Result(), 0.01f);
    EXPECT_FLOAT_EQ(underwater.wavelength.Result(), 0.021f);
    EXPECT_EQ(underwater.spareInt.Value(), -9);

    vgtest::ArchiveOver unknown(out.Bytes());
    EXPECT_EQ(ReadTaggedObject(unknown.Archive()), nullptr);
}

// The bases of the move, waterfall, expand, rotation and bend brushes.
using DirectionBrush = vgtest::BaseOnlyBrush<QV_DirectionBased>;
using CentralBrush = vgtest::BaseOnlyBrush<QV_CentralBased>;

TEST(BrushRecords, TheDirectionAndCentreBasesReadTheirSections) {
    DirectionBasedRecord direction;
    direction.strength = 12;
    direction.angle = 90;
    direction.fx = vgtest::DistinctBrushBase(3);
    DirectionBrush directed;
    ReadSection(directed, WriteDirectionBased, direction);
    EXPECT_FLOAT_EQ(directed.strength.Result(), 12.0f);
    EXPECT_EQ(directed.angle.Value(), 90u);
    // Read silently: the prototype keeps its constructor's direction; its clone derives it.
    EXPECT_FLOAT_EQ(directed.direction.x, 1.0f);
    std::unique_ptr<QV_FX_Constructor> clone(directed.Clone());
    const D3DXVECTOR4& cloned = static_cast<DirectionBrush&>(*clone).direction;
    EXPECT_NEAR(cloned.x, 0.0f, 1e-6f);
    EXPECT_NEAR(cloned.y, -1.0f, 1e-6f);

    CentralBasedRecord central;
    central.center = {10.0f, 20.0f, 3.0f};
    central.fx = vgtest::DistinctBrushBase(2);
    CentralBrush centred;
    ReadSection(centred, WriteCentralBased, central);
    EXPECT_FLOAT_EQ(centred.center.Value().y, 20.0f);
    EXPECT_FLOAT_EQ(centred.effectScale.Result(), 2.0f);
}

TEST(BrushRecords, RecordsCutShortFailTheArchiveWithoutReadingPastTheirEnd) {
    WaterRecord water;
    water.fx = vgtest::DistinctBrushBase(3);
    water.fx.base.timeLine.windows = {{0, 1, 0.5f, 0.6f}};
    PatternBrushRecord pattern;
    pattern.fx = vgtest::DistinctBrushBase(3);
    for (const SceneWriter& record : {MakeWater(water), MakePatternBrushC(pattern)}) vgtest::ExpectEveryCutFails(record);
}

}  // namespace
