#pragma once
// The particle generators as the document stores them: smoke, lightning and plant with their
// base sections, and the authoring tool's foreign "QV_StaticAnimation" record.
#include <array>
#include <cstdint>
#include <vector>

#include "DescriptionRecords.h"
#include "SceneWriter.h"
#include "SlideRecords.h"

namespace scenewriter {

// Version 1 has no mirror flags. Colours are COLORREFs (red in the low byte), transparencies
// in percent.
struct TexGeneratorRecord {
    int32_t version = 2;
    std::vector<LinkValue> textures{};  // one per layer
    LinkValue effect{};
    int32_t colour1 = 0xFFFFFF;
    uint32_t transparency1 = 0;
    int32_t colour2 = 0xFFFFFF;
    uint32_t transparency2 = 0;
    int32_t blendMode = 0;
    int32_t mirrorV = 0;
    int32_t mirrorU = 0;
    int32_t rootVersion = 1;  // the "QV_ParticleGenerator" section
    DescriptionBaseRecord base{};
};

struct StaticGeneratorRecord {
    int32_t version = 1;
    Point3 origin{};
    TexGeneratorRecord tex{};
};

// Version 1 carries two more floats after the corners.
struct SingleRectRecord {
    int32_t version = 2;
    std::array<Point3, 4> corners{};
    std::array<float, 2> legacy{};
    StaticGeneratorRecord staticGenerator{};
};

struct PlantRecord {
    int32_t version = 1;
    uint32_t speed = 50;  // fiftieths of real time
    uint32_t frequency = 0;
    uint32_t wMagnitude = 0;
    uint32_t bMagnitude = 0;
    SingleRectRecord rect{};
};

// The emitter's fields have no section of their own: they follow the wind.
struct SmokeRecord {
    int32_t version = 1;
    uint32_t wind = 50;      // 50 is no wind
    uint32_t lifetime = 0;   // 1/25 s
    uint32_t rate = 0;       // per second
    uint32_t size = 0;       // pixels
    uint32_t direction = 0;  // degrees, 90 up
    uint32_t speed = 50;
    Point3 origin{};
    TexGeneratorRecord tex{};
};

struct StringGeneratorRecord {
    int32_t version = 1;
    Point3 start{};
    Point3 end{};
    TexGeneratorRecord tex{};
};

// Version 1 carries seven legacy timings in milliseconds after the branch counts.
struct LightningRecord {
    int32_t version = 2;
    uint32_t coreWidth = 0;
    uint32_t detail = 0;
    uint32_t displacement = 0;
    uint32_t seed = 0;
    uint32_t branchLength = 0;
    uint32_t branchAngle = 0;
    uint32_t taper = 0;
    std::array<uint32_t, 3> branchCounts{};
    std::array<uint32_t, 7> legacyTimings{};
    uint32_t flicker = 0;
    uint32_t glowWidth = 0;
    int32_t randomFlag = 0;
    StringGeneratorRecord string{};
};

// Tag, two int32 values, then a complete "QV_SingleRectGN" section.
struct StaticAnimationRecord {
    int32_t first = 100;
    int32_t second = 0;
    SingleRectRecord rect{};
};

// Tagged "QV_TexParticleGenerator" (with its root and base sections).
void WriteTexGenerator(SceneWriter& out, const TexGeneratorRecord& record);
// Tagged "QV_SingleRectGN" (with the static generator's section).
void WriteSingleRect(SceneWriter& out, const SingleRectRecord& record);
// Entries of a slide's object list.
SceneWriter MakeSmoke(const SmokeRecord& record);
SceneWriter MakeLightning(const LightningRecord& record);
SceneWriter MakePlant(const PlantRecord& record);
SceneWriter MakeStaticAnimation(const StaticAnimationRecord& record);

}  // namespace scenewriter
