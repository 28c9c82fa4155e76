#pragma once
// The default scene's slide of FX brushes: an evening lake whose sun pulses, whose water
// mirrors the sky and hills, with the sun's path swaying on it and a shimmer over the
// reflection (a post effect over everything drawn before it), and flowers tiled over the
// meadow; with the pictures and masks it needs.
#include <vector>

#include "DocumentRecords.h"
#include "SceneWriter.h"
#include "ShowSlide.h"

struct BrushShowcase {
    ShowSlide slide;
    std::vector<scenewriter::StoreEntry> images;
    std::vector<scenewriter::GuidImage> masks;
};

BrushShowcase MakeBrushShowcase();
