#pragma once
// The background layers that carry their own simulations, as the document stores them: the
// glass ball, the water rings and the falling glyphs. Each record ends with the plain layer's.
#include <cstdint>

#include "SceneWriter.h"
#include "SlideRecords.h"

namespace scenewriter {

struct GlassBallRecord {
    int32_t version = 1;
    LinkValue overlay1{"common_res.dll", 58};
    LinkValue overlay2{"common_res.dll", 59};
    LinkValue stand{"common_res.dll", 60};
    LinkValue backdrop{"common_res.dll", 5};
    uint32_t scrollSpeed = 0;  // 0.02 a unit over 1.0
    int32_t ballX = 0, ballY = 0;
    uint32_t ballSize = 100;   // percent
    uint32_t distortion = 0;
    int32_t showOverlay1 = 1, showOverlay2 = 1, showStand = 0;
    int32_t showBackdropPicture = 0;  // 1: the backdrop picture, otherwise the gradient
    int32_t scrollMode = 3;           // 0 still, 1 left, 2 right, 3 to and fro
    int32_t gradientTop = 0, gradientBottom = 0;
    LayerRecord layer;
};

struct WaterRingsRecord {
    int32_t version = 2;  // version 1 has the mode only
    uint32_t waveHeight = 0, rowDensity = 0, columnDensity = 0;
    uint32_t dropSize = 50, dampingLevel = 50, refractionShift = 20;
    uint32_t dropRate = 30;       // sixtieths of a drop a second
    uint32_t specularLevel = 90;  // hundredths
    uint32_t specularPower = 50;  // 0.8 a unit
    int32_t mode = 0;             // 1: the rings over the finished slide
    LayerRecord layer;
};

struct GlyphRainRecord {
    int32_t version = 2;  // version 1 has no glyph picture
    uint32_t cellSize = 16;
    uint32_t density = 20;
    uint32_t flickerCount = 50;
    int32_t sparkle = 0;
    int32_t backgroundMode = 0;  // 0 the picture, 1 black with the picture's luminance, else nothing
    int32_t rainMode = 2;        // 0 scroll, 1 start inside, 2 either
    int32_t trailColour = 0, headColour = 0;
    uint32_t fade = 0;  // percent
    LinkValue glyphs{"common_res.dll", 40};
    LayerRecord layer;
};

// Tagged "QV_GlassBallLight", "QV_WaterRingLight" and "QV_MatrixCodeLight".
SceneWriter MakeGlassBall(const GlassBallRecord& ball);
SceneWriter MakeWaterRings(const WaterRingsRecord& water);
SceneWriter MakeGlyphRain(const GlyphRainRecord& glyphs);

}  // namespace scenewriter
