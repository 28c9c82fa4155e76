#include "brushes/QV_WaterRingLight.h"

#include <algorithm>
#include <cmath>

#include "base/CurrentDevice.h"
#include "brushes/TextureStageSetup.h"
#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "player/PictureView.h"

namespace {

constexpr float kSurfaceHeight = 30.0f;
constexpr float kHalfPi = 1.57079633f;
// The surface's resting state: lit with its specular highlight, no depth, both windings,
// linear mirrored sampling; stages 0 and 1 read the first coordinates (their operations are
// off until the surface or the picture draws).
constexpr DeviceState kWaterRestingStates[] = {
    RenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
    RenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA),
    RenderState(D3DRS_ZFUNC, D3DCMP_LESSEQUAL),
    RenderState(D3DRS_CULLMODE, D3DCULL_NONE),
    RenderState(D3DRS_SHADEMODE, D3DSHADE_GOURAUD),
    StageState(0, D3DTSS_TEXCOORDINDEX, 0),
    StageState(1, D3DTSS_TEXCOORDINDEX, 0),
    RenderState(D3DRS_ZENABLE, FALSE),
    RenderState(D3DRS_LIGHTING, TRUE),
    RenderState(D3DRS_SPECULARENABLE, TRUE),
    SamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR),
    SamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR),
    SamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_MIRROR),
    SamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_MIRROR),
};
// The objects and the flat picture are drawn unlit, the surface lit.
constexpr DeviceState kLightingOff[] = {RenderState(D3DRS_LIGHTING, FALSE)};
constexpr DeviceState kLightingOn[] = {RenderState(D3DRS_LIGHTING, TRUE)};
constexpr OperationStates kUnlit{kLightingOff, kLightingOn};
constexpr DeviceState kAfterOverlay[] = {RenderState(D3DRS_ALPHABLENDENABLE, FALSE)};
constexpr DeviceState kBeforeBlendedQuad[] = {StageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1)};
constexpr DeviceState kAfterBlendedQuad[] = {RenderState(D3DRS_ZENABLE, FALSE), RenderState(D3DRS_ALPHABLENDENABLE, FALSE)};

// Under Wine 8 the specular sum is lost unless a stage reads the diffuse colour, so the
// surface adds it: the lit diffuse is black (the material's and vertices' colours are), so
// the sum is the texture on every platform.
constexpr TextureStageSetup kSurfaceStage{D3DTOP_ADD, D3DTA_TEXTURE, D3DTA_CURRENT, D3DTOP_SELECTARG1, D3DTA_TEXTURE};

float PictureRatio(const TextureEntry& picture) {
    return picture.ratio > 0.0f && std::isfinite(picture.ratio) ? picture.ratio : 1.0f;
}

}  // namespace

float DampingForLevel(unsigned level) {
    // Any higher level would make the velocity grow each sub-step, and the ripples without bound.
    level = std::min(level, kHighestDampingLevel);
    return level > 49 ? 0.99f + 0.00018f * float(level - 50) : 0.9f + 0.0018f * float(level);
}

QV_WaterRingLight::QV_WaterRingLight() : dropSize(50), dampingLevel(50), refractionShift(20) {
    dropRate.SetScale(1.0f / 60.0f);
    dropRate.Assign(30, nullptr);
    specularLevel.SetScale(0.01f);
    specularLevel.Assign(90, nullptr);
    specularPower.SetScale(0.8f);
    specularPower.Assign(50, nullptr);
    D3DXMatrixIdentity(&worldMatrix_);
    D3DXMatrixRotationX(&cameraMatrix_, -kHalfPi);
    cameraMatrix_._41 = 0.0f;
    cameraMatrix_._42 = 120.0f;
    cameraMatrix_._43 = 0.0f;
    D3DXMatrixInverse(&viewMatrix_, nullptr, &cameraMatrix_);
    restingStates_ = kWaterRestingStates;
    drawStates_.colouredMesh = drawStates_.meshInstances = drawStates_.spriteArray = kUnlit;
    drawStates_.meshInstancesTwoSided = kUnlit;
    drawStates_.overlay.after = kAfterOverlay;
    drawStates_.blendedQuad = {kBeforeBlendedQuad, kAfterBlendedQuad};
    D3DXMatrixIdentity(&projectionMatrix_);
}

void QV_WaterRingLight::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_WaterRingLight::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_WaterRingLight::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_WaterRingLight", 2)); }

void QV_WaterRingLight::Fields(FieldArchive ar) {
    if (ar.Version() >= 2) {
        for (MediaParamT<unsigned int>* value :
             {&waveHeight, &rowDensity, &columnDensity, &dropSize, &dampingLevel, &refractionShift})
            ar.Param(*value);
        for (UINTSclaleTo<float>* scaled : {&dropRate, &specularLevel, &specularPower}) ar.Notified(*scaled);
    }
    ar.Param(mode);
    QV_2D_Light::TaggedFields(ar);
}

void QV_WaterRingLight::FrameMove(float t) {
    camera.FrameMove(t);
    if (t < lastDropTime_) lastDropTime_ = t;
    const float rate = dropRate.Result();
    // Strictly after the interval; a rate of 0 never drops again.
    if (rate > 0.0f && 1.0f / rate < t - lastDropTime_) {
        grid_.Drop();
        lastDropTime_ = t;
    }
    const D3DXVECTOR3 eye(cameraMatrix_._41, cameraMatrix_._42, cameraMatrix_._43);
    grid_.Step(eye);
}

