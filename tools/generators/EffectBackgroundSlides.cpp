#include "EffectBackgroundSlides.h"

#include "BackgroundRecords.h"
#include "BrushRecords.h"
#include "FlamePictures.h"
#include "MaskRegions.h"
#include "PictureEncoder.h"
#include "ProceduralPictures.h"

using namespace scenewriter;

namespace {

const float kWidth = 1024, kHeight = 768;  // the dusk picture

const MaskRegion kClouds{"{5EB0B1A5-0101-4C6F-9A77-616E696D0001}", 0.5, 0.12, 0.6, 0.14};
const MaskRegion kSun{"{5EB0B1A5-0102-4C6F-9A77-616E696D0002}", 0.3, 0.45, 0.09, 0.12};
const MaskRegion kMeadow{"{5EB0B1A5-0103-4C6F-9A77-616E696D0003}", 0.5, 0.85, 0.3, 0.12};
const MaskRegion kTree{"{5EB0B1A5-0104-4C6F-9A77-616E696D0004}", 0.1, 0.55, 0.1, 0.25};
const MaskRegion kMoon{"{5EB0B1A5-0105-4C6F-9A77-616E696D0005}", 0.8, 0.2, 0.07, 0.09};
const MaskRegion kFall{"{5EB0B1A5-0106-4C6F-9A77-616E696D0006}", 0.88, 0.6, 0.05, 0.3};
const MaskRegion kEmbers{"{5EB0B1A5-0107-4C6F-9A77-616E696D0007}", 0.55, 1.0, 0.3, 0.2};
const char kLakeNormals[] = "{5EB0B1A5-0108-4C6F-9A77-616E696D0008}";

// The region's bounding box in picture pixels, corners top-left, bottom-left, top-right,
// bottom-right (the fire's pattern is bright at its lower corners).
std::array<float, 12> Box(const MaskRegion& r) {
    const float left = float(r.cx - r.rx) * kWidth, right = float(r.cx + r.rx) * kWidth;
    const float top = float(r.cy - r.ry) * kHeight, bottom = float(r.cy + r.ry) * kHeight;
    return {left, top, 0, left, bottom, 0, right, top, 0, right, bottom, 0};
}

std::array<float, 3> Centre(const MaskRegion& r) { return {float(r.cx) * kWidth, float(r.cy) * kHeight, 0.0f}; }

ShowSlide BrushSlide(const LinkValue& dusk) {
    FxBaseRecord fall = MaskedFx(kFall, 331, 25);
    fall.region = Box(kFall);
    FxBaseRecord embers = MaskedFx(kEmbers, 92, 50);
    embers.region = Box(kEmbers);
    FxBaseRecord tree = MaskedFx(kTree, 333, 40);
    tree.region = Box(kTree);
    LayerRecord layer{.picture = dusk};
    layer.camera.enabled = 0;
    SlideRecord slide{.fadeIn = 2, .fadeOut = 2, .showTime = 12};
    slide.layer = MakeLayer(layer);
    slide.objects = {
        MakeMove({.mode = 1, .amplitude2 = 60, .direction = {.strength = 60, .fx = MaskedFx(kClouds, 91, 10)}}),
        MakeExpand({.amplitudeA = 20, .amplitudeB = 6, .mode = 1, .central = {.center = Centre(kSun), .fx = MaskedFx(kSun, 102, 50)}}),
        MakeRadialWave({.amplitude = 30, .wavelength = 40, .central = {.center = Centre(kMeadow), .fx = MaskedFx(kMeadow, 103, 6)}}),
        MakeBend({.amplitudeA = 40, .amplitudeB = 40, .bend = 25, .central = {.center = {float(kTree.cx) * kWidth, float(kTree.cy + kTree.ry) * kHeight, 0}, .fx = tree}}),
        MakeRotation({.axisRatio = 1000, .central = {.center = Centre(kMoon), .fx = MaskedFx(kMoon, 332, 100)}}),
        MakeWaterfall({.transluency = 40, .waveCount = 3, .noiseAmplitude = 60, .threshold = 450,
                       .noise = {"common_res.dll", 8}, .baseColor = 0xFFF0E0, .direction = {.strength = 120, .angle = 270, .fx = fall}}),
        MakeFire({.tiling = 150, .fx = embers}),
    };
    return MakeShowSlide(slide, layer);
}

ShowSlide FlameSlide(const LinkValue& harbour) {
    LayerRecord layer{.picture = harbour};
    layer.camera.enabled = 1;
    layer.camera.zoom = 115;
    FlameLightRecord flame{.fireHeight = 10, .strength = 60, .layer = layer};
    SlideRecord slide{.fadeIn = 2, .fadeOut = 2, .showTime = 10};
    slide.layer = MakeFlameLight(flame);
    return MakeShowSlide(slide, layer);
}

ShowSlide UnderwaterSlide(const LinkValue& tower) {
    LayerRecord layer{.picture = tower};
    layer.camera.enabled = 1;
    layer.camera.zoom = 120;
    UnderwaterLightRecord underwater{.layer = layer};
    underwater.brush.amplitude = 120;
    SlideRecord slide{.fadeIn = 2, .fadeOut = 2, .showTime = 10};
    slide.layer = MakeUnderwaterLight(underwater);
    return MakeShowSlide(slide, layer);
}

ShowSlide LakeSlide(const LinkValue& dusk) {
    LayerRecord layer{.picture = dusk};
    layer.camera.enabled = 0;
    LakeRecord lake{.waterLevel = 40, .normalMapGuid = kLakeNormals, .layer = layer};
    SlideRecord slide{.fadeIn = 2, .fadeOut = 2, .showTime = 10};
    slide.layer = MakeLake(lake);
    return MakeShowSlide(slide, layer);
}

}  // namespace

EffectBackgroundSlides MakeEffectBackgroundSlides(const LinkValue& dusk, const LinkValue& harbour, const LinkValue& tower) {
    EffectBackgroundSlides made;
    made.slides = {BrushSlide(dusk), FlameSlide(harbour), UnderwaterSlide(tower), LakeSlide(dusk)};
    made.guidImages = {MaskPicture(kClouds), MaskPicture(kSun), MaskPicture(kMeadow), MaskPicture(kTree), MaskPicture(kMoon), MaskPicture(kFall), MaskPicture(kEmbers)};
    // The lake's ripples: du and dv as 128 + signed values in red and green.
    made.guidImages.push_back(GuidImage{kLakeNormals, "", 1, pictures::EncodePng(pictures::ShimmerBump(128)), ""});
    return made;
}
