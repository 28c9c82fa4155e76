#include "BrushStage.h"

#include "ArchiveOver.h"
#include "document/CurrentDevice.h"
#include "document/ReaderRegistry.h"
#include "player/PictureView.h"

namespace vgtest {

BrushStage::BrushStage(UINT width, UINT height) : device_(width, height) { CurrentDevice = device_.Device(); }

BrushStage::~BrushStage() {
    layer_.reset();
    CurrentDocResManager = nullptr;
    manager_.reset();
    if (device_.Device()) GetPictureView().ReleaseDeviceObjects(device_.Device());
    CurrentDevice = nullptr;
}

void BrushStage::Open(const scenewriter::ResourceSection& section) {
    scenewriter::SceneWriter out;
    scenewriter::WriteResourceSection(out, section);
    ArchiveOver in(out.Bytes());
    std::wstring tag;
    in.Archive().ReadString(tag);
    manager_ = std::make_unique<QV_DocResManager>();
    manager_->Load(in.Archive(), in.Archive().ReadVersion());
    CurrentDocResManager = manager_.get();
}

QV_2D_Light& BrushStage::ShowPicture(const FileKey& picture) {
    layer_ = std::make_unique<QV_2D_Light>();
    layer_->pictureLink.SetSilently(picture);
    layer_->CreateDeviceObjects();
    layer_->Resize(1, 1);
    layer_->SetFitMode(PictureView::kStretch);
    layer_->Resize(int(device_.Width()), int(device_.Height()));
    layer_->RestoreDeviceObjects();
    GetPictureView().SetZoomAndPan(1.0f, 0.0f, 0.0f);
    return *layer_;
}

std::unique_ptr<QV_FX_Constructor> BrushStage::ReadBrush(const scenewriter::SceneWriter& record) {
    ArchiveOver in(record.Bytes());
    std::unique_ptr<QV_ABObj_Constructor> read(ReadTaggedObject(in.Archive()));
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(in.Consumed(), record.Size());
    auto* brush = dynamic_cast<QV_FX_Constructor*>(read.get());
    if (brush) read.release();
    return std::unique_ptr<QV_FX_Constructor>(brush);
}

std::unique_ptr<QV_BrushObj> BrushStage::MakeRuntime(QV_FX_Constructor& description) {
    return std::unique_ptr<QV_BrushObj>(static_cast<QV_BrushObj*>(description.CreateObject()));
}

}  // namespace vgtest
