#pragma once
// FX brushes as the document stores them: each brush's own fields, then the brush base
// section, then the description base section.
#include <array>
#include <cstdint>
#include <string>

#include "DescriptionRecords.h"
#include "SceneWriter.h"
#include "SlideRecords.h"

namespace scenewriter {

// Version 1 has no effect scale, 2 no region and spare value.
struct FxBaseRecord {
    int32_t version = 3;
    uint32_t speed = 0;
    int32_t fxMode = 0;
    std::string maskGuid = "{00000000-0000-0000-0000-000000000000}";
    std::string maskName{};
    uint8_t maskFlag = 1;
    LinkValue effect;
    uint32_t effectScale = 50;            // fiftieths
    std::array<float, 12> region{};       // corner 0 x, y, z, ... corner 3 x, y, z
    int32_t spareInt = 0;
    DescriptionBaseRecord base;
};

struct DirectionBasedRecord {
    int32_t version = 1;
    uint32_t strength = 0;
    uint32_t angle = 0;  // degrees
    FxBaseRecord fx;
};

struct CentralBasedRecord {
    int32_t version = 1;
    std::array<float, 3> center{};  // picture pixels
    FxBaseRecord fx;
};

struct PatternBrushRecord {
    int32_t version = 1;
    LinkValue image;
    int32_t flipV = 0, flipH = 0;
    uint32_t angle = 0;          // degrees
    uint32_t patternScale = 100; // hundredths
    uint32_t offsetX = 0, offsetY = 0;
    FxBaseRecord fx;
};

struct BackgroundCopyRecord {
    int32_t version = 1;
    // left, right, top, bottom, horizontal shift, vertical shift (picture pixels)
    std::array<int32_t, 6> rect{};
    int32_t wrapY = 0, wrapX = 0;
    FxBaseRecord fx;
};

struct WavesRecord {
    int32_t version = 1;
    uint32_t amplitude = 50, wavelength = 50;
    uint32_t angle = 0;  // degrees
    int32_t normalMode = 0;
    FxBaseRecord fx;
};

struct LightRecord {
    int32_t version = 1;
    uint32_t intensity = 40;
    int32_t mode = 0;  // 0 pulse, 1 blink, 2 or more flicker
    FxBaseRecord fx;
};

struct UnderwaterRecord {
    int32_t version = 1;
    uint32_t amplitude = 50, wavelength = 50;
    FxBaseRecord fx;
};

struct WaterRecord {
    int32_t version = 1;
    uint32_t pFactor = 20, bumpScale = 20, direction2Scale = 20, direction1Divisor = 20;
    uint32_t angle = 40;  // degrees
    uint32_t shadows = 0, halfZ = 0;
    int32_t color = 0xFFFFFF;  // red in the low byte
    LinkValue bump{"common_res.dll", 89};
    FxBaseRecord fx;
};

// Version 1 has no second amplitude.
struct MoveRecord {
    int32_t version = 2;
    int32_t mode = 0;  // 0 sine, 1 noise
    uint32_t amplitude2 = 0;
    DirectionBasedRecord direction;
};

struct WaterfallRecord {
    int32_t version = 1;
    uint32_t transluency = 0, waveCount = 0, noiseAmplitude = 0, spareScaled = 0, threshold = 0;
    LinkValue noise{};
    int32_t baseColor = 0;  // red in the low byte
    int32_t off = 0;
    DirectionBasedRecord direction;
};

// Version 1 has no fire fields; version 2 carries the base's region and spare value here.
struct FireRecord {
    int32_t version = 3;
    std::array<float, 12> region{};  // version 2 only
    int32_t color1 = 0x00FFFF, color2 = 0x0000FF, spareInt = 0;
    LinkValue pattern{"common_res.dll", 93};
    LinkValue noise{"common_res.dll", 8};
    int32_t baseSpareInt = 0;  // version 2 only
    uint32_t density = 100, brightness = 15, tiling = 100;
    FxBaseRecord fx{};
};

struct ExpandRecord {
    int32_t version = 1;
    uint32_t amplitudeA = 50, amplitudeB = 0;
    int32_t mode = 0;  // 0 triangle, otherwise sine
    CentralBasedRecord central;
};

// Version 1 has no own fields.
struct RadialWaveRecord {
    int32_t version = 2;
    uint32_t amplitude = 50, wavelength = 50, backgroundScale = 50;
    int32_t directionFlag = 0;
    CentralBasedRecord central;
};

struct RotationRecord {
    int32_t version = 1;
    uint32_t axisRatio = 0, angle = 0;
    int32_t directionFlag = 0;
    CentralBasedRecord central;
};

struct BendRecord {
    int32_t version = 1;
    uint32_t amplitudeA = 0, amplitudeB = 0, bend = 0;
    int32_t mode = 0;
    CentralBasedRecord central;
};

// Tagged "QV_FX_Constructor".
void WriteFxBase(SceneWriter& out, const FxBaseRecord& fx);
// Tagged "QV_DirectionBased" and "QV_CentralBased": bases of later brushes.
void WriteDirectionBased(SceneWriter& out, const DirectionBasedRecord& record);
void WriteCentralBased(SceneWriter& out, const CentralBasedRecord& record);
// Tagged "QV_PatternBrush" and "QV_UnderwaterFX" sections, as owners embed them.
void WritePatternBrush(SceneWriter& out, const PatternBrushRecord& record);
void WriteUnderwater(SceneWriter& out, const UnderwaterRecord& record);
void WriteFire(SceneWriter& out, const FireRecord& record);

// Entries of a slide's object list.
SceneWriter MakePatternBrush(const PatternBrushRecord& record);
// "QV_PatternBrushC" version 1, then the complete "QV_PatternBrush" section.
SceneWriter MakePatternBrushC(const PatternBrushRecord& record);
SceneWriter MakeBackgroundCopy(const BackgroundCopyRecord& record);
SceneWriter MakeWaves(const WavesRecord& record);
SceneWriter MakeLight(const LightRecord& record);
SceneWriter MakeWater(const WaterRecord& record);
SceneWriter MakeMove(const MoveRecord& record);
SceneWriter MakeWaterfall(const WaterfallRecord& record);
SceneWriter MakeFire(const FireRecord& record);
SceneWriter MakeExpand(const ExpandRecord& record);
SceneWriter MakeRadialWave(const RadialWaveRecord& record);
SceneWriter MakeRotation(const RotationRecord& record);
SceneWriter MakeBend(const BendRecord& record);

}  // namespace scenewriter
