#include "ShaderSpriteSlide.h"

#include "PictureEncoder.h"
#include "ProceduralPictures.h"
#include "ShaderSpriteRecords.h"
#include "SpriteSlides.h"
#include "document/BuiltinResources.h"

using namespace scenewriter;

namespace shaderslide {

namespace {

constexpr int kWidth = 1024, kHeight = 768;
// The towers' balls, as TeslaNight places them, and their radius.
constexpr float kLeftBallX = 0.3f * kWidth, kRightBallX = 0.7f * kWidth, kBallY = 0.36f * kHeight;
constexpr float kBallRadius = 0.03f * kHeight;

// COLORREF: red in the low byte.
constexpr int32_t Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

SpriteRecord Named(const std::string& name, uint32_t count, uint32_t size, int32_t colour) {
    SpriteRecord sprite;
    sprite.placed.base.name = name;
    sprite.count = count;
    sprite.size = size;
    sprite.colour = colour;
    return sprite;
}

// The steady arc between the two balls, in a blue glow screened over the scene.
SceneWriter Arc() {
    DischargeFXRecord arc{.start = {kLeftBallX + kBallRadius, kBallY, 0}, .end = {kRightBallX - kBallRadius, kBallY, 0},
                          .jitter = 35};
    arc.glow.glowColour = Rgb(0, 153, 255);
    arc.glow.glowAmount = 160;
    arc.glow.effectSprite.sprite = Named("Arc", 14, 44, Rgb(204, 255, 255));
    arc.glow.effectSprite.sprite.blendMode = 1;
    arc.glow.effectSprite.sprite.secondImage = {builtin::kModuleName, builtin::kThickBolt.id};
    return MakeDischargeFX(arc);
}

// A thick bolt from the left ball to the ground, flashing violet now and then.
SceneWriter Strike() {
    DischargeFXRecord strike{.start = {kLeftBallX - 8, kBallY + kBallRadius, 0}, .end = {240, 636, 0}, .jitter = 60,
                             .textureChoice = 0};
    strike.glow.glowColour = Rgb(160, 64, 255);
    strike.glow.glowAmount = 70;
    SpriteRecord& sprite = strike.glow.effectSprite.sprite;
    sprite = Named("Strike", 8, 30, Rgb(230, 210, 255));
    sprite.secondImage = {builtin::kModuleName, builtin::kThickBolt.id};
    sprite.placed.base.timeLine = {.mode = 1, .hiddenMin = 60, .hiddenMax = 200, .visibleMin = 30, .visibleMax = 80,
                                   .fadeIn = 5, .fadeOut = 25};
    return MakeDischargeFX(strike);
}

// A fire ball blooming over the towers, its flames rising, fading out and coming back.
SceneWriter Burst() {
    ExplosionRecord burst{.direction = 90, .speed = 60, .seed = 11, .colour2 = Rgb(255, 80, 40)};
    burst.base.position = {kWidth / 2.0f, 170, 0};
    EffectSpriteRecord& fx = burst.base.effectSprite;
    fx.effect = {builtin::kModuleName, builtin::kExplosionEffect.id};
    fx.sprite = Named("Burst", 1, 240, Rgb(255, 200, 120));
    fx.sprite.image = {builtin::kModuleName, builtin::kExplosionGradient.id};
    fx.sprite.secondImage = {builtin::kModuleName, builtin::kExplosionNoise.id};
    fx.sprite.placed.timeScale = 100;
    fx.sprite.placed.base.timeLine = {.mode = 1, .hiddenMin = 40, .hiddenMax = 120, .visibleMin = 200,
                                      .visibleMax = 300, .fadeIn = 50, .fadeOut = 150};
    return MakeExplosion(burst);
}

SceneWriter Title() {
    StaticTextRecord title{.verticalAlignment = 1, .horizontalAlignment = 1, .text = "Velmora Glow", .fontHeight = 80,
                           .fontFace = "Tahoma"};
    title.base = {.position = {kWidth / 2.0f, 600, 0}, .height = 100, .width = 700};
    title.base.effectSprite.sprite = Named("Title", 1, 0, Rgb(255, 230, 170));
    return MakeStaticText(title);
}

}  // namespace

ShaderSpriteSlide MakeShaderSpriteSlide() {
    const std::string path = "C:\\Velmora\\Scenes\\towers.png";
    const int64_t stamp = 1765002000;
    ShaderSpriteSlide result;
    result.picture = {path, stamp, {StoredFile{0, "", pictures::EncodePng(pictures::TeslaNight(kWidth, kHeight)), path}}};
    result.slide = spriteslides::MakeObjectSlide("Towers in a storm", {path, stamp}, {Title(), Burst(), Strike(), Arc()});
    return result;
}

}  // namespace shaderslide