void QV_WaterRingLight::Resize(int width, int height) {
    lastWidth_ = width;
    lastHeight_ = height;
    if (width == 0 || height == 0) return;
    QV_2D_Light::Resize(width, height);
    const float r = PictureRatio(GetPictureQuad().picture), d = float(width) / float(height);
    const float f = r * d > 1.0f ? 15.0f * d : 15.0f / r;
    const float e = r * d > 1.0f ? 15.0f : f / d;
    D3DXMatrixOrthoOffCenterRH(&projectionMatrix_, -f, f, -e, e, -1.0f, 2000.0f);
    if (CurrentDevice) CurrentDevice->SetTransform(D3DTS_PROJECTION, &projectionMatrix_);
}

void QV_WaterRingLight::SetFitMode(int viewType) {
    QV_2D_Light::SetFitMode(viewType);
    Resize(lastWidth_, lastHeight_);
}

void QV_WaterRingLight::DrawBackground(bool nested) {
    if (mode.Value() != kOverFinishedSlide && grid_.CanDraw()) {
        DrawSurface(GetPictureQuad().picture.texture.Get());
        return;
    }
    ApplyStates(kLightingOff);
    ApplyTextureStage(0, kTextureAlone);
    QV_2D_Light::DrawBackground(mode.Value() == kOverFinishedSlide ? false : nested);
    ApplyStates(kLightingOn);
}

void QV_WaterRingLight::EndRender(bool nested) {
    if (mode.Value() == kOverFinishedSlide && TargetsActive()) {
        // Back to the picture's view and the back buffer, cleared black under the surface.
        const ComHolder<IDirect3DTexture9> slide = BeginTargetPass(true).Current();
        DrawSurface(slide.Get());
    }
    QV_2D_Light::EndRender(nested);
}

void QV_WaterRingLight::DrawSurface(IDirect3DTexture9* texture) {
    IDirect3DDevice9* d = CurrentDevice;
    PictureView& view = GetPictureView();
    ApplyTextureStage(0, kSurfaceStage);
    d->SetTransform(D3DTS_WORLD, &worldMatrix_);
    // The camera's pan in picture pixels, as surface units.
    const D3DXMATRIX m = view.CameraZoomMatrix();
    const float w = float(GetPictureWidth()), h = float(GetPictureHeight());
    const float ox = grid_.Width() * (0.5f + (w > 0.0f ? (m._41 / m._11) / w : 0.0f));
    const float oz = grid_.Height() * (0.5f + (h > 0.0f ? (m._42 / m._22) / h : 0.0f));
    D3DXMATRIX pan, zoom, centre;
    D3DXMatrixTranslation(&pan, ox, 0.0f, oz);
    view.GetZoomMatrix(zoom);
    D3DXMatrixTranslation(&centre, -grid_.Width() / 2, grid_.Height() / 2, 0.0f);
    const D3DXMATRIX surfaceView = pan * viewMatrix_ * zoom * centre;
    d->SetTransform(D3DTS_VIEW, &surfaceView);
    d->SetTransform(D3DTS_PROJECTION, &projectionMatrix_);
    d->SetTexture(0, texture);
    grid_.Draw();
    ApplyTextureStage(0, kTextureAlone);
    view.ApplyTransforms();
}

void QV_WaterRingLight::ResizeGrid(bool withBuffers) {
    const float r = PictureRatio(GetPictureQuad().picture);
    grid_.SetSize(kSurfaceHeight / r, kSurfaceHeight, 1.0f + 0.01f * float(rowDensity.Value()),
                  1.0f + 0.01f * float(columnDensity.Value()));
    if (withBuffers) grid_.CreateBuffers();
    grid_.Drop();
}

void QV_WaterRingLight::SetMaterial() {
    const float s = specularLevel.Result();
    D3DMATERIAL9 material = {};
    material.Diffuse = {0.0f, 0.0f, 0.0f, 1.0f};
    material.Specular = {s, s, s, 0.0f};
    material.Power = specularPower.Result();
    if (CurrentDevice) CurrentDevice->SetMaterial(&material);
}

void QV_WaterRingLight::CreateDeviceObjects() {
    QV_2D_Light::CreateDeviceObjects();
    grid_.BuildRefractionTable();
    grid_.heightFactor = 1.0f + 0.02f * float(waveHeight.Value());
    grid_.dropStrength = 0.1f + 0.007f * float(dropSize.Value());
    grid_.damping = DampingForLevel(dampingLevel.Value());
    grid_.textureFactor = 0.01f * float(refractionShift.Value());
    ResizeGrid(false);
    SetMaterial();
}

void QV_WaterRingLight::RestoreLayerDeviceObjects() {
    IDirect3DDevice9* d = CurrentDevice;
    D3DLIGHT9 light = {};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = lightDiffuse_;
    light.Specular = {1.0f, 1.0f, 1.0f, 0.0f};
    light.Direction = lightDirection_;
    d->SetLight(0, &light);
    d->LightEnable(0, TRUE);
    SetMaterial();
    d->SetFVF(D3DFVF_XYZ);
    d->SetTransform(D3DTS_VIEW, &viewMatrix_);
    d->SetTransform(D3DTS_WORLD, &worldMatrix_);
    for (DWORD stage : {0u, 1u}) ApplyTextureStage(stage, kStageOff);
    ResizeGrid(true);
    Resize(lastWidth_, lastHeight_);
}

void QV_WaterRingLight::InvalidateDeviceObjects() {
    QV_2D_Light::InvalidateDeviceObjects();
    // Under Wine 8 a light still enabled at a device reset stays counted as active: from the
    // eighth reset on, the surface's light no longer lit anything although enabling it succeeded.
    if (CurrentDevice) CurrentDevice->LightEnable(0, FALSE);
    grid_.ReleaseBuffers();
}
