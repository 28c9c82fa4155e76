#include "brushes/QV_MatrixCodeLight.h"

#include <algorithm>
#include <climits>

#include "base/CurrentDevice.h"
#include "brushes/TextureStageSetup.h"
#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"
#include "document/PictureLayout.h"
#include "player/PictureView.h"
#include "base/RenderTargetPair.h"
#include "player/StateList.h"

namespace {

int32_t Bounded(unsigned value, int32_t low, int32_t high) {
    return int32_t(std::clamp<int64_t>(int64_t(value), low, high));
}

D3DCOLOR ArgbFromColorref(unsigned long colour, float opacity) {
    const unsigned alpha = unsigned(std::clamp(opacity, 0.0f, 1.0f) * 255.0f);
    return D3DCOLOR_ARGB(alpha, colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

float Ratio(float numerator, float denominator) { return denominator != 0.0f ? numerator / denominator : 0.0f; }

}  // namespace

int32_t GlyphCountFor(uint32_t width, uint32_t height) {
    if (width == 0) return 1;
    return int32_t(std::min<uint32_t>(height / width + 2, GlyphGrid::kGlyphMask));
}

namespace {

// The glyphs' alpha times the vertex alpha, as blended quads leave it for the next frame.
constexpr DeviceState kGlyphAlpha[] = {StageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE)};
constexpr DeviceState kGlyphBlending[] = {
    RenderState(D3DRS_ALPHABLENDENABLE, TRUE),
    RenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
    RenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA),
};
constexpr DeviceState kBlendingOff[] = {RenderState(D3DRS_ALPHABLENDENABLE, FALSE)};

}  // namespace

QV_MatrixCodeLight::QV_MatrixCodeLight()
    : cellSize(16), density(20), flickerCount(50), rainMode(2), glyphLink(builtin::Link(builtin::kGlyphStrip)) {
    trailColour.SetSilently(0);
    headColour.SetSilently(0);
    fade.SetScale(-0.01f);
    fade.SetOffset(1.0f);
    fade.OnParamChanged(nullptr);
    drawStates_.blendedQuad.after = kGlyphAlpha;
}

void QV_MatrixCodeLight::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_MatrixCodeLight::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_MatrixCodeLight::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_MatrixCodeLight", 2)); }

void QV_MatrixCodeLight::Fields(FieldArchive ar) {
    for (MediaParamT<unsigned int>* value : {&cellSize, &density, &flickerCount}) ar.Param(*value);
    for (MediaParamT<int>* value : {&sparkle, &backgroundMode, &rainMode}) ar.Param(*value);
    ar.Param(trailColour);
    ar.Param(headColour);
    ar.Notified(fade);
    if (ar.Version() >= 2) glyphLink.Fields(ar);
    QV_2D_Light::TaggedFields(ar);
}

void QV_MatrixCodeLight::SetFitMode(int viewType) {
    QV_2D_Light::SetFitMode(viewType);
    RebuildGrid();
    ReserveSprites();
}

void QV_MatrixCodeLight::Reload() {
    GetPictureQuad().Load(pictureLink.Value());
    QV_2D_Light::Resize(Width(), Height());
    BuildLuminanceTable();
    RebuildGrid();
    ReserveSprites();
}

void QV_MatrixCodeLight::PushTarget(RenderTargetPair& target, int viewType) {
    QV_2D_Light::PushTarget(target, viewType);
    const D3DSURFACE_DESC backBuffer = GetBackBufferDesc();
    targetScaleX_ = backBuffer.Width ? float(target.Width()) / float(backBuffer.Width) : 1.0f;
    targetScaleY_ = backBuffer.Height ? float(target.Height()) / float(backBuffer.Height) : 1.0f;
}

void QV_MatrixCodeLight::PopTarget() {
    QV_2D_Light::PopTarget();
    targetScaleX_ = targetScaleY_ = 1.0f;
}

void QV_MatrixCodeLight::UpdateGlyphs(float t) {
    camera.FrameMove(t);
    if (!grid_) return;
    const PictureLayout& layout = CurrentPictureLayout();
    const ScreenQuad& fitted = layout.fittedQuad;
    const float kx = Ratio(fitted.Right() - fitted.Left(), float(layout.pictureWidth)) / 2.0f;
    const float ky = Ratio(fitted.Bottom() - fitted.Top(), float(layout.pictureHeight)) / 2.0f;
    const float cell = float(GlyphGrid::CellSizeFor(params_.cellSize, GetPictureWidth(), GetPictureHeight()));
    GlyphSprite sprite;
    sprite.left = fitted.Left();
    sprite.top = fitted.Top();
    sprite.halfX = cell * kx * targetScaleX_;
    sprite.halfY = cell * ky * targetScaleY_;

    const UINT capacity = sprites_.QuadCount();
    const bool full = cursor_.count >= int32_t(capacity);
    cursor_ = GlyphCursor{grid_.get(), 0, 0, cursor_.count, 0};
    grid_->Step(full);
    grid_->Spawn();

    // Where the camera and the picture position move and scale the picture.
    const PictureView& view = GetPictureView();
    float sx, sy, ox, oy;
    if (view.ViewType() == PictureView::kTargetPass) {
        sx = 1.0f / view.InverseZoomX(), sy = 1.0f / view.InverseZoomY();
        ox = view.ZoomOffsetX(), oy = view.ZoomOffsetY();
    } else {
        const D3DXMATRIX m = view.CameraZoomMatrix();
        sx = m._11, sy = m._22, ox = m._41 / sx, oy = m._42 / sy;
    }
    const float dx = 2.0f * ox * kx * sx, dy = 2.0f * oy * ky * sy;
    sprites_.LockAll();
    for (UINT i = 0; i < capacity; ++i) {
        grid_->NextSprite(cursor_, sprite);
        const D3DXVECTOR3 centre((sprite.centre.x - sprite.left) * sx + sprite.left + dx,
                                 (sprite.centre.y - sprite.top) * sy + sprite.top + dy, 0.0f);
        sprites_.SetQuad(i, centre, D3DXVECTOR3(sprite.halfX * sx, 0.0f, 0.0f),
                         D3DXVECTOR3(0.0f, sprite.halfY * sy, 0.0f));
        sprites_.SetQuadUV(i, 0.0f, 1.0f, sprite.v0, sprite.v1);
        sprites_.SetQuadColour(i, SpriteColour(sprite));
    }
    sprites_.UnlockAll();
}

