#include "BrushStage.h"

#include "ArchiveOver.h"
#include "document/CurrentDevice.h"
#include "document/ReaderRegistry.h"
#include "player/PictureView.h"

namespace vgtest {

BrushStage::BrushStage(UINT width, UINT height) : device_(width, height) { CurrentDevice = device_.Device(); }

BrushStage::~BrushStage() {
    Close();
    if (device_.Device()) GetPictureView().ReleaseDeviceObjects(device_.Device());
    CurrentDevice = nullptr;
}

HRESULT BrushStage::Open(const scenewriter::ResourceSection& section, const scenewriter::LinkValue& picture,
                         std::vector<scenewriter::SceneWriter> objects) {
    scenewriter::LayerRecord layer;
    layer.picture = picture;
    layer.camera.enabled = 0;
    return OpenWithLayer(section, scenewriter::MakeLayer(layer), std::move(objects));
}

HRESULT BrushStage::OpenWithLayer(const scenewriter::ResourceSection& section, scenewriter::SceneWriter layer,
                                  std::vector<scenewriter::SceneWriter> objects) {
    scenewriter::SlideRecord slide;
    slide.layer = std::move(layer);
    slide.objects = std::move(objects);
    return scene_.OpenBytes(scenewriter::MakeDocument({scenewriter::MakeSlide(slide)}, {}, section));
}

void BrushStage::Start() {
    scene_.PrepareSlides();
    scene_.SetFitMode(PictureView::kStretch);
}

void BrushStage::DrawFrame(float t) { scene_.DrawFrame(t); }

void BrushStage::LoseDevice() {
    scene_.Show()->InvalidateDeviceObjects();
    CurrentDocResManager->OnLostDevice();
}

void BrushStage::RestoreDevice() { scene_.Show()->RestoreDeviceObjects(); }

void BrushStage::Close() {
    scene_.Close();
    CurrentDocResManager = nullptr;
}

QV_SlideContainer& BrushStage::Slide() { return *scene_.Show()->SlideAt(0).Get(); }

QV_2D_Light& BrushStage::Layer() { return *Slide().GetLight().Get(); }

QV_BrushObj& BrushStage::Brush(size_t i) { return dynamic_cast<QV_BrushObj&>(*Slide().RuntimeObjects().at(i).Get()); }

std::unique_ptr<QV_FX_Constructor> BrushStage::ReadBrush(const scenewriter::SceneWriter& record) {
    ArchiveOver in(record.Bytes());
    std::unique_ptr<QV_ABObj_Constructor> read(ReadTaggedObject(in.Archive()));
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(in.Consumed(), record.Size());
    auto* brush = dynamic_cast<QV_FX_Constructor*>(read.get());
    if (brush) read.release();
    return std::unique_ptr<QV_FX_Constructor>(brush);
}

}  // namespace vgtest
