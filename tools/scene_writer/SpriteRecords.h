#pragma once
// Sprite systems as the document stores them: the shared sprite section, the flow's edge
// rules, and each emitter's record.
#include <cstdint>
#include <vector>

#include "DescriptionRecords.h"
#include "DocumentRecords.h"
#include "SceneWriter.h"
#include "SlideRecords.h"

namespace scenewriter {

// Version 1 carries its pictures inline (frame records, a second-picture record, and after the
// sheet fields the frame durations); later versions carry two links. Versions below 3 have a
// time scale after the count; 4 adds the frame-set source, 5 the flips, 6 frame-change-only,
// 7 the speed.
struct SpriteRecord {
    int32_t version = 7;
    PlacedRecord placed;
    uint32_t count = 1;
    uint32_t timeScale = 50;
    uint32_t size = 32;
    uint32_t transparency = 0;  // percent
    int32_t blendMode = 0;      // 0 alpha, 1 additive
    int32_t colour = 0xFFFFFF;  // red in the low byte
    float pulseSpeed = 0, alphaMin = 0, alphaMax = 1, scaleMin = 1, scaleMax = 1;
    LinkValue image{}, secondImage{};
    std::vector<StoredFile> frames{};
    StoredFile secondFrame{};
    uint32_t inertWord = 1;
    float inertFloat = 0;
    uint32_t frameCount = 1;
    float frameRate = 0;
    bool sheet = false;
    std::vector<float> durations{};
    int32_t frameSetSource = 0;  // 1: the image names a module frame set
    int32_t flipVertical = 0, flipHorizontal = 0;
    int32_t frameChangeOnly = 0;
    uint32_t speed = 100;  // hundredths
};

// Mode 0 wrap, 1 bounce, 2 hold outside; times in milliseconds.
struct EdgeRecord {
    int32_t version = 1;
    int32_t mode = 0;
    uint32_t fadeOut = 0, fadeIn = 0, minDelay = 0, maxDelay = 0;
};

// Version 2 stores the orientation as a flag (non-zero: along the flow), 3 as the mode;
// version 4 adds the edges (top, bottom, left, right).
struct FlowRecord {
    int32_t version = 4;
    uint32_t angle = 0;           // degrees, counter-clockwise
    uint32_t driftAmplitude = 0;  // × 3 pixels per unit of scaled time
    uint32_t driftRate = 0;       // × 0.25 changes per unit of scaled time
    float speed = 0;
    int32_t orientation = 0;
    EdgeRecord edges[4];
    SpriteRecord sprite;
};

struct FishRecord {
    int32_t version = 1;
    float maxSpeedX = 80, maxSpeedY = 50;
    SpriteRecord sprite;
};

struct GodRayRecord {
    int32_t version = 1;
    uint32_t tilt = 80;  // degrees
    SpriteRecord sprite;
};

struct FogRecord {
    int32_t version = 1;
    float maxSpeedX = 40, maxSpeedY = 40;
    SpriteRecord sprite;
};

struct GrassRecord {
    int32_t version = 1;
    float sway = 3;  // degrees
    SpriteRecord sprite;
};

// Before version 2 the two flips follow the rotation.
struct StaticSpriteRecord {
    int32_t version = 2;
    int32_t left = 0, right = 0, top = 0, bottom = 0, centreX = 0, centreY = 0;
    uint32_t rotation = 0;  // degrees, counter-clockwise
    int32_t flipVertical = 0, flipHorizontal = 0;
    SpriteRecord sprite;
};

// Tagged "QV_BaseSpriteProp".
void WriteSprite(SceneWriter& out, const SpriteRecord& sprite);
// Tagged "QV_BoundControl".
void WriteEdge(SceneWriter& out, const EdgeRecord& edge);
// Tagged "QV_FlowConstructor" / "QV_FishConstructor" / "QV_StatObjConstructor".
void WriteFlow(SceneWriter& out, const FlowRecord& flow);
void WriteFish(SceneWriter& out, const FishRecord& fish);
void WriteStaticSprite(SceneWriter& out, const StaticSpriteRecord& placed);

// Entries of a slide's object list.
SceneWriter MakeFlow(const FlowRecord& flow);
SceneWriter MakeRain(const FlowRecord& flow, int32_t version = 1);
SceneWriter MakeFish(const FishRecord& fish);
SceneWriter MakeBird(const FishRecord& fish, int32_t version = 1);
SceneWriter MakeGhost(const FishRecord& fish, int32_t version = 2);
SceneWriter MakeGodRay(const GodRayRecord& rays);
SceneWriter MakeSparkle(const SpriteRecord& sprite, int32_t version = 1);
SceneWriter MakeFog(const FogRecord& fog);
SceneWriter MakeLighting(const SpriteRecord& sprite, int32_t version = 1);
SceneWriter MakeGrass(const GrassRecord& grass);
SceneWriter MakeStaticSprite(const StaticSpriteRecord& placed);
SceneWriter MakeFlower(const StaticSpriteRecord& placed, float sway = 1.5f, int32_t version = 1);
SceneWriter MakeDischarge(const StaticSpriteRecord& placed, int32_t version = 1);

}  // namespace scenewriter
