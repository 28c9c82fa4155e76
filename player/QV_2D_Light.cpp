#include "player/QV_2D_Light.h"

#include "base/CurrentDevice.h"
#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"
#include "document/PictureLayout.h"
#include "player/PictureView.h"
#include "player/StateList.h"

namespace {

// The layer's resting state: no depth or lighting, linear mirrored sampling, the texture's
// colour alone on stage 0 with stage 1 off, blending (when on) by the source's alpha.
constexpr DeviceState kLayerRestingStates[] = {
    RenderState(D3DRS_ZENABLE, FALSE),
    RenderState(D3DRS_ZWRITEENABLE, FALSE),
    RenderState(D3DRS_LIGHTING, FALSE),
    SamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR),
    SamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR),
    SamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_MIRROR),
    SamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_MIRROR),
    StageState(1, D3DTSS_TEXCOORDINDEX, 1),
    StageState(0, D3DTSS_TEXCOORDINDEX, 0),
    StageState(1, D3DTSS_COLORARG1, D3DTA_TEXTURE),
    StageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE),
    StageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE),
    StageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1),
    StageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE),
    RenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
    RenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA),
};

}  // namespace

QV_2D_Light::QV_2D_Light() : pictureLink(builtin::Link(builtin::kDefaultPicture)), restingStates_(kLayerRestingStates) {
    imageHooks_.SetTarget(this);
    HookImageLink();
}

QV_2D_Light::~QV_2D_Light() = default;

void QV_2D_Light::HookImageLink() { HookParamChange(imageHooks_, &QV_2D_Light::OnImageLinkChanged, pictureLink); }

void QV_2D_Light::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_2D_Light::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_2D_Light::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_2D_Light", kRecordVersion)); }

void QV_2D_Light::Fields(FieldArchive ar) {
    if (ar.Version() >= 2) pictureLink.Fields(ar);
    if (ar.Version() >= 3) CameraFields(ar);
}

// The camera is read whole into a fresh one, which this layer's camera then takes over with
// its observers notified.
void QV_2D_Light::CameraFields(FieldArchive& ar) {
    if (!ar.Reading()) return camera.TaggedFields(ar);
    QVT_Camera read;
    read.TaggedFields(ar);
    camera = read;
}

void QV_2D_Light::SetupView(int width, int height, int viewType, bool nested) {
    GetPictureView().Setup(pictureQuad_.picture, float(width), float(height), viewType, nested);
}

ComHolder<IDirect3DTexture9>& QV_2D_Light::GetSceneTexture() { return sceneTexture_; }
PictureQuad& QV_2D_Light::GetPictureQuad() { return pictureQuad_; }
uint32_t QV_2D_Light::GetPictureWidth() { return pictureQuad_.picture.width; }
uint32_t QV_2D_Light::GetPictureHeight() { return pictureQuad_.picture.height; }

void QV_2D_Light::CreateDeviceObjects() {
    pictureQuad_.InitUnitUV();
    pictureQuad_.Load(pictureLink.Value());
    GetPictureView().BindBorderTextures(camera.borderLink.Value());
}

void QV_2D_Light::RestoreDeviceObjects() {
    if (!CurrentDevice) return;
    ApplyStates(restingStates_);
    RestoreLayerDeviceObjects();
    RestoreSharedDeviceObjects();
}

void QV_2D_Light::RestoreSharedDeviceObjects() {
    if (CurrentDocResManager) CurrentDocResManager->OnResetDevice();
    const D3DSURFACE_DESC backBuffer = GetBackBufferDesc();
    targets_.Resize(backBuffer.Width, backBuffer.Height);
}

void QV_2D_Light::InvalidateDeviceObjects() {
    targets_.ReleaseTextures();
    sceneTexture_.Reset();
}

void QV_2D_Light::EndRender(bool nested) {
    if (!nested) GetPictureView().DrawBorders();
}

void QV_2D_Light::DrawBackground(bool nested) {
    if (!nested) CurrentDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0);
    DrawPictureQuad(pictureQuad_.picture.texture.Get());
}

void QV_2D_Light::PassSceneThrough() {
    // The picture itself is no copy: it is still on the target, under what was drawn since.
    if (!sceneTexture_ || sceneTexture_.Get() == pictureQuad_.picture.texture.Get()) return;
    ApplyStates({RenderState(D3DRS_ALPHABLENDENABLE, FALSE)});
    DrawPictureQuad(sceneTexture_.Get());
}

void QV_2D_Light::DrawPictureQuad(IDirect3DTexture9* texture) {
    PictureView& view = GetPictureView();
    view.ApplyTransforms();
    view.SetWorldTransform(pictureQuad_.world);
    CurrentDevice->SetTexture(0, texture);
    pictureQuad_.SetStream();
    CurrentDevice->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
}

void QV_2D_Light::FrameMove(float t) { camera.FrameMove(t); }

void QV_2D_Light::Resize(int width, int height) {
    if (!nested_) {
        width_ = width;
        height_ = height;
    }
    SetupView(width_, height_, GetPictureView().ViewType(), nested_);
    const ScreenQuad fitted = ScreenQuad::ScaleToBackBuffer(
        ScreenQuad::FitImage(pictureQuad_.picture, float(width_), float(height_)), float(width_), float(height_));
    PublishPictureLayout(fitted, float(width_), float(height_), int32_t(pictureQuad_.picture.width),
                         int32_t(pictureQuad_.picture.height));
}

void QV_2D_Light::SetFitMode(int viewType) {
    fitMode_ = viewType;
    SetupView(width_, height_, viewType, false);
    Resize(width_, height_);
}

bool QV_2D_Light::IsCameraRunning() { return camera.IsRunning(); }

bool QV_2D_Light::StartCamera() { return camera.Start(); }

void QV_2D_Light::Reload() {
    pictureQuad_.Load(pictureLink.Value());
    Resize(width_, height_);
}
