#pragma once
// The default scene's slide of particle generators: a stormy moor where lightning strikes now
// and then, smoke rises from a cottage chimney and reeds sway in the foreground, with the
// authoring tool's foreign "QV_StaticAnimation" record among its objects.
#include <vector>

#include "DocumentRecords.h"
#include "SceneWriter.h"
#include "ShowSlide.h"

struct GeneratorSlide {
    ShowSlide slide;
    std::vector<scenewriter::StoreEntry> images;  // the pictures it embeds
};

GeneratorSlide MakeGeneratorSlide();
