#pragma once
// The default scene's slides of animated brushes and effect backgrounds: a dusk landscape
// whose clouds drift, sun swells, meadow ripples, tree sways, moon turns, waterfall falls and
// foreground burns; a harbour on fire under a heat shimmer; a tower seen under water; and the
// dusk landscape mirrored in a lake.
#include <vector>

#include "DocumentRecords.h"
#include "SceneWriter.h"
#include "ShowSlide.h"
#include "SlideRecords.h"

struct EffectBackgroundSlides {
    std::vector<ShowSlide> slides;
    std::vector<scenewriter::GuidImage> guidImages;  // the brushes' masks and the lake's normal map
};

EffectBackgroundSlides MakeEffectBackgroundSlides(const scenewriter::LinkValue& dusk, const scenewriter::LinkValue& harbour,
                                                  const scenewriter::LinkValue& tower);
