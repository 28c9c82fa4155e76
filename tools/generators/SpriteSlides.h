#pragma once
// The default scene's sprite slides: every sprite emitter moving over a picture.
#include <string>
#include <vector>

#include "DocumentRecords.h"
#include "SceneWriter.h"
#include "ShowSlide.h"
#include "SlideRecords.h"

namespace spriteslides {

struct SpriteSlides {
    std::vector<ShowSlide> slides;
    std::vector<scenewriter::StoreEntry> images;   // the sprites' pictures
    std::vector<scenewriter::DurationEntry> durations;
};

// A slide of the objects over the picture, 2 s fades around 12 s of show, the camera on.
ShowSlide MakeObjectSlide(const std::string& name, const scenewriter::LinkValue& picture,
                          std::vector<scenewriter::SceneWriter> objects);

// A dusk meadow (god rays, birds, drifting dust, fireflies, an evening star, flowers and
// grass) over `meadow`, and a stormy harbour (flashes, fog, ghosts, fish, a discharge, a
// blinking lamp and rain) over `harbour`.
SpriteSlides MakeSpriteSlides(const scenewriter::LinkValue& meadow, const scenewriter::LinkValue& harbour);

}  // namespace spriteslides
