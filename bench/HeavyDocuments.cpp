#include "HeavyDocuments.h"

#include <functional>
#include <map>

#include "DocumentRecords.h"
#include "GeneratorRecords.h"
#include "MeshObjectRecords.h"
#include "ShaderSpriteRecords.h"
#include "SlideRecords.h"
#include "SpriteRecords.h"

using namespace scenewriter;

namespace bench {

namespace {

// The module's default picture is 1024 x 768; its soft dot is every sprite's picture.
constexpr int32_t kCentreX = 512, kCentreY = 384;
const LinkValue kDot{"common_res.dll", 44};
constexpr uint32_t kCapCount = 16384;

std::vector<uint8_t> OneSlide(SceneWriter object) {
    SlideRecord slide;
    slide.showTime = 60;
    slide.layer = MakeLayer(LayerRecord());
    slide.objects.push_back(std::move(object));
    return MakeDocument({MakeSlide(slide)}, {}, {});
}

SpriteRecord Dots(uint32_t count, uint32_t size) {
    SpriteRecord sprite;
    sprite.count = count;
    sprite.size = size;
    sprite.image = kDot;
    return sprite;
}

StaticSpriteRecord PlacedDots(uint32_t count, uint32_t size) {
    return StaticSpriteRecord{.left = kCentreX, .right = kCentreX, .top = kCentreY, .bottom = kCentreY,
                              .centreX = kCentreX, .centreY = kCentreY, .sprite = Dots(count, size)};
}

// A static sprite whose scales are both `scale`.
SceneWriter ScaledSprite(uint32_t count, float scale) {
    StaticSpriteRecord placed = PlacedDots(count, 180);
    placed.sprite.scaleMin = placed.sprite.scaleMax = scale;
    return MakeStaticSprite(placed);
}

SceneWriter Text(uint32_t count, int32_t fontHeight) {
    StaticTextRecord text{.verticalAlignment = 1, .horizontalAlignment = 1, .text = "Velmora Glow",
                          .fontHeight = fontHeight};
    text.base = {.position = {float(kCentreX), float(kCentreY), 0}, .height = 120, .width = 700};
    text.base.effectSprite.sprite = Dots(count, 0);
    text.base.effectSprite.sprite.image = {};
    return MakeStaticText(text);
}

SceneWriter Smoke(uint32_t rate, uint32_t size) {
    return MakeSmoke({.lifetime = 125, .rate = rate, .size = size, .direction = 90,
                      .origin = {float(kCentreX), 600, 0},
                      .tex = {.textures = {kDot}, .effect = {"common_res.dll", 301}, .colour1 = 0xBEBEBE}});
}

SceneWriter Clocks(uint32_t count) {
    ClockRecord clock;
    const int32_t half = 110;
    const int32_t rectangle[6] = {kCentreX - half, kCentreX + half, kCentreY - half, kCentreY + half, kCentreX, kCentreY};
    std::copy(rectangle, rectangle + 6, clock.rectangle);
    clock.object.count = count;
    clock.object.size = 2 * half;
    return MakeClock(clock);
}

struct Writers {
    std::function<SceneWriter()> hostile, normal;
};

const std::map<std::string, Writers>& AllWriters() {
    static const std::map<std::string, Writers> writers = {
        {"god-rays", {[] { return MakeGodRay({.sprite = Dots(kCapCount, 90)}); },
                      [] { return MakeGodRay({.sprite = Dots(5, 90)}); }}},
        {"static-sprites", {[] { return MakeStaticSprite(PlacedDots(kCapCount, 180)); },
                            [] { return MakeStaticSprite(PlacedDots(1, 180)); }}},
        {"fog", {[] { return MakeFog({.sprite = Dots(kCapCount, 520)}); }, [] { return MakeFog({.sprite = Dots(9, 520)}); }}},
        {"flashes", {[] { return MakeLighting(Dots(kCapCount, 420)); }, [] { return MakeLighting(Dots(1, 420)); }}},
        {"flowers", {[] { return MakeFlower(PlacedDots(kCapCount, 110)); }, [] { return MakeFlower(PlacedDots(1, 110)); }}},
        {"discharge-sheets",
         {[] {
              StaticSpriteRecord sheet = PlacedDots(kCapCount, 180);
              sheet.sprite.sheet = true, sheet.sprite.frameCount = 4, sheet.sprite.frameRate = 14;
              return MakeDischarge(sheet);
          },
          [] {
              StaticSpriteRecord sheet = PlacedDots(1, 180);
              sheet.sprite.sheet = true, sheet.sprite.frameCount = 4, sheet.sprite.frameRate = 14;
              return MakeDischarge(sheet);
          }}},
        {"sprite-scale", {[] { return ScaledSprite(kCapCount, 1e10f); }, [] { return ScaledSprite(1, 1); }}},
        {"sprite-negative-scale", {[] { return ScaledSprite(kCapCount, -1e10f); }, [] { return ScaledSprite(1, -1); }}},
        {"static-text", {[] { return Text(kCapCount, 80); }, [] { return Text(1, 80); }}},
        {"text-font", {[] { return Text(1, 1024); }, [] { return Text(1, 80); }}},
        {"text-font-stored", {[] { return Text(1, 0x10000); }, [] { return Text(1, 80); }}},
        {"smoke", {[] { return Smoke(0xFFFFFFFFu, 0xFFFFFFFFu); }, [] { return Smoke(5, 150); }}},
        {"clock", {[] { return Clocks(65536); }, [] { return Clocks(1); }}},
    };
    return writers;
}

}  // namespace

const std::vector<HeavyClass>& HeavyClasses() {
    static const std::vector<HeavyClass> classes = {
        {"god-rays", "16,384 god rays"},
        {"static-sprites", "16,384 static sprites"},
        {"fog", "16,384 fog puffs"},
        {"flashes", "16,384 flashes"},
        {"flowers", "16,384 flowers"},
        {"discharge-sheets", "16,384 discharge sheets"},
        {"sprite-scale", "16,384 sprites of scale 1e10"},
        {"sprite-negative-scale", "16,384 sprites of scale -1e10"},
        {"static-text", "a static text of 16,384 sprites"},
        {"text-font", "a static text of font height 1024"},
        {"text-font-stored", "a static text of font height 0x10000"},
        {"smoke", "smoke of rate and puff size 2^32 - 1"},
        {"clock", "65,536 clocks"},
    };
    return classes;
}

std::vector<uint8_t> HeavyDocument(const std::string& name, bool hostile) {
    const auto found = AllWriters().find(name);
    if (found == AllWriters().end()) return {};
    return OneSlide(hostile ? found->second.hostile() : found->second.normal());
}

}  // namespace bench
