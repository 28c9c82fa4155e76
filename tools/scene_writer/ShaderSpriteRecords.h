#pragma once
// Shader sprites as the document stores them: the effect level every one shares, the glow
// level with the electric discharge, and the single-sprite level with the explosion and the
// static text.
#include <cstdint>
#include <string>

#include "SceneWriter.h"
#include "SlideRecords.h"
#include "SpriteRecords.h"

namespace scenewriter {

// Tagged "QV_FXParticleSystemCtrl": the effect link, then the sprite section.
struct EffectSpriteRecord {
    int32_t version = 1;
    LinkValue effect{"common_res.dll", 97};
    SpriteRecord sprite;
};

// Tagged "QV_GlowEffectCtrl".
struct GlowRecord {
    int32_t version = 1;
    int32_t glowColour = 0;  // red in the low byte
    uint32_t glowAmount = 100;  // percent
    EffectSpriteRecord effectSprite;
};

struct DischargeFXRecord {
    int32_t version = 1;
    Point3 start, end;           // picture pixels
    uint32_t jitter = 50;        // hundredths
    int32_t textureChoice = 1;   // 0 the thick bolt, else the thin one
    uint32_t flicker = 100;      // 0.1 − value / 1000 seconds
    uint32_t morphSpeed = 50;    // tenths
    GlowRecord glow;
};

// Tagged "QV_StatBaseFXCtrl"; version 1 has no height and width. Inside it the field-less
// "QV_BaseFXCtrl" section, then the effect level.
struct StaticEffectRecord {
    int32_t version = 2;
    Point3 position;
    uint32_t height = 0, width = 0;
    int32_t baseVersion = 1;
    EffectSpriteRecord effectSprite;
};

// Version 1 has five timings in milliseconds before the seed: fade-in, visible, fade-out and
// two parts of hidden.
struct ExplosionRecord {
    int32_t version = 2;
    uint32_t noise1 = 21, noise2 = 15, noise3 = 42;
    uint32_t direction = 0;  // degrees
    uint32_t speed = 50;
    uint32_t timings[5] = {};
    uint32_t seed = 0;
    int32_t randomFlag = 0;
    int32_t colour2 = 0xFFFFFF;
    StaticEffectRecord base;
};

// Version 1 has four timings in milliseconds after the font: fade-in, fade-out, visible,
// hidden.
struct StaticTextRecord {
    int32_t version = 2;
    int32_t verticalAlignment = 0, horizontalAlignment = 0;
    std::string text;
    int32_t fontHeight = 32;
    uint32_t fontWeight = 700;
    int32_t fontItalic = 0;
    std::string fontFace = "Arial";
    uint32_t timings[4] = {};
    StaticEffectRecord base;
};

void WriteEffectSprite(SceneWriter& out, const EffectSpriteRecord& record);
void WriteGlow(SceneWriter& out, const GlowRecord& glow);
void WriteStaticEffect(SceneWriter& out, const StaticEffectRecord& record);

// Entries of a slide's object list.
SceneWriter MakeDischargeFX(const DischargeFXRecord& discharge);
SceneWriter MakeExplosion(const ExplosionRecord& explosion);
SceneWriter MakeStaticText(const StaticTextRecord& text);

}  // namespace scenewriter
