#include "BrushSlides.h"

#include <string>

#include "BrushRecords.h"
#include "MaskRegions.h"
#include "PictureEncoder.h"
#include "ProceduralPictures.h"
#include "SlideRecords.h"
#include "SpriteSlides.h"
#include "document/BuiltinResources.h"

using namespace scenewriter;

namespace {

const int kWidth = 1024, kHeight = 768;

const MaskRegion kSun{"{5EB0B1A5-0001-4C6F-9A77-6C616B650001}", 0.72, 0.40, 0.11, 0.14};
const MaskRegion kReflection{"{5EB0B1A5-0002-4C6F-9A77-6C616B650002}", 0.5, 0.665, 0.8, 0.07};
const MaskRegion kRipples{"{5EB0B1A5-0003-4C6F-9A77-6C616B650003}", 0.72, 0.86, 0.12, 0.13};
const MaskRegion kShimmer{"{5EB0B1A5-0004-4C6F-9A77-6C616B650004}", 0.3, 0.74, 0.24, 0.1};
const MaskRegion kMeadow{"{5EB0B1A5-0005-4C6F-9A77-6C616B650005}", 0.1, 0.98, 0.28, 0.16};

}  // namespace

BrushShowcase MakeBrushShowcase() {
    const LinkValue picture{"C:\\Velmora\\Scenes\\lake.png", 1765000500};
    BrushShowcase showcase;
    showcase.images = {StoreEntry{picture.path, picture.stamp,
                                  {StoredFile{0, "", pictures::EncodePng(pictures::EveningLake(kWidth, kHeight)),
                                              picture.path}}}};
    showcase.masks = {MaskPicture(kSun), MaskPicture(kReflection), MaskPicture(kRipples), MaskPicture(kShimmer), MaskPicture(kMeadow)};

    // The object list is drawn last to first: the shimmer, first, sees all the others.
    WaterRecord shimmer;
    shimmer.color = 0xFFE8D0;  // a pale blue, red in the low byte
    shimmer.fx = MaskedFx(kShimmer, builtin::kWaterEffect.id, 50, 1);
    shimmer.fx.effectScale = 30;
    WavesRecord ripples;
    // The sun's path on the water sways sideways under waves running towards the shore.
    ripples.amplitude = 40;
    ripples.wavelength = 60;
    ripples.angle = 270;
    ripples.fx = MaskedFx(kRipples, builtin::kWavesEffect.id, 25);
    // The sky and hills mirrored about the horizon (0.6 of the height) into the near water.
    BackgroundCopyRecord reflection;
    reflection.rect = {0, 0, 0, 0, 0, int32_t(-0.2 * kHeight)};
    reflection.wrapY = 1;
    reflection.fx = MaskedFx(kReflection, builtin::kBackgroundCopyEffect.id, 0);
    LightRecord sun;
    sun.intensity = 35;
    sun.fx = MaskedFx(kSun, builtin::kLightEffect.id, 8);  // a slow pulse: 0.2 x 8 radians a second
    PatternBrushRecord flowers;
    flowers.image = {builtin::kModuleName, builtin::kPatternTiles.id};
    flowers.patternScale = 150;
    flowers.angle = 15;
    flowers.fx = MaskedFx(kMeadow, builtin::kPatternEffect.id, 50);
    flowers.fx.base.timeLine.timeMode = 1;

    showcase.slide = spriteslides::MakeObjectSlide("Evening lake", picture,
                                                   {MakeWater(shimmer), MakeWaves(ripples), MakeBackgroundCopy(reflection),
                                                    MakeLight(sun), MakePatternBrush(flowers)});
    return showcase;
}
