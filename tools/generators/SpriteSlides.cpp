#include "SpriteSlides.h"

#include <string>

#include "PictureEncoder.h"
#include "SpritePictures.h"
#include "SpriteRecords.h"

using namespace scenewriter;

namespace spriteslides {

namespace {

constexpr int64_t kStamp = 1765001000;

// Pictures keyed as the authoring tool keys files: a path and a modification time.
struct Pictures {
    std::vector<StoreEntry> entries;
    std::vector<DurationEntry> durations;

    LinkValue Add(const std::string& name, const pictures::Image& image) {
        const std::string path = "C:\\Velmora\\Sprites\\" + name + ".png";
        const int64_t stamp = kStamp + int64_t(entries.size());
        entries.push_back({path, stamp, {StoredFile{0, "", pictures::EncodePng(image), path}}});
        return {path, stamp};
    }
    // A picture of several frames, each shown for its duration.
    LinkValue AddFrames(const std::string& name, const std::vector<pictures::Image>& frames,
                        const std::vector<float>& seconds) {
        const std::string path = "C:\\Velmora\\Sprites\\" + name + ".gif";
        const int64_t stamp = kStamp + int64_t(entries.size());
        StoreEntry entry{path, stamp, {}};
        for (size_t i = 0; i < frames.size(); ++i)
            entry.files.push_back({0, "", pictures::EncodePng(frames[i]), name + " " + std::to_string(i + 1)});
        entries.push_back(entry);
        durations.push_back({path, stamp, seconds});
        return {path, stamp};
    }
};

// A sprite section over the relative rectangle (left, right, top, bottom).
SpriteRecord Sprite(const std::string& name, float left, float right, float top, float bottom, uint32_t count,
                    uint32_t size, const LinkValue& image) {
    SpriteRecord s;
    s.placed.relativeLeft = left, s.placed.relativeRight = right;
    s.placed.relativeTop = top, s.placed.relativeBottom = bottom;
    s.placed.base.name = name;
    s.count = count;
    s.size = size;
    s.image = image;
    return s;
}

StaticSpriteRecord PlacedAt(int32_t x, int32_t y, const SpriteRecord& sprite) {
    return StaticSpriteRecord{.left = x, .right = x, .top = y, .bottom = y, .centreX = x, .centreY = y, .sprite = sprite};
}

// Over the 1024 × 768 dusk picture: the sun sits at (0.68, 0.58), the hills from 0.7 down.
ShowSlide Meadow(const LinkValue& picture, Pictures& pictures) {
    using namespace pictures;
    SpriteRecord rays = Sprite("Sun rays", 0.5f, 0.85f, 0.0f, 1.0f, 5, 90, pictures.Add("ray", LightRay(64, 512)));
    rays.colour = Rgb(255, 214, 150);
    rays.blendMode = 1;
    rays.transparency = 55;
    rays.pulseSpeed = 0.25f, rays.alphaMin = 0.1f, rays.alphaMax = 0.7f;

    SpriteRecord birds = Sprite("Swallows", 0.0f, 1.0f, 0.05f, 0.45f, 5, 36, pictures.Add("bird", BirdSilhouette(64, 40)));
    birds.scaleMin = 0.7f;

    // The module's soft dot drifting up and to the right, fading out at the edges.
    FlowRecord dust{.angle = 60, .driftAmplitude = 8, .driftRate = 4, .speed = 25.0f};
    dust.sprite = Sprite("Dust", 0.0f, 1.0f, 0.2f, 0.9f, 60, 14, {"common_res.dll", 44});
    dust.sprite.colour = Rgb(255, 230, 190);
    dust.sprite.scaleMin = 0.4f;
    for (EdgeRecord& edge : dust.edges) edge = {.fadeOut = 600, .fadeIn = 600, .minDelay = 200, .maxDelay = 1500};

    SpriteRecord fireflies = Sprite("Fireflies", 0.0f, 1.0f, 0.62f, 0.98f, 30, 26, pictures.Add("dot", SoftDot(32)));
    fireflies.colour = Rgb(210, 255, 120);
    fireflies.blendMode = 1;
    fireflies.pulseSpeed = 0.9f;

    // The module's frame set: a star that twinkles through four frames.
    SpriteRecord star = Sprite("Evening star", 0, 1, 0, 1, 1, 56, {"common_res.dll", 300});
    star.frameSetSource = 1;
    star.blendMode = 1;

    const LinkValue flower = pictures.Add("flower", Flower(48, 96));
    std::vector<SceneWriter> flowers;
    // Within the part every screen shape shows under the camera's zoom.
    const int32_t stems[][2] = {{250, 640}, {470, 655}, {800, 630}};
    for (const auto& at : stems) {
        SpriteRecord bloom = Sprite("Flower", 0, 1, 0, 1, 1, 110, flower);
        flowers.push_back(MakeFlower(PlacedAt(at[0], at[1], bloom), 2.5f));
    }

    SpriteRecord blades = Sprite("Grass", 0.0f, 1.0f, 0.0f, 0.93f, 160, 70, pictures.Add("blade", GrassBlade(16, 64)));
    blades.scaleMin = 0.6f;

    // Drawn last to first: the grass on top, the rays behind everything.
    std::vector<SceneWriter> objects = {MakeGrass({.sway = 4.0f, .sprite = blades})};
    for (SceneWriter& bloom : flowers) objects.push_back(std::move(bloom));
    objects.push_back(MakeSparkle(fireflies));
    objects.push_back(MakeFlow(dust));
    objects.push_back(MakeBird(FishRecord{.maxSpeedX = 90.0f, .maxSpeedY = 25.0f, .sprite = birds}));
    objects.push_back(MakeStaticSprite(PlacedAt(250, 110, star)));
    objects.push_back(MakeGodRay({.tilt = 75, .sprite = rays}));
    return MakeObjectSlide("Meadow at dusk", picture, std::move(objects));
}

// Over the 1600 × 900 night harbour: sky above 0.6, water below, the moon at (0.3, 0.22).
// Placed sprites stay near the middle, which narrow screens show too.
ShowSlide Harbour(const LinkValue& picture, Pictures& pictures) {
    using namespace pictures;
    FlowRecord rain{.angle = 285, .speed = 900.0f, .orientation = 1};
    rain.sprite = Sprite("Rain", 0.0f, 1.0f, 0.0f, 1.0f, 260, 48, pictures.Add("drop", Drop(8, 64)));
    rain.sprite.colour = Rgb(200, 215, 255);
    rain.sprite.transparency = 20;
    rain.sprite.pulseSpeed = 0.6f, rain.sprite.alphaMin = 0.2f;
    rain.sprite.scaleMin = 0.5f;

    // A lamp on the quay blinking through three frames of its own picture.
    SpriteRecord lamp = Sprite("Lamp", 0, 1, 0, 1, 1, 70,
                               pictures.AddFrames("lamp", {TwinkleFrame(48, 0.25), TwinkleFrame(48, 0.5), TwinkleFrame(48, 0.75)},
                                                  {0.4f, 0.15f, 0.6f}));
    lamp.colour = Rgb(255, 200, 120);
    lamp.blendMode = 1;

    SpriteRecord arc = Sprite("Discharge", 0, 1, 0, 1, 1, 180, pictures.Add("bolts", BoltSheet(64, 128, 4)));
    arc.sheet = true, arc.frameCount = 4, arc.frameRate = 14.0f;
    arc.blendMode = 1;
    arc.colour = Rgb(170, 200, 255);

    SpriteRecord fish = Sprite("Fish", 0.0f, 1.0f, 0.68f, 0.97f, 7, 64, pictures.Add("fish", FishSilhouette(96, 48)));
    fish.transparency = 25;
    fish.scaleMin = 0.6f;

    SpriteRecord ghosts = Sprite("Ghosts", 0.1f, 0.9f, 0.3f, 0.7f, 2, 150, pictures.Add("ghost", Ghost(64, 80)));
    ghosts.transparency = 30;
    ghosts.placed.base.timeLine = {.mode = 1, .timeMode = 1, .hiddenMin = 150, .hiddenMax = 400, .visibleMin = 300,
                                   .visibleMax = 500, .fadeIn = 150, .fadeOut = 150};

    SpriteRecord fog = Sprite("Fog", 0.0f, 1.0f, 0.45f, 0.8f, 9, 520, pictures.Add("puff", FogPuff(128)));
    fog.alphaMin = 0.2f, fog.pulseSpeed = 0.15f, fog.transparency = 60;
    fog.placed.base.timeLine.timeMode = 1;

    SpriteRecord flashes = Sprite("Lightning", 0.05f, 0.95f, 0.0f, 0.55f, 1, 420, pictures.Add("flash", Flash(128, 256)));
    flashes.blendMode = 1;
    flashes.placed.base.timeLine = {.mode = 1, .hiddenMin = 100, .hiddenMax = 400};

    std::vector<SceneWriter> objects = {
        MakeRain(rain),
        MakeStaticSprite(PlacedAt(1080, 560, lamp)),
        MakeDischarge(PlacedAt(960, 300, arc)),
        MakeFish({.maxSpeedX = 60.0f, .maxSpeedY = 12.0f, .sprite = fish}),
        MakeGhost({.maxSpeedX = 40.0f, .maxSpeedY = 20.0f, .sprite = ghosts}),
        MakeFog({.maxSpeedX = 25.0f, .maxSpeedY = 4.0f, .sprite = fog}),
        MakeLighting(flashes),
    };
    return MakeObjectSlide("Storm over the harbour", picture, std::move(objects));
}

}  // namespace

ShowSlide MakeObjectSlide(const std::string& name, const LinkValue& picture, std::vector<SceneWriter> objects) {
    LayerRecord layer;
    layer.picture = picture;
    layer.camera.enabled = 1;
    layer.camera.zoom = 115;
    SlideRecord slide;
    slide.fadeIn = 2;
    slide.showTime = 12;
    slide.fadeOut = 2;
    slide.name = name;
    slide.layer = MakeLayer(layer);
    slide.objects = std::move(objects);
    return MakeShowSlide(slide, layer);
}

SpriteSlides MakeSpriteSlides(const LinkValue& meadow, const LinkValue& harbour) {
    Pictures pictures;
    SpriteSlides result;
    result.slides.push_back(Meadow(meadow, pictures));
    result.slides.push_back(Harbour(harbour, pictures));
    result.images = std::move(pictures.entries);
    result.durations = std::move(pictures.durations);
    return result;
}

}  // namespace spriteslides
