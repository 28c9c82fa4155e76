#include "EffectLayerSlides.h"

#include <string>
#include <utility>

#include "EffectLayerRecords.h"
#include "PictureEncoder.h"
#include "SpritePictures.h"
#include "SpriteRecords.h"

using namespace scenewriter;

namespace effectlayerslides {

namespace {

// A slide of the effect layer written from its record, whose plain layer shows the picture.
template <class Record>
ShowSlide Slide(const std::string& name, const Record& record, SceneWriter (*makeLayer)(const Record&),
                std::vector<SceneWriter> objects = {}) {
    SlideRecord slide;
    slide.fadeIn = 2;
    slide.showTime = 12;
    slide.fadeOut = 2;
    slide.name = name;
    slide.layer = makeLayer(record);
    slide.objects = std::move(objects);
    return MakeShowSlide(slide, record.layer);
}

// The dusk landscape in a ball on its stand, panning to and fro before a night-blue gradient.
ShowSlide GlassBall(const LinkValue& dusk) {
    return Slide("Dusk in a glass ball", GlassBallRecord{.ballY = -50,  // raised, so the stand shows whole
                                                        .ballSize = 60,
                                                        .distortion = 20,
                                                        .showStand = 1,
                                                        .scrollMode = 3,
                                                        .gradientTop = Rgb(22, 30, 66),
                                                        .gradientBottom = Rgb(2, 3, 12),
                                                        .layer = {.picture = dusk}},
                 &MakeGlassBall);
}

// Over the 1600 × 900 harbour, water below 0.6: fish swim under the rings, which carry the
// finished slide.
ShowSlide Water(const LinkValue& harbour, const LinkValue& fishPicture) {
    SpriteRecord fish{.count = 6, .size = 150, .transparency = 20, .scaleMin = 0.6f, .image = fishPicture};
    fish.placed.relativeTop = 0.66f;
    fish.placed.relativeBottom = 0.96f;
    fish.placed.base.name = "Fish";
    return Slide("Rings on the harbour",
                 WaterRingsRecord{.waveHeight = 20, .dropSize = 60, .dropRate = 50, .mode = 1,
                                  .layer = {.picture = harbour}},
                 &MakeWaterRings,
                 {MakeFish({.maxSpeedX = 50.0f, .maxSpeedY = 10.0f, .sprite = fish})});
}

// Green glyphs over black, as bright as the meadow beneath them, with white heads and sparkles.
ShowSlide Glyphs(const LinkValue& meadow) {
    return Slide("Glyphs over the meadow", GlyphRainRecord{.cellSize = 14,
                                                         .density = 50,
                                                         .flickerCount = 40,
                                                         .sparkle = 1,
                                                         .backgroundMode = 1,
                                                         .trailColour = Rgb(40, 255, 90),
                                                         .headColour = Rgb(215, 255, 225),
                                                         .layer = {.picture = meadow}},
                 &MakeGlyphRain);
}

}  // namespace

EffectLayerSlides MakeEffectLayerSlides(const LinkValue& dusk, const LinkValue& harbour, const LinkValue& meadow) {
    const std::string fishPath = "C:\\Velmora\\Effects\\fish.png";
    const LinkValue fish{fishPath, 1765002000};
    EffectLayerSlides result;
    result.images.push_back(
        {fish.path, fish.stamp, {StoredFile{0, "", pictures::EncodePng(pictures::FishSilhouette(96, 48)), fishPath}}});
    result.slides.push_back(GlassBall(dusk));
    result.slides.push_back(Water(harbour, fish));
    result.slides.push_back(Glyphs(meadow));
    return result;
}

}  // namespace effectlayerslides
