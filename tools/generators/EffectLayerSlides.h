#pragma once
// The default scene's slides of the backgrounds with their own simulations: a glass ball
// before a night sky, fish under the rippling water of the harbour, and glyphs raining as
// bright as the summer meadow beneath them.
#include <vector>

#include "DocumentRecords.h"
#include "SceneWriter.h"
#include "ShowSlide.h"
#include "SlideRecords.h"

namespace effectlayerslides {

struct EffectLayerSlides {
    std::vector<ShowSlide> slides;
    std::vector<scenewriter::StoreEntry> images;   // the fish's picture
};

// The ball shows `dusk`, the water `harbour`, the glyphs take their light from `meadow`.
EffectLayerSlides MakeEffectLayerSlides(const scenewriter::LinkValue& dusk, const scenewriter::LinkValue& harbour,
                                        const scenewriter::LinkValue& meadow);

}  // namespace effectlayerslides
