#include "SpriteRecords.h"

namespace scenewriter {

namespace {

// A record's own head, then its body.
template <class Body>
SceneWriter Tagged(std::string_view tag, int32_t version, Body body) {
    SceneWriter out;
    out.Section(tag, version);
    body(out);
    return out;
}

}  // namespace

void WriteSprite(SceneWriter& out, const SpriteRecord& s) {
    out.Section("QV_BaseSpriteProp", s.version);
    WritePlaced(out, s.placed);
    out.UInt(s.count);
    if (s.version < 3) out.UInt(s.timeScale);
    out.UInt(s.size).UInt(s.transparency).Long(s.blendMode).Int(s.colour);
    out.Float(s.pulseSpeed).Float(s.alphaMin).Float(s.alphaMax).Float(s.scaleMin).Float(s.scaleMax);
    if (s.version == 1) {
        out.Int(int32_t(s.frames.size()));
        for (const StoredFile& frame : s.frames) WriteStoredFile(out, frame);
        WriteStoredFile(out, s.secondFrame);
    } else {
        WriteLink(out, s.image);
        WriteLink(out, s.secondImage);
    }
    out.UInt(s.inertWord).Float(s.inertFloat);
    out.UInt(s.frameCount).Float(s.frameRate).Bool(s.sheet);
    if (s.version == 1) {
        out.Int(int32_t(s.durations.size()));
        for (float seconds : s.durations) out.Float(seconds);
        return;
    }
    if (s.version >= 4) out.Long(s.frameSetSource);
    if (s.version >= 5) out.Long(s.flipVertical).Long(s.flipHorizontal);
    if (s.version >= 6) out.Long(s.frameChangeOnly);
    if (s.version >= 7) out.UInt(s.speed);
}

void WriteEdge(SceneWriter& out, const EdgeRecord& edge) {
    out.Section("QV_BoundControl", edge.version).Long(edge.mode);
    out.UInt(edge.fadeOut).UInt(edge.fadeIn).UInt(edge.minDelay).UInt(edge.maxDelay);
}

void WriteFlow(SceneWriter& out, const FlowRecord& flow) {
    out.Section("QV_FlowConstructor", flow.version);
    out.UInt(flow.angle).UInt(flow.driftAmplitude).UInt(flow.driftRate).Float(flow.speed);
    if (flow.version >= 2) out.Long(flow.orientation);
    if (flow.version >= 4)
        for (const EdgeRecord& edge : flow.edges) WriteEdge(out, edge);
    WriteSprite(out, flow.sprite);
}

void WriteFish(SceneWriter& out, const FishRecord& fish) {
    out.Section("QV_FishConstructor", fish.version).Float(fish.maxSpeedX).Float(fish.maxSpeedY);
    WriteSprite(out, fish.sprite);
}

void WriteStaticSprite(SceneWriter& out, const StaticSpriteRecord& p) {
    out.Section("QV_StatObjConstructor", p.version);
    out.Long(p.left).Long(p.right).Long(p.top).Long(p.bottom).Long(p.centreX).Long(p.centreY);
    out.UInt(p.rotation);
    if (p.version < 2) out.Long(p.flipVertical).Long(p.flipHorizontal);
    WriteSprite(out, p.sprite);
}

SceneWriter MakeFlow(const FlowRecord& flow) {
    SceneWriter out;
    WriteFlow(out, flow);
    return out;
}

SceneWriter MakeRain(const FlowRecord& flow, int32_t version) {
    return Tagged("QV_RainConstructor", version, [&](SceneWriter& out) { WriteFlow(out, flow); });
}

SceneWriter MakeFish(const FishRecord& fish) {
    SceneWriter out;
    WriteFish(out, fish);
    return out;
}

SceneWriter MakeBird(const FishRecord& fish, int32_t version) {
    return Tagged("QV_BirdConstructor", version, [&](SceneWriter& out) { WriteFish(out, fish); });
}

SceneWriter MakeGhost(const FishRecord& fish, int32_t version) {
    return Tagged("QV_GhostConstructor", version, [&](SceneWriter& out) { WriteFish(out, fish); });
}

SceneWriter MakeGodRay(const GodRayRecord& rays) {
    return Tagged("QV_GodRayConstructor", rays.version, [&](SceneWriter& out) {
        out.UInt(rays.tilt);
        WriteSprite(out, rays.sprite);
    });
}

SceneWriter MakeSparkle(const SpriteRecord& sprite, int32_t version) {
    return Tagged("QV_SparkleConstructor", version, [&](SceneWriter& out) { WriteSprite(out, sprite); });
}

SceneWriter MakeFog(const FogRecord& fog) {
    return Tagged("QV_FogConstructor", fog.version, [&](SceneWriter& out) {
        out.Float(fog.maxSpeedX).Float(fog.maxSpeedY);
        WriteSprite(out, fog.sprite);
    });
}

SceneWriter MakeLighting(const SpriteRecord& sprite, int32_t version) {
    return Tagged("QV_LightingConstructor", version, [&](SceneWriter& out) { WriteSprite(out, sprite); });
}

SceneWriter MakeGrass(const GrassRecord& grass) {
    return Tagged("QV_GrassConstructor", grass.version, [&](SceneWriter& out) {
        out.Float(grass.sway);
        WriteSprite(out, grass.sprite);
    });
}

SceneWriter MakeStaticSprite(const StaticSpriteRecord& placed) {
    SceneWriter out;
    WriteStaticSprite(out, placed);
    return out;
}

SceneWriter MakeFlower(const StaticSpriteRecord& placed, float sway, int32_t version) {
    return Tagged("QV_FlowerConstructor", version, [&](SceneWriter& out) {
        out.Float(sway);
        WriteStaticSprite(out, placed);
    });
}

SceneWriter MakeDischarge(const StaticSpriteRecord& placed, int32_t version) {
    return Tagged("QV_DischargeConstructor", version, [&](SceneWriter& out) { WriteStaticSprite(out, placed); });
}

}  // namespace scenewriter
