// The particle generators' records, every class and version, and the foreign
// "QV_StaticAnimation" record that object lists step over.
#include <gtest/gtest.h>

#include <memory>

#include "ArchiveOver.h"
#include "GeneratorRecords.h"
#include "GuardedBytes.h"
#include "RecordCuts.h"
#include "document/NumericHelpers.h"
#include "document/QV_IOF_R.h"
#include "document/ReaderRegistry.h"
#include "objects/QV_LightningGN.h"
#include "objects/QV_Plant.h"
#include "objects/QV_Smoke.h"

using namespace scenewriter;

namespace {

constexpr int32_t kMarker = 0x5EED1E55;

struct ReadResult {
    std::unique_ptr<QV_ABObj_Constructor> object;
    bool failed = false;
    bool endedAtMarker = false;  // the record was read to its last byte, and no further
};

// One object record as a list entry reads it, followed by a marker value.
ReadResult Read(const SceneWriter& record) {
    SceneWriter bytes;
    bytes.Append(record).Int(kMarker);
    vgtest::ArchiveOver in(bytes.Bytes());
    ReadResult result;
    result.object.reset(ReadTaggedObject(in.Archive()));
    int32_t next = 0;
    in.Archive().ReadInt(next);
    result.failed = in.Failed();
    result.endedAtMarker = !result.failed && next == kMarker && in.Consumed() == bytes.Size();
    return result;
}

template <class T>
T& As(const ReadResult& result) {
    T* object = dynamic_cast<T*>(result.object.get());
    EXPECT_NE(object, nullptr);
    return *object;
}

TexGeneratorRecord Tex(int32_t version = 2) {
    return TexGeneratorRecord{.version = version,
                              .textures = {{"C:\\Textures\\puff.png", 7}, {"common_res.dll", 35}},
                              .effect = {"common_res.dll", 301},
                              .colour1 = 0x3366CC,
                              .transparency1 = 50,
                              .colour2 = 0x00FF00,
                              .transparency2 = 100,
                              .blendMode = 2,
                              .mirrorV = 1,
                              .mirrorU = 1,
                              .base = {.name = "Generator", .timeLine = {.mode = 1, .hiddenMin = 40}}};
}

SingleRectRecord Rect(int32_t version = 2, int32_t texVersion = 2) {
    return SingleRectRecord{.version = version,
                            .corners = {{{10, 20, 0}, {10, 220, 0}, {110, 20, 0}, {110, 220, 1}}},
                            .legacy = {-7.0f, 9.5f},
                            .staticGenerator = {.origin = {60, 220, 0}, .tex = Tex(texVersion)}};
}

TEST(GeneratorRecords, TestThatASmokeReadsTheWindTheEmitterFieldsAndTheTextureSection) {
    ReadResult result = Read(MakeSmoke({.wind = 80, .lifetime = 75, .rate = 12, .size = 40, .direction = 90,
                                        .speed = 100, .origin = {320, 400, 2}, .tex = Tex()}));
    ASSERT_TRUE(result.endedAtMarker);
    QV_Smoke& smoke = As<QV_Smoke>(result);
    EXPECT_FLOAT_EQ(smoke.wind.Result(), 60.0f);  // 2u − 100
    EXPECT_FLOAT_EQ(smoke.lifetime.Result(), 3.0f);
    EXPECT_EQ(smoke.rate.Value(), 12u);
    EXPECT_EQ(smoke.size.Value(), 40u);
    EXPECT_EQ(smoke.direction.Value(), 90u);
    EXPECT_FLOAT_EQ(smoke.speed.Result(), 2.0f);
    EXPECT_EQ(smoke.origin.Value(), D3DXVECTOR3(320, 400, 2));
    ASSERT_EQ(smoke.textureLinks.size(), 2u);
    EXPECT_EQ(smoke.textureLinks[0].Value(), FileKey(L"C:\\Textures\\puff.png", 7));
    EXPECT_EQ(smoke.textureLinks[1].Value(), FileKey(L"common_res.dll", 35));
    EXPECT_EQ(smoke.effectLink.Value(), FileKey(L"common_res.dll", 301));
    EXPECT_EQ(smoke.colour1.Value(), 0x3366CCu);
    EXPECT_EQ(smoke.colour1.Alpha(), 127);  // 50 % through the transparency's rule
    EXPECT_EQ(smoke.colour2.Alpha(), 0);
    EXPECT_EQ(smoke.blendMode.Value(), 2);
    EXPECT_EQ(smoke.Name(), L"Generator");
    EXPECT_EQ(smoke.TimeLine().Mode().Value(), 1);
    EXPECT_EQ(smoke.TimeLine().HiddenMin().Value(), 40u);
}

TEST(GeneratorRecords, TestThatAVersion1TextureSectionHasNoMirrorFlags) {
    struct {
        int32_t version;
        int expectedFlags;
    } cases[] = {{1, 0}, {2, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        ReadResult result = Read(MakePlant({.rect = Rect(2, c.version)}));
        ASSERT_TRUE(result.endedAtMarker);
        QV_Plant& plant = As<QV_Plant>(result);
        EXPECT_EQ(plant.mirrorV.Value(), c.expectedFlags);
        EXPECT_EQ(plant.mirrorU.Value(), c.expectedFlags);
        EXPECT_EQ(plant.blendMode.Value(), 2);
    }
}

TEST(GeneratorRecords, TestThatAPlantReadsItsSwayAndEitherSingleRectVersion) {
    // Version 1 of the single-rect section carries two floats after the corners.
    for (int32_t version : {1, 2}) {
        SCOPED_TRACE(version);
        ReadResult result =
            Read(MakePlant({.speed = 100, .frequency = 30, .wMagnitude = 50, .bMagnitude = 25, .rect = Rect(version)}));
        ASSERT_TRUE(result.endedAtMarker);
        QV_Plant& plant = As<QV_Plant>(result);
        EXPECT_FLOAT_EQ(plant.speed.Result(), 2.0f);
        EXPECT_FLOAT_EQ(plant.frequency.Result(), 3.0f);
        EXPECT_FLOAT_EQ(plant.wMagnitude.Result(), 0.1f);
        EXPECT_FLOAT_EQ(plant.bMagnitude.Result(), 0.05f);
        EXPECT_EQ(plant.corners.corners[1].Value(), D3DXVECTOR3(10, 220, 0));
        EXPECT_EQ(plant.corners.corners[3].Value(), D3DXVECTOR3(110, 220, 1));
        EXPECT_EQ(plant.origin.Value(), D3DXVECTOR3(60, 220, 0));
        EXPECT_EQ(plant.Name(), L"Generator");
    }
}

LightningRecord Lightning(int32_t version) {
    return LightningRecord{.version = version,
                           .coreWidth = 6,
                           .detail = 5,
                           .displacement = 50,
                           .seed = 1234,
                           .branchLength = 80,
                           .branchAngle = 100,
                           .taper = 30,
                           .branchCounts = {4, 3, 2},
                           .legacyTimings = {1500, 800, 2000, 3000, 6000, 111, 222},
                           .flicker = 40,
                           .glowWidth = 30,
                           .randomFlag = 1,
                           .string = {.start = {100, 0, 0}, .end = {140, 300, 0}, .tex = Tex()}};
}

TEST(GeneratorRecords, TestThatALightningReadsItsFieldsAndAVersion1MovesItsTimingsIntoTheTimeLine) {
    struct Case {
        int32_t version;
        int mode;
        unsigned fadeIn, fadeOut, visible, hiddenMin, hiddenMax;
    };
    // Version 2 keeps the time line as written; version 1's milliseconds become hundredths.
    const Case cases[] = {{2, 1, 50, 50, 100, 40, 100}, {1, 1, 150, 80, 200, 300, 600}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        ReadResult result = Read(MakeLightning(Lightning(c.version)));
        ASSERT_TRUE(result.endedAtMarker);
        QV_LightningGN& lightning = As<QV_LightningGN>(result);
        EXPECT_EQ(lightning.coreWidth.Value(), 6u);
        EXPECT_EQ(lightning.detail.Value(), 5u);
        EXPECT_FLOAT_EQ(lightning.displacement.Result(), 0.2f);
        EXPECT_EQ(lightning.seed.Value(), 1234u);
        EXPECT_FLOAT_EQ(lightning.branchLength.Result(), 0.8f);
        EXPECT_FLOAT_EQ(lightning.branchAngle.Result(), kSinglePi / 2);
        EXPECT_FLOAT_EQ(lightning.taper.Result(), 0.7f);
        EXPECT_EQ(lightning.branchCounts[2].Value(), 2u);
        EXPECT_FLOAT_EQ(lightning.flicker.Result(), 0.4f);
        EXPECT_EQ(lightning.glowWidth.Value(), 30u);
        EXPECT_EQ(lightning.randomFlag.Value(), 1);
        EXPECT_EQ(lightning.end.Value(), D3DXVECTOR3(140, 300, 0));
        QV_TimeLineControl& timeLine = lightning.TimeLine();
        EXPECT_EQ(timeLine.Mode().Value(), c.mode);
        EXPECT_EQ(timeLine.FadeIn().Value(), c.fadeIn);
        EXPECT_FLOAT_EQ(timeLine.FadeIn().Result(), c.fadeIn / 100.0f);
        EXPECT_EQ(timeLine.FadeOut().Value(), c.fadeOut);
        EXPECT_EQ(timeLine.VisibleMin().Value(), c.visible);
        EXPECT_EQ(timeLine.VisibleMax().Value(), c.visible);
        EXPECT_EQ(timeLine.HiddenMin().Value(), c.hiddenMin);
        EXPECT_EQ(timeLine.HiddenMax().Value(), c.hiddenMax);
    }
}

TEST(GeneratorRecords, TestThatALightningKeepsDetailAndBranchCountsWithinTheBoltsLimits) {
    LightningRecord record = Lightning(2);
    record.detail = 4000000000u;
    record.branchCounts = {4000000000u, 9000, 5};
    ReadResult result = Read(MakeLightning(record));
    ASSERT_TRUE(result.endedAtMarker);
    QV_LightningGN& lightning = As<QV_LightningGN>(result);
    EXPECT_EQ(lightning.detail.Value(), LightningBolt::kMaxPasses);
    EXPECT_EQ(lightning.branchCounts[0].Value(), LightningBolt::kMaxBranchCount);
    EXPECT_EQ(lightning.branchCounts[1].Value(), LightningBolt::kMaxBranchCount);
    EXPECT_EQ(lightning.branchCounts[2].Value(), 5u);
}

// A puff grows to one and a half times its size, a bolt is as wide as its widths: past what
// can show they are cut where they are read.
TEST(GeneratorRecords, TestThatPuffSizesAndBoltWidthsBeyondWhatCanShowAreCutWhenRead) {
    struct Case {
        uint32_t stored, read;
    };
    for (const Case& c : {Case{150, 150}, Case{8192, 8192}, Case{8193, 8192}, Case{0xFFFFFFFFu, 8192}}) {
        SCOPED_TRACE(c.stored);
        ReadResult result = Read(MakeSmoke({.rate = 5, .size = c.stored, .tex = Tex()}));
        ASSERT_TRUE(result.endedAtMarker);
        EXPECT_EQ(As<QV_Smoke>(result).size.Value(), c.read);
    }
    for (const Case& c : {Case{30, 30}, Case{16384, 16384}, Case{16385, 16384}, Case{0xFFFFFFFFu, 16384}}) {
        SCOPED_TRACE(c.stored);
        LightningRecord record = Lightning(2);
        record.coreWidth = c.stored;
        record.glowWidth = c.stored;
        ReadResult result = Read(MakeLightning(record));
        ASSERT_TRUE(result.endedAtMarker);
        EXPECT_EQ(As<QV_LightningGN>(result).coreWidth.Value(), c.read);
        EXPECT_EQ(As<QV_LightningGN>(result).glowWidth.Value(), c.read);
    }
}

// A record of the tag with the given int32 values between the tag and a single-rect section.
SceneWriter Foreign(const char* tag, std::initializer_list<int32_t> values, const SingleRectRecord& rect = Rect()) {
    SceneWriter out;
    out.String(tag);
    for (int32_t value : values) out.Int(value);
    WriteSingleRect(out, rect);
    return out;
}

SceneWriter StaticAnimation(std::initializer_list<int32_t> values, const SingleRectRecord& rect = Rect()) {
    return Foreign("QV_StaticAnimation", values, rect);
}

TEST(GeneratorRecords, TestThatTheForeignRecordIsSteppedOverWhereverItsVersionStands) {
    struct Case {
        const char* form;
        SceneWriter record;
        bool steppedOver;
    } cases[] = {
        {"the 100 is the version", MakeStaticAnimation({.rect = Rect()}), true},
        {"a version of its own before the 100", StaticAnimation({1, 100, 0}), true},
        {"the version alone", StaticAnimation({100}), true},
        {"an old single-rect section", StaticAnimation({100, 0}, Rect(1)), true},
        {"three values before the section", StaticAnimation({1, 100, 0, 0}), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        ReadResult result = Read(c.record);
        EXPECT_EQ(result.object, nullptr);
        EXPECT_EQ(result.endedAtMarker, c.steppedOver);
        EXPECT_EQ(result.failed, !c.steppedOver);
    }
}

TEST(GeneratorRecords, TestThatOnlyASingleRectSectionIsSteppedOverAndOtherTagsStayRefused) {
    SceneWriter otherSection;
    otherSection.String("QV_StaticAnimation").Int(100).Int(0);
    otherSection.Section("QV_StaticGenerator", 1).Float(1).Float(2).Float(3);
    for (const SceneWriter& record : {otherSection, Foreign("QV_StaticAnimations", {100, 0})}) {
        ReadResult result = Read(record);
        EXPECT_EQ(result.object, nullptr);
        EXPECT_TRUE(result.failed);
    }
}

// Every shorter copy of a record fails its read and reads nothing past its end (the bytes
// end at a no-access page).
TEST(GeneratorRecords, TestThatEveryTruncatedRecordFailsWithoutReadingPastItsEnd) {
    const SceneWriter records[] = {
        MakeSmoke({.lifetime = 50, .rate = 10, .tex = Tex()}),
        MakeLightning(Lightning(1)),
        MakePlant({.rect = Rect(1, 1)}),
        MakeStaticAnimation({.rect = Rect()}),
    };
    for (const SceneWriter& record : records) vgtest::ExpectEveryCutFails(record);
}

}  // namespace