D3DCOLOR QV_MatrixCodeLight::SpriteColour(const GlyphSprite& sprite) const {
    const float fadeOpacity = fade.Result();
    float opacity = sprite.colourClass == 0 ? fadeOpacity * 0.5f : fadeOpacity;
    if (backgroundMode.Value() == kLuminance && sprite.colourClass != 2 && !luminance_.empty() && grid_) {
        const int32_t row = sprite.row * kLuminanceSide / grid_->Rows();
        const int32_t column = sprite.column * kLuminanceSide / grid_->Columns();
        opacity = luminance_[size_t(row) * kLuminanceSide + size_t(column)] * fadeOpacity;
    }
    const unsigned long colour = sprite.colourClass == 2 ? headColour.Value() : trailColour.Value();
    return ArgbFromColorref(colour, opacity) & sprite.mask;
}

void QV_MatrixCodeLight::DrawBackground(bool nested) {
    UpdateGlyphs(frameTime_);
    IDirect3DDevice9* d = CurrentDevice;
    if (backgroundMode.Value() == kPicture)
        QV_2D_Light::DrawBackground(nested);
    else if (backgroundMode.Value() == kLuminance)
        d->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00000000, 1.0f, 0);
    // Without a glyph picture there is nothing to cut glyphs from.
    if (!glyphTexture_) return;
    ApplyStates(kGlyphBlending);
    ApplyTextureStage(0, kTextureTimesDiffuse);
    sprites_.Draw();
    ApplyStates(kBlendingOff);
}

void QV_MatrixCodeLight::RebuildGrid() {
    grid_ = GlyphGrid::Create(params_, int32_t(GetPictureWidth()), int32_t(GetPictureHeight()));
    cursor_ = GlyphCursor{grid_.get()};
}

void QV_MatrixCodeLight::ReserveSprites() {
    sprites_.Resize(UINT(GlyphGrid::CellCountFor(params_.cellSize, GetPictureWidth(), GetPictureHeight())));
}

void QV_MatrixCodeLight::BuildLuminanceTable() {
    if (backgroundMode.Value() == kPicture) {
        luminance_ = {};
        return;
    }
    if (backgroundMode.Value() != kLuminance) return;
    luminance_.clear();
    // A 32-bit copy: the 24-bit format devices often lack would not be read as 4 bytes a pixel.
    ComHolder<IDirect3DTexture9> copy;
    CopyTexture(GetPictureQuad().picture.texture, kLuminanceSide, kLuminanceSide, D3DFMT_A8R8G8B8, copy);
    D3DSURFACE_DESC desc;
    if (!copy || FAILED(copy->GetLevelDesc(0, &desc)) || desc.Width < kLuminanceSide ||
        desc.Height < kLuminanceSide || (desc.Format != D3DFMT_A8R8G8B8 && desc.Format != D3DFMT_X8R8G8B8))
        return;
    D3DLOCKED_RECT locked;
    if (FAILED(copy->LockRect(0, &locked, nullptr, D3DLOCK_READONLY))) return;
    luminance_.resize(size_t(kLuminanceSide) * kLuminanceSide);
    for (int row = 0; row < kLuminanceSide; ++row) {
        const BYTE* pixel = static_cast<const BYTE*>(locked.pBits) + size_t(row) * locked.Pitch;
        for (int column = 0; column < kLuminanceSide; ++column, pixel += 4)
            luminance_[size_t(row) * kLuminanceSide + size_t(column)] =
                0.299f * pixel[2] / 255.0f + 0.587f * pixel[1] / 255.0f + 0.114f * pixel[0] / 255.0f;
    }
    copy->UnlockRect(0);
}

void QV_MatrixCodeLight::CreateDeviceObjects() {
    QV_2D_Light::CreateDeviceObjects();
    QV_2D_Light::Resize(1, 1);
    const TextureEntry glyphs =
        CurrentDocResManager ? TextureEntry::FromTextureSet(CurrentDocResManager->GetTextures(glyphLink.Value()))
                             : TextureEntry();
    glyphTexture_ = glyphs.texture;
    params_.glyphCount = GlyphCountFor(glyphs.width, glyphs.height);
    sprites_.SetTexture(glyphTexture_);
    // Each setting rebuilds the grid, as each change of a setting does; every rebuild's
    // flicker draws belong to the shared random sequence.
    params_.cellSize = Bounded(cellSize.Value(), 1, INT32_MAX);
    RebuildGrid();
    params_.density = Bounded(density.Value(), 1, 100);
    RebuildGrid();
    params_.flickerCount = Bounded(flickerCount.Value(), 0, GlyphGrid::kMaxCells + 1);
    RebuildGrid();
    params_.sparkle = sparkle.Value();
    RebuildGrid();
    params_.rainMode = rainMode.Value();
    RebuildGrid();
    ReserveSprites();
    BuildLuminanceTable();
}

void QV_MatrixCodeLight::RestoreLayerDeviceObjects() { ApplyTextureStage(0, kTextureTimesDiffuse); }
