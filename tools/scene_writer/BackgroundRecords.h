#pragma once
// The effect background layers as the document stores them: each layer's own fields, then
// the complete "QV_2D_Light" record.
#include <cstdint>
#include <string>

#include "BrushRecords.h"
#include "SceneWriter.h"
#include "SlideRecords.h"

namespace scenewriter {

// The fire as the flame layer's constructor makes it: the module's effect and flame pattern.
inline FireRecord ModuleFire() {
    FireRecord fire;
    fire.pattern = {"common_res.dll", 7};
    fire.fx.speed = 50;
    fire.fx.effect = {"common_res.dll", 92};
    return fire;
}

// Version 1 holds the fire speed and two fire links; version 2 the fire's own record.
struct FlameLightRecord {
    int32_t version = 2;
    int32_t fireOn = 1, distortionOn = 1;
    uint32_t fireHeight = 0;
    uint32_t fireSpeed = 50;  // version 1 only
    LinkValue bump{"common_res.dll", 62};
    LinkValue effect{"common_res.dll", 63};
    uint32_t speed = 50, strength = 25, bumpScale = 88;
    FireRecord fire = ModuleFire();  // version 2 only
    LayerRecord layer{};
};

// The underwater brush as its layer's constructor makes it: the module's effect, speed 25.
inline UnderwaterRecord ModuleUnderwater() {
    UnderwaterRecord brush;
    brush.fx.speed = 25;
    brush.fx.effect = {"common_res.dll", 88};
    return brush;
}

// Version 1 holds only the brush speed; version 2 the underwater brush's section.
struct UnderwaterLightRecord {
    int32_t version = 2;
    uint32_t speed = 25;  // version 1 only
    UnderwaterRecord brush = ModuleUnderwater();
    LayerRecord layer{};
};

// Version 1 holds only the normal map's key.
struct LakeRecord {
    int32_t version = 2;
    uint32_t bumpTiling = 100, rippleSpeed = 50, waterLevel = 25, washAlpha = 100, tintAlpha = 31, tintFade = 58;
    uint32_t bumpAmplitude = 25, shoreBlend = 7;
    int32_t mirrorSizeExponent = 1;
    int32_t tintColour = 0x408000;  // red in the low byte
    std::string normalMapGuid = "{00000000-0000-0000-0000-000000000000}";
    std::string normalMapName{};
    uint8_t normalMapFlag = 1;
    LayerRecord layer{};
};

// Tagged "QV_FlameLight", "FakeUndervater" and "FakeLake2D": a slide's layer.
SceneWriter MakeFlameLight(const FlameLightRecord& record);
SceneWriter MakeUnderwaterLight(const UnderwaterLightRecord& record);
SceneWriter MakeLake(const LakeRecord& record);

}  // namespace scenewriter
