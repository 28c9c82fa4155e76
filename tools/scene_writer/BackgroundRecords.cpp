#include "BackgroundRecords.h"

namespace scenewriter {

SceneWriter MakeFlameLight(const FlameLightRecord& record) {
    SceneWriter out;
    out.Section("QV_FlameLight", record.version).Int(record.fireOn).Int(record.distortionOn).UInt(record.fireHeight);
    if (record.version < 2) out.UInt(record.fireSpeed);
    WriteLink(out, record.bump);
    WriteLink(out, record.effect);
    out.UInt(record.speed).UInt(record.strength).UInt(record.bumpScale);
    if (record.version >= 2) {
        WriteFire(out, record.fire);
    } else {
        WriteLink(out, record.fire.pattern);
        WriteLink(out, record.fire.noise);
    }
    return out.Append(MakeLayer(record.layer));
}

SceneWriter MakeUnderwaterLight(const UnderwaterLightRecord& record) {
    SceneWriter out;
    out.Section("FakeUndervater", record.version);
    if (record.version == 1)
        out.UInt(record.speed);
    else
        WriteUnderwater(out, record.brush);
    return out.Append(MakeLayer(record.layer));
}

SceneWriter MakeLake(const LakeRecord& record) {
    SceneWriter out;
    out.Section("FakeLake2D", record.version);
    if (record.version >= 2) {
        out.UInt(record.bumpTiling).UInt(record.rippleSpeed).UInt(record.waterLevel);
        out.UInt(record.washAlpha).UInt(record.tintAlpha).UInt(record.tintFade);
        out.UInt(record.bumpAmplitude).UInt(record.shoreBlend).Int(record.mirrorSizeExponent).Int(record.tintColour);
    }
    out.String(record.normalMapGuid).String(record.normalMapName).Byte(record.normalMapFlag);
    return out.Append(MakeLayer(record.layer));
}

}  // namespace scenewriter
