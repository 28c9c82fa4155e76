#pragma once
// The default scene's slide of 3D objects: butterflies over a meadow, a clock that shows the
// time, and autumn leaves drifting down.
#include <vector>

#include "DocumentRecords.h"
#include "SceneWriter.h"

namespace meshslides {

struct GardenSlide {
    scenewriter::StoreEntry meadow;  // the background picture
    scenewriter::StoreEntry wing;    // the butterflies' wing picture
    std::vector<scenewriter::SceneWriter> objects;
};

GardenSlide MakeGardenSlide();

}  // namespace meshslides
