#include "ShaderSpriteStage.h"

#include "PictureBytes.h"

using namespace scenewriter;

namespace shadertest {

uint32_t ShaderSpriteStage::Picture(UINT x, UINT y) { return 0xFF000000u | (40 + x / 2) << 16 | (40 + y / 2) << 8 | 96; }

HRESULT ShaderSpriteStage::Open(std::vector<SceneWriter> objects) {
    const LinkValue scene{"C:\\scene.png", 1};
    const std::vector<uint8_t> picture =
        vgtest::MakePatternPicture(Device().Device(), kSize, kSize, D3DXIFF_PNG, [](UINT x, UINT y) { return Picture(x, y); });
    ResourceSection section;
    section.images = {{scene.path, scene.stamp, {StoredFile{0, "", picture, scene.path}}}};
    return SlideStage::Open(section, scene, std::move(objects));
}

}  // namespace shadertest
