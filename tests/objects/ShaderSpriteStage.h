#pragma once
// What the shader-sprite tests draw on: a slide stage of a known picture whose object list
// holds the records under test; the module's effects and pictures are the real ones.
#include <vector>

#include "SceneWriter.h"
#include "SlideStage.h"
#include "document/QV_ABObj_Constructor.h"

namespace shadertest {

class ShaderSpriteStage : public vgtest::SlideStage {
public:
    static constexpr UINT kSize = 128;

    ShaderSpriteStage() : SlideStage(kSize, kSize) {}

    // The scene picture: (40 + x / 2, 40 + y / 2, 96), dark enough that a glow shows.
    static uint32_t Picture(UINT x, UINT y);

    // Reads the document of the scene picture and these objects (see SlideStage::Open).
    HRESULT Open(std::vector<scenewriter::SceneWriter> objects);

    template <class T>
    T& DescriptionOf(size_t i) {
        return dynamic_cast<T&>(Object(i).Description());
    }
};

}  // namespace shadertest
