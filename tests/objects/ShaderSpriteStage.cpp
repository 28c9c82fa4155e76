#include "ShaderSpriteStage.h"

#include "PictureBytes.h"
#include "document/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "player/PictureView.h"
#include "player/QV_SlideShow_Light.h"

using namespace scenewriter;

namespace shadertest {

namespace {

const LinkValue kScene{"C:\\scene.png", 1};

}  // namespace

ShaderSpriteStage::ShaderSpriteStage() : device_(kSize, kSize) { CurrentDevice = device_.Device(); }

ShaderSpriteStage::~ShaderSpriteStage() {
    scene_.Close();
    CurrentDocResManager = nullptr;
    if (device_.Device()) GetPictureView().ReleaseDeviceObjects(device_.Device());
    CurrentDevice = nullptr;
}

uint32_t ShaderSpriteStage::Picture(UINT x, UINT y) { return 0xFF000000u | (40 + x / 2) << 16 | (40 + y / 2) << 8 | 96; }

HRESULT ShaderSpriteStage::Open(std::vector<SceneWriter> objects) {
    ResourceSection section;
    const std::vector<uint8_t> picture =
        vgtest::MakePatternPicture(device_.Device(), kSize, kSize, D3DXIFF_PNG, [](UINT x, UINT y) { return Picture(x, y); });
    section.images = {{kScene.path, kScene.stamp, {StoredFile{0, "", picture, kScene.path}}}};
    LayerRecord layer;
    layer.picture = kScene;
    layer.camera.enabled = 0;
    SlideRecord slide;
    slide.layer = MakeLayer(layer);
    slide.objects = std::move(objects);
    return scene_.OpenBytes(MakeDocument({MakeSlide(slide)}, {}, section));
}

void ShaderSpriteStage::Start() {
    scene_.PrepareSlides();
    scene_.SetFitMode(PictureView::kStretch);
}

void ShaderSpriteStage::DrawFrame(float t) { scene_.DrawFrame(t); }

void ShaderSpriteStage::LoseDevice() {
    scene_.Show()->InvalidateDeviceObjects();
    CurrentDocResManager->OnLostDevice();
}

void ShaderSpriteStage::RestoreDevice() { scene_.Show()->RestoreDeviceObjects(); }

QV_ABObj& ShaderSpriteStage::Object(size_t i) { return *scene_.Show()->SlideAt(0)->RuntimeObjects().at(i).Get(); }

}  // namespace shadertest
