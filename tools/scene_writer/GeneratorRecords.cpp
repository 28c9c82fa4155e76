#include "GeneratorRecords.h"

namespace scenewriter {

namespace {

void WriteStaticGenerator(SceneWriter& out, const StaticGeneratorRecord& record) {
    out.Section("QV_StaticGenerator", record.version);
    out.Vector(record.origin);
    WriteTexGenerator(out, record.tex);
}

}  // namespace

void WriteTexGenerator(SceneWriter& out, const TexGeneratorRecord& record) {
    out.Section("QV_TexParticleGenerator", record.version);
    out.Int(int32_t(record.textures.size()));
    for (const LinkValue& link : record.textures) WriteLink(out, link);
    WriteLink(out, record.effect);
    out.Int(record.colour1).UInt(record.transparency1).Int(record.colour2).UInt(record.transparency2);
    out.Int(record.blendMode);
    if (record.version >= 2) out.Int(record.mirrorV).Int(record.mirrorU);
    out.Section("QV_ParticleGenerator", record.rootVersion);
    WriteDescriptionBase(out, record.base);
}

void WriteSingleRect(SceneWriter& out, const SingleRectRecord& record) {
    out.Section("QV_SingleRectGN", record.version);
    for (const Point3& corner : record.corners) out.Vector(corner);
    if (record.version < 2) out.Float(record.legacy[0]).Float(record.legacy[1]);
    WriteStaticGenerator(out, record.staticGenerator);
}

SceneWriter MakeSmoke(const SmokeRecord& record) {
    SceneWriter out;
    out.Section("QV_Smoke", record.version).UInt(record.wind);
    out.UInt(record.lifetime).UInt(record.rate).UInt(record.size).UInt(record.direction).UInt(record.speed);
    out.Vector(record.origin);
    WriteTexGenerator(out, record.tex);
    return out;
}

SceneWriter MakeLightning(const LightningRecord& record) {
    SceneWriter out;
    out.Section("QV_LightningGN", record.version);
    out.UInt(record.coreWidth).UInt(record.detail).UInt(record.displacement).UInt(record.seed);
    out.UInt(record.branchLength).UInt(record.branchAngle).UInt(record.taper);
    for (uint32_t count : record.branchCounts) out.UInt(count);
    if (record.version < 2)
        for (uint32_t timing : record.legacyTimings) out.UInt(timing);
    out.UInt(record.flicker).UInt(record.glowWidth).Int(record.randomFlag);
    out.Section("QV_StringGenerator", record.string.version);
    out.Vector(record.string.start);
    out.Vector(record.string.end);
    WriteTexGenerator(out, record.string.tex);
    return out;
}

SceneWriter MakePlant(const PlantRecord& record) {
    SceneWriter out;
    out.Section("QV_Plant", record.version);
    out.UInt(record.speed).UInt(record.frequency).UInt(record.wMagnitude).UInt(record.bMagnitude);
    WriteSingleRect(out, record.rect);
    return out;
}

SceneWriter MakeStaticAnimation(const StaticAnimationRecord& record) {
    SceneWriter out;
    out.String("QV_StaticAnimation").Int(record.first).Int(record.second);
    WriteSingleRect(out, record.rect);
    return out;
}

}  // namespace scenewriter
