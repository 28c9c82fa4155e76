#pragma once
// The default scene's slide of shader sprites: a stormy night over two towers, a discharge
// arcing between their balls and another striking down now and then, an explosion bursting
// above them, and the saver's name.
#include "DocumentRecords.h"
#include "SceneWriter.h"
#include "ShowSlide.h"

namespace shaderslide {

struct ShaderSpriteSlide {
    ShowSlide slide;
    scenewriter::StoreEntry picture;     // its background picture
};

ShaderSpriteSlide MakeShaderSpriteSlide();

}  // namespace shaderslide
