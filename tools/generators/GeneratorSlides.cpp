#include "GeneratorSlides.h"

#include <string>

#include "GeneratorPictures.h"
#include "GeneratorRecords.h"
#include "PictureEncoder.h"
#include "SlideRecords.h"

using namespace scenewriter;

namespace {

// Pictures are keyed as the authoring tool keys files: a path and a modification time.
struct Picture {
    LinkValue link;
    pictures::Image image;
};

StoreEntry ImageEntry(const Picture& picture) {
    return StoreEntry{picture.link.path, picture.link.stamp,
                      {StoredFile{0, "", pictures::EncodePng(picture.image), picture.link.path}}};
}

// Our effects in the built-in module.
const LinkValue kSmokeEffect{"common_res.dll", 301};
const LinkValue kLightningEffect{"common_res.dll", 302};
const LinkValue kPlantEffect{"common_res.dll", 303};

constexpr float kWidth = 1280, kHeight = 800;

struct Reed {
    float left, top, right;
    uint32_t frequency, wind, ripple;
    int32_t mirrorU;
};

SingleRectRecord ReedRect(const Reed& reed, const LinkValue& texture) {
    SingleRectRecord rect;
    rect.corners = {{{reed.left, reed.top, 0}, {reed.left, kHeight, 0}, {reed.right, reed.top, 0}, {reed.right, kHeight, 0}}};
    rect.staticGenerator.origin = {(reed.left + reed.right) / 2, kHeight, 0};
    rect.staticGenerator.tex = {.textures = {texture}, .effect = kPlantEffect, .mirrorU = reed.mirrorU,
                                .base = {.name = "Reeds"}};
    return rect;
}

SceneWriter ReedPlant(const Reed& reed, const LinkValue& texture) {
    return MakePlant({.frequency = reed.frequency, .wMagnitude = reed.wind, .bMagnitude = reed.ripple,
                      .rect = ReedRect(reed, texture)});
}

// Grey puffs from the chimney top, drifting a little to the right.
SceneWriter ChimneySmoke(const LinkValue& texture) {
    return MakeSmoke({.wind = 57, .lifetime = 125, .rate = 5, .size = 150, .direction = 88,
                      .origin = {0.7425f * kWidth, 0.545f * kHeight, 0},
                      .tex = {.textures = {texture}, .effect = kSmokeEffect, .colour1 = 0xBEBEBE,
                              .transparency1 = 55, .base = {.name = "Chimney smoke"}}});
}

// A branching strike into the hill every few seconds, a new bolt each time, screened over the
// sky in a pale blue glow.
SceneWriter Strike(const LinkValue& core, const LinkValue& glow, const LinkValue& spot) {
    const TimeLineRecord flashes{.mode = 1, .hiddenMin = 150, .hiddenMax = 400, .visibleMin = 40,
                                 .visibleMax = 90, .fadeIn = 20, .fadeOut = 45};
    return MakeLightning({.coreWidth = 5, .detail = 6, .displacement = 55, .seed = 31, .branchLength = 55,
                          .branchAngle = 40, .taper = 65, .branchCounts = {4, 3, 2}, .flicker = 55,
                          .glowWidth = 36, .randomFlag = 1,
                          .string = {.start = {380, -10, 0}, .end = {470, 555, 0},
                                     .tex = {.textures = {core, glow, spot}, .effect = kLightningEffect,
                                             .colour2 = 0xFFB496, .transparency2 = 20,
                                             .blendMode = 1, .base = {.name = "Lightning", .timeLine = flashes}}}});
}

}  // namespace

GeneratorSlide MakeGeneratorSlide() {
    using namespace pictures;
    const Picture moor{{"C:\\Velmora\\Scenes\\moor.png", 1765000500}, StormyMoor(1280, 800)};
    const Picture puff{{"C:\\Velmora\\Textures\\puff.png", 1765000510}, SmokePuff(64)};
    const Picture core{{"C:\\Velmora\\Textures\\bolt-core.png", 1765000520}, BoltStroke(32, 32, 0.35)};
    const Picture glow{{"C:\\Velmora\\Textures\\bolt-glow.png", 1765000530}, BoltStroke(32, 32, 0.8)};
    const Picture spot{{"C:\\Velmora\\Textures\\glow-spot.png", 1765000540}, GlowSpot(64)};
    const Picture reeds{{"C:\\Velmora\\Textures\\reeds.png", 1765000550}, Reeds(256, 256)};

    SlideRecord slide;
    slide.fadeIn = 2;
    slide.showTime = 12;
    slide.fadeOut = 2;
    const LayerRecord layer{.picture = moor.link, .camera = {.enabled = 1, .zoom = 110}};
    slide.layer = MakeLayer(layer);
    // Drawn from the last to the first: the strike, the smoke, then the reeds in front.
    slide.objects = {
        ReedPlant({40, 520, 300, 15, 40, 15, 0}, reeds.link),
        ReedPlant({560, 600, 700, 18, 35, 20, 1}, reeds.link),
        ReedPlant({980, 560, 1160, 13, 45, 12, 0}, reeds.link),
        ChimneySmoke(puff.link),
        // What the authoring tool left here shows nothing; the player steps over it.
        MakeStaticAnimation({.rect = ReedRect({800, 600, 900, 10, 10, 10, 0}, reeds.link)}),
        Strike(core.link, glow.link, spot.link),
    };
    return {MakeShowSlide(slide, layer),
            {ImageEntry(moor), ImageEntry(puff), ImageEntry(core), ImageEntry(glow), ImageEntry(spot), ImageEntry(reeds)}};
}
