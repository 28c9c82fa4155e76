#include "SlideStage.h"

#include "base/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "player/PictureView.h"
#include "player/QV_SlideShow_Light.h"

namespace vgtest {

SlideStage::SlideStage(UINT width, UINT height) : device_(width, height) { CurrentDevice = device_.Device(); }

SlideStage::~SlideStage() {
    Close();
    if (device_.Device()) GetPictureView().ReleaseDeviceObjects(device_.Device());
    CurrentDevice = nullptr;
}

HRESULT SlideStage::Open(const scenewriter::ResourceSection& section, const scenewriter::LinkValue& picture,
                         std::vector<scenewriter::SceneWriter> objects) {
    scenewriter::LayerRecord layer;
    layer.picture = picture;
    layer.camera.enabled = 0;
    return OpenWithLayer(section, scenewriter::MakeLayer(layer), std::move(objects));
}

HRESULT SlideStage::OpenWithLayer(const scenewriter::ResourceSection& section, scenewriter::SceneWriter layer,
                                  std::vector<scenewriter::SceneWriter> objects) {
    scenewriter::SlideRecord slide;
    slide.layer = std::move(layer);
    slide.objects = std::move(objects);
    return scene_.OpenBytes(scenewriter::MakeDocument({scenewriter::MakeSlide(slide)}, {}, section));
}

void SlideStage::Start() {
    scene_.PrepareSlides();
    scene_.SetFitMode(PictureView::kStretch);
}

void SlideStage::DrawFrame(float t) { scene_.DrawFrame(t); }

void SlideStage::LoseDevice() {
    scene_.Show()->InvalidateDeviceObjects();
    CurrentDocResManager->OnLostDevice();
}

void SlideStage::RestoreDevice() { scene_.Show()->RestoreDeviceObjects(); }

void SlideStage::Close() {
    scene_.Close();
    CurrentDocResManager = nullptr;
}

QV_DocResManager& SlideStage::Manager() { return *CurrentDocResManager; }

QV_SlideContainer& SlideStage::Slide() { return *scene_.Show()->SlideAt(0).Get(); }

QV_2D_Light& SlideStage::Layer() { return *Slide().GetLight().Get(); }

QV_ABObj& SlideStage::Object(size_t i) { return *Slide().RuntimeObjects().at(i).Get(); }

}  // namespace vgtest
