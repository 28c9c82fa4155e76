#include "ShaderSpriteRecords.h"

namespace scenewriter {

void WriteEffectSprite(SceneWriter& out, const EffectSpriteRecord& record) {
    out.Section("QV_FXParticleSystemCtrl", record.version);
    WriteLink(out, record.effect);
    WriteSprite(out, record.sprite);
}

void WriteGlow(SceneWriter& out, const GlowRecord& glow) {
    out.Section("QV_GlowEffectCtrl", glow.version).Int(glow.glowColour).UInt(glow.glowAmount);
    WriteEffectSprite(out, glow.effectSprite);
}

void WriteStaticEffect(SceneWriter& out, const StaticEffectRecord& record) {
    out.Section("QV_StatBaseFXCtrl", record.version);
    out.Vector(record.position);
    if (record.version >= 2) out.UInt(record.height).UInt(record.width);
    out.Section("QV_BaseFXCtrl", record.baseVersion);
    WriteEffectSprite(out, record.effectSprite);
}

SceneWriter MakeDischargeFX(const DischargeFXRecord& d) {
    SceneWriter out;
    out.Section("QV_DischargeFXConstructor", d.version);
    out.Vector(d.start);
    out.Vector(d.end);
    out.UInt(d.jitter).Long(d.textureChoice).UInt(d.flicker).UInt(d.morphSpeed);
    WriteGlow(out, d.glow);
    return out;
}

SceneWriter MakeExplosion(const ExplosionRecord& e) {
    SceneWriter out;
    out.Section("QV_ExplosionConstructor", e.version);
    out.UInt(e.noise1).UInt(e.noise2).UInt(e.noise3).UInt(e.direction).UInt(e.speed);
    if (e.version < 2)
        for (uint32_t milliseconds : e.timings) out.UInt(milliseconds);
    out.UInt(e.seed).Int(e.randomFlag).Int(e.colour2);
    WriteStaticEffect(out, e.base);
    return out;
}

SceneWriter MakeStaticText(const StaticTextRecord& t) {
    SceneWriter out;
    out.Section("QV_StaticTextConstructor", t.version);
    out.Int(t.verticalAlignment).Int(t.horizontalAlignment).String(t.text);
    out.Int(t.fontHeight).UInt(t.fontWeight).Int(t.fontItalic).String(t.fontFace);
    if (t.version < 2)
        for (uint32_t milliseconds : t.timings) out.UInt(milliseconds);
    WriteStaticEffect(out, t.base);
    return out;
}

}  // namespace scenewriter
