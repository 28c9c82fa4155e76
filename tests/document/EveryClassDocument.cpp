#include "EveryClassDocument.h"

#include "BackgroundRecords.h"
#include "BrushRecords.h"
#include "DocumentRecords.h"
#include "EffectLayerRecords.h"
#include "GeneratorRecords.h"
#include "MeshObjectRecords.h"
#include "ShaderSpriteRecords.h"
#include "SlideRecords.h"
#include "SoundRecords.h"
#include "SpriteRecords.h"

using namespace scenewriter;
using namespace vgtest::everyclass;

namespace vgtest {

namespace {

const char* const kPicturePath = "C:\\Pictures\\meadow.png";
constexpr int64_t kPictureStamp = 7;
const char* const kSoundPath = "C:\\Sounds\\bell.wav";
constexpr int64_t kSoundStamp = 9;
const char* const kMaskGuid = "{3F2504E0-4F89-11D3-9A0C-0305E82C3301}";
const char* const kLakeGuid = "{3F2504E0-4F89-11D3-9A0C-0305E82C3302}";
// Reading decodes no file, so a few bytes stand for each.
const std::vector<uint8_t> kStandIn = {1, 2, 3, 4};

// Chooses each record's version: its oldest readable one or its newest.
class Pick {
public:
    explicit Pick(RecordVersions versions) : oldest_(versions == RecordVersions::Oldest) {}
    int32_t operator()(int32_t oldest, int32_t newest) const { return oldest_ ? oldest : newest; }
    bool Oldest() const { return oldest_; }

private:
    bool oldest_;
};

DescriptionBaseRecord Base(const Pick& v, const char* name) {
    return {.version = v(1, 2),
            .name = name,
            .timeLine = {.mode = 1, .hiddenMin = kTimeLineHiddenMin, .hiddenMax = 400, .visibleMin = 500,
                         .visibleMax = 600, .fadeIn = kTimeLineFadeIn, .fadeOut = 80,
                         .windows = {{.start = 1, .end = 5, .fadeInEnd = 2, .fadeOutStart = 4}}}};
}

PlacedRecord Placed(const Pick& v, const char* name) {
    return {.version = v(1, 2), .left = 10, .right = 90, .top = 20, .bottom = 80,
            .relativeLeft = 0.1f, .relativeRight = 0.9f, .relativeTop = 0.2f, .relativeBottom = 0.8f,
            .timeScale = 60, .base = Base(v, name)};
}

// Version 1 carries its picture inline, later versions link it.
SpriteRecord Sprite(const Pick& v, const char* name) {
    SpriteRecord sprite{.version = v(1, 7), .placed = Placed(v, name), .count = 4, .size = 24,
                        .image = {"common_res.dll", 44}, .frameCount = 1, .flipVertical = 1,
                        .frameChangeOnly = 1, .speed = 120};
    if (v.Oldest()) {
        sprite.image = {};
        sprite.frames = {StoredFile{0, "", kStandIn, "spark.png"}};
        sprite.secondFrame = StoredFile{0, "", kStandIn, "halo.png"};
        sprite.durations = {0.1f};
    }
    return sprite;
}

FlowRecord Flow(const Pick& v, const char* name) {
    return {.version = v(1, 4), .angle = 30, .driftAmplitude = 2, .driftRate = 1, .speed = 20,
            .orientation = kFlowOrientation,
            .edges = {{.mode = 0}, {.mode = 1, .fadeOut = 100}, {.mode = 2, .fadeIn = 50}, {.mode = 0}},
            .sprite = Sprite(v, name)};
}

FishRecord Fish(const Pick& v, const char* name) { return {.sprite = Sprite(v, name)}; }

// Versions 0 and 1 carry the flips themselves.
StaticSpriteRecord StaticSprite(const Pick& v, const char* name) {
    return {.version = v(0, 2), .left = 10, .right = 50, .top = 10, .bottom = 40, .centreX = 30, .centreY = 25,
            .rotation = 15, .flipVertical = 1, .sprite = Sprite(v, name)};
}

EffectSpriteRecord EffectSprite(const Pick& v, const char* name, int32_t effectId) {
    return {.effect = {"common_res.dll", effectId}, .sprite = Sprite(v, name)};
}

StaticEffectRecord StaticEffect(const Pick& v, const char* name, int32_t effectId) {
    return {.version = v(1, 2), .position = {40, 30, 0}, .height = 48, .width = kStaticEffectWidth,
            .effectSprite = EffectSprite(v, name, effectId)};
}

MeshObjectRecord MeshObject(const Pick& v, MeshObjectRecord object, const char* name) {
    object.count = 2;
    object.placed = Placed(v, name);
    return object;
}

FxBaseRecord Fx(const Pick& v, const char* name, int32_t effectId) {
    return {.version = v(1, 3), .speed = 40, .maskGuid = kMaskGuid, .effect = {"common_res.dll", effectId},
            .effectScale = kEffectScale, .region = {0, 0, 0, 0, 50, 0, 50, 0, 0, 50, 50, 0}, .spareInt = 3,
            .base = Base(v, name)};
}

CentralBasedRecord Central(const Pick& v, const char* name, int32_t effectId) {
    return {.center = {30, 40, 0}, .fx = Fx(v, name, effectId)};
}

DirectionBasedRecord Direction(const Pick& v, const char* name, int32_t effectId) {
    return {.strength = kMoveStrength, .angle = 45, .fx = Fx(v, name, effectId)};
}

TexGeneratorRecord TexGenerator(const Pick& v, const char* name, int32_t effectId) {
    return {.version = v(1, 2), .textures = {{kPicturePath, kPictureStamp}, {"common_res.dll", 44}},
            .effect = {"common_res.dll", effectId}, .blendMode = 1, .mirrorV = kMirrorV, .base = Base(v, name)};
}

SingleRectRecord SingleRect(const Pick& v, const char* name, int32_t effectId) {
    return {.version = v(1, 2), .corners = {{{1, 2, 0}, {1, 9, 0}, {8, 2, 0}, {8, 9, 0}}}, .legacy = {0.5f, 0.25f},
            .staticGenerator = {.origin = {4, 5, 0}, .tex = TexGenerator(v, name, effectId)}};
}

PatternBrushRecord Pattern(const Pick& v, const char* name) {
    return {.image = {"common_res.dll", 79}, .angle = 10, .fx = Fx(v, name, 78)};
}

// The scene objects in registration order.
std::vector<SceneWriter> SceneObjects(const Pick& v) {
    FireRecord fire{.version = v(1, 3), .fx = Fx(v, "fire", 92)};
    ButterflyRecord butterflies{.version = v(1, 2), .wingScale = kWingScale};
    butterflies.object = MeshObject(v, butterflies.object, "butterflies");
    ClockRecord clock{.rectangle = {10, 60, 10, 60, 35, 35}};
    clock.object = MeshObject(v, clock.object, "clock");
    return {
        MakeGodRay({.tilt = 70, .sprite = Sprite(v, "rays")}),
        MakeSparkle(Sprite(v, "sparkles")),
        MakeFlow(Flow(v, "flow")),
        MakeFish(Fish(v, "fish")),
        MakeGhost(Fish(v, "ghosts"), v(1, 2)),
        MakeFog({.sprite = Sprite(v, "fog")}),
        MakeLighting(Sprite(v, "flashes")),
        MakeGrass({.sway = 4, .sprite = Sprite(v, "grass")}),
        MakeRain(Flow(v, "rain")),
        MakeStaticSprite(StaticSprite(v, "moon")),
        MakeFlower(StaticSprite(v, "flower")),
        MakeBird(Fish(v, "birds")),
        MakeDischarge(StaticSprite(v, "spark")),
        MakeDischargeFX({.start = {10, 10, 0}, .end = {60, 40, 0},
                         .glow = {.glowColour = Rgb(40, 80, 255), .effectSprite = EffectSprite(v, "bolt", 97)}}),
        MakeButterflies(butterflies),
        MakeClock(clock),
        MakeBackgroundCopy({.rect = {0, 50, 0, 50, 5, 5}, .wrapY = 1, .fx = Fx(v, "copy", 75)}),
        MakeWaves({.amplitude = 60, .fx = Fx(v, "waves", 77)}),
        MakeLight({.intensity = 50, .mode = 1, .fx = Fx(v, "light", 76)}),
        MakePatternBrush(Pattern(v, "pattern")),
        MakePatternBrushC(Pattern(v, "pattern C")),
        MakeWater({.fx = Fx(v, "water", 90)}),
        MakeMove({.version = v(1, 2), .mode = 1, .amplitude2 = kMoveAmplitude2, .direction = Direction(v, "move", 91)}),
        MakeFire(fire),
        MakeExpand({.amplitudeA = 40, .central = Central(v, "expand", 102)}),
        MakeRadialWave({.version = v(1, 2), .amplitude = kRadialAmplitude, .directionFlag = 1,
                        .central = Central(v, "radial", 103)}),
        MakeRotation({.axisRatio = 50, .angle = 30, .central = Central(v, "rotation", 332)}),
        MakeWaterfall({.transluency = 20, .waveCount = 4, .noise = {"common_res.dll", 8},
                       .direction = Direction(v, "waterfall", 331)}),
        MakeBend({.amplitudeA = 20, .bend = 10, .central = Central(v, "bend", 333)}),
        MakeExplosion({.version = v(1, 2), .timings = {kExplosionTimings[0], kExplosionTimings[1], kExplosionTimings[2],
                                                       kExplosionTimings[3], kExplosionTimings[4]},
                       .seed = 5, .base = StaticEffect(v, "explosion", 320)}),
        MakeLightning({.version = v(1, 2), .coreWidth = 3, .detail = 4, .branchCounts = {2, 1, 1},
                       .legacyTimings = {100, 200, 300, 400, 500, 600, 700}, .glowWidth = 9,
                       .string = {.end = {50, 60, 0}, .tex = TexGenerator(v, "lightning", 302)}}),
        MakePlant({.frequency = 10, .wMagnitude = 20, .rect = SingleRect(v, "plant", 303)}),
        MakeSmoke({.lifetime = 50, .rate = 10, .size = 20, .direction = 90, .tex = TexGenerator(v, "smoke", 301)}),
        MakeStaticText({.version = v(1, 2), .text = "Velmora",
                        .timings = {kTextTimings[0], kTextTimings[1], kTextTimings[2], kTextTimings[3]},
                        .base = StaticEffect(v, "text", 97)}),
        MakeFallingObjects({.count = 3, .mesh = {0, "", kStandIn, "leaf.x"}, .texture = {0, "", kStandIn, "leaf.png"},
                            .size = 20, .base = Base(v, "leaves")}),
    };
}

SceneWriter Sound(const Pick& v) {
    return MakeWaveSound({.wave = {kSoundPath, kSoundStamp},
                          .sound = {.version = v(1, 3), .volume = 80, .legacyMode = 1,
                                    .legacyHiddenMin = kSoundHiddenMin, .legacyHiddenMax = kSoundHiddenMax,
                                    .base = Base(v, "bell")}});
}

// A plain layer record inside an effect layer's: the oldest documents give it the oldest camera.
LayerRecord EmbeddedLayer(const Pick& v) {
    return {.picture = {kPicturePath, kPictureStamp}, .camera = {.version = v(1, 2), .enabled = 1}};
}

// The background layers in registration order.
std::vector<SceneWriter> Layers(const Pick& v) {
    FlameLightRecord flame{.version = v(1, 2), .fireHeight = 30, .layer = EmbeddedLayer(v)};
    flame.fire.fx.base = Base(v, "flames");
    UnderwaterLightRecord underwater{.version = v(1, 2), .speed = kUnderwaterSpeed, .layer = EmbeddedLayer(v)};
    underwater.brush.fx.speed = kUnderwaterBrushSpeed;
    underwater.brush.fx.base = Base(v, "under water");
    return {
        MakeLayer({.version = v(1, 3), .picture = {kPicturePath, kPictureStamp}, .camera = {.enabled = 1}}),
        MakeFlameLight(flame),
        MakeGlassBall({.ballSize = 80, .showStand = 1, .layer = EmbeddedLayer(v)}),
        MakeGlyphRain({.version = v(1, 2), .glyphs = {"common_res.dll", kGlyphStamp}, .layer = EmbeddedLayer(v)}),
        MakeUnderwaterLight(underwater),
        MakeLake({.version = v(1, 2), .waterLevel = 40, .normalMapGuid = kLakeGuid, .layer = EmbeddedLayer(v)}),
        MakeWaterRings({.version = v(1, 2), .dropSize = kDropSize, .mode = 1, .layer = EmbeddedLayer(v)}),
    };
}

ResourceSection Resources() {
    ResourceSection section;
    section.images = {{kPicturePath, kPictureStamp, {StoredFile{0, "", kStandIn, kPicturePath}}}};
    section.buffers = {{kSoundPath, kSoundStamp, {StoredFile{0, "", kStandIn, kSoundPath}}}};
    section.guidImages = {{kMaskGuid, "", 1, kStandIn, ""}, {kLakeGuid, "", 1, kStandIn, ""}};
    return section;
}

}  // namespace

std::vector<uint8_t> EveryClassDocument(RecordVersions versions) {
    const Pick v(versions);
    std::vector<SceneWriter> objects = SceneObjects(v);
    std::vector<SceneWriter> layers = Layers(v);
    std::vector<SceneWriter> slides;
    for (size_t i = 0; i < layers.size(); ++i) {
        const bool last = i + 1 == layers.size();
        // The oldest slide record has no sound list: the slide with the sound has the next.
        SlideRecord slide{.version = last ? v(2, 3) : v(1, 3), .showTime = 12, .name = "slide",
                          .reservedCount = kReservedCount, .layer = layers[i]};
        const size_t first = i * kObjectsPerSlide;
        for (size_t j = first; j < first + kObjectsPerSlide && j < objects.size(); ++j)
            slide.objects.push_back(objects[j]);
        if (last) slide.sounds = {Sound(v)};
        slides.push_back(MakeSlide(slide));
    }
    return MakeDocument(slides, {{"C:\\Music\\dusk.mp3", kStandIn}}, Resources());
}

std::vector<ClassRecord> EveryClassRecords(RecordVersions versions) {
    const Pick v(versions);
    std::vector<ClassRecord> records;
    for (const SceneWriter& layer : Layers(v)) records.push_back({RecordRegistry::Layer, layer.Bytes()});
    for (const SceneWriter& object : SceneObjects(v)) records.push_back({RecordRegistry::Object, object.Bytes()});
    records.push_back({RecordRegistry::Object, Sound(v).Bytes()});
    const SlideRecord slide{.version = v(2, 3), .showTime = 12, .name = "slide", .reservedCount = kReservedCount,
                            .layer = Layers(v).front(), .sounds = {Sound(v)}};
    records.push_back({RecordRegistry::Slide, MakeSlide(slide).Bytes()});
    return records;
}

}  // namespace vgtest
