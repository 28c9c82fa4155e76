#include "brushes/QV_GlassBallLight.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "base/CurrentDevice.h"
#include "brushes/GlassBallTextures.h"
#include "brushes/TextureStageSetup.h"
#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "player/ColouredQuads.h"
#include "player/PictureView.h"
#include "base/RenderTargetPair.h"
#include "player/StateList.h"

namespace {

constexpr float kQuarterPi = 0.785398163f;
constexpr D3DCOLOR kBarColour = 0xFF000000;

// The bump map perturbs the next stage's coordinates; the alpha passes through.
constexpr TextureStageSetup kBumpStage{D3DTOP_BUMPENVMAP, D3DTA_TEXTURE, D3DTA_CURRENT, D3DTOP_SELECTARG1,
                                       D3DTA_CURRENT};
// The texture's colour over the alpha of the stage before (the mask's, in the mask pass).
constexpr TextureStageSetup kTextureOverAlpha{D3DTOP_SELECTARG1, D3DTA_TEXTURE, D3DTA_CURRENT, D3DTOP_SELECTARG1,
                                              D3DTA_CURRENT};
// A picture with its own alpha: the overlays, the stand and the mask.
constexpr TextureStageSetup kPictureStage{D3DTOP_MODULATE, D3DTA_TEXTURE, D3DTA_CURRENT, D3DTOP_SELECTARG1,
                                          D3DTA_TEXTURE};

void SetStageFloat(DWORD stage, D3DTEXTURESTAGESTATETYPE state, float value) {
    DWORD bits;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    ApplyStates({StageState(stage, state, bits)});
}

constexpr DeviceState kBallSamplers[] = {
    SamplerState(1, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP),  SamplerState(1, D3DSAMP_ADDRESSV, D3DTADDRESS_WRAP),
    SamplerState(1, D3DSAMP_MINFILTER, D3DTEXF_LINEAR),   SamplerState(1, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR),
    SamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR),   SamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR),
    SamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR),
};
// The slide's second coordinates from the camera-space position, through texture transform 1.
constexpr DeviceState kProjectedSecondStage[] = {
    StageState(1, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_COUNT2),
    StageState(1, D3DTSS_TEXCOORDINDEX, D3DTSS_TCI_CAMERASPACEPOSITION | 1),
};
// The layer's own second coordinates again, unblended.
constexpr DeviceState kAfterBall[] = {
    StageState(1, D3DTSS_TEXCOORDINDEX, 1),
    StageState(1, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_DISABLE),
    RenderState(D3DRS_ALPHABLENDENABLE, FALSE),
};
constexpr DeviceState kBlendingOff[] = {RenderState(D3DRS_ALPHABLENDENABLE, FALSE)};
constexpr DeviceState kAlphaBlending[] = {
    RenderState(D3DRS_ALPHABLENDENABLE, TRUE),
    RenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
    RenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA),
};

// The sampler and bump-matrix states of the ball's passes.
void ApplyBallSamplerStates() {
    ApplyStates(kBallSamplers);
    SetStageFloat(0, D3DTSS_BUMPENVMAT00, 0.2f);
    SetStageFloat(0, D3DTSS_BUMPENVMAT01, 0.0f);
    SetStageFloat(0, D3DTSS_BUMPENVMAT10, 0.0f);
    SetStageFloat(0, D3DTSS_BUMPENVMAT11, 0.25f);
    SetStageFloat(0, D3DTSS_BUMPENVLSCALE, 1.0f);
    SetStageFloat(0, D3DTSS_BUMPENVLOFFSET, 0.0f);
}

void DrawScreenQuad(const TexturedQuad<ScreenTexVertex>& quad) {
    if (!quad.vertexBuffer) return;
    CurrentDevice->SetTexture(0, quad.texture.Get());
    quad.SetStream();
    CurrentDevice->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
}

// The current frame of a link's pictures, with the set's size.
TextureEntry CurrentFrameEntry(const QV_ImageFileLink& link) {
    TextureEntry entry;
    if (!CurrentDocResManager) return entry;
    const TextureSet& set = CurrentDocResManager->GetTextures(link.Value());
    entry.texture = set.CurrentFrame();
    entry.width = set.width;
    entry.height = set.height;
    entry.ratio = set.ratio;
    return entry;
}

float Aspect(uint32_t width, uint32_t height) { return width && height ? float(width) / float(height) : 1.0f; }

// span over span plus both margins; a backdrop without width is seen whole.
float VisibleFraction(float span, float start) {
    const float whole = span + 2.0f * (std::trunc(start) + 1.0f);
    return span > 0.0f && whole > 0.0f ? span / whole : 1.0f;
}

// Camera-space x and y projected onto the plane at depth planeDepth and shifted by (tx, ty):
// the picture behind the ball, enlarged by the depth factor and moved by the pan.
D3DXMATRIX ProjectedMapping(float tx, float ty, float planeDepth, float aspect) {
    D3DXMATRIX projection, m;
    D3DXMatrixPerspectiveFovLH(&projection, kQuarterPi, aspect, 1.0f, 3000.0f);
    const float q = projection._33 * planeDepth + projection._34;
    D3DXMatrixIdentity(&m);
    m._41 = (tx - std::floor(tx)) + 0.5f;
    m._42 = ty + 0.5f;
    m._11 = 0.5f * projection._11 / q;
    m._22 = -0.5f * projection._22 / q;
    return m;
}

HRESULT FillSquare(QV_SimpleMesh<BallVertex>& square, const float corners[4][4]) {
    HRESULT hr = square.CreateVertexBuffer(4);
    if (FAILED(hr)) return hr;
    BallVertex* v = square.Lock();
    if (!v) {
        square.vertexBuffer.Reset();
        return E_FAIL;
    }
    for (int i = 0; i < 4; ++i) v[i] = {corners[i][0], corners[i][1], 0.0f, corners[i][2], corners[i][3], 0.0f, 0.0f};
    square.Unlock();
    square.primitiveCount = 2;
    return S_OK;
}

}  // namespace

QV_GlassBallLight::QV_GlassBallLight()
    : overlayImage1(builtin::Link(builtin::kGlassHighlight)),
      overlayImage2(builtin::Link(builtin::kGlassRim)),
      standImage(builtin::Link(builtin::kGlassStand)),
      backgroundImage(builtin::Link(builtin::kDefaultPicture)),
      ballSize(100),
      showOverlay1(1),
      showOverlay2(1),
      scrollMode(kPan) {
    scrollSpeed.SetScale(0.02f);
    scrollSpeed.SetOffset(1.0f);
    scrollSpeed.OnParamChanged(nullptr);
}

void QV_GlassBallLight::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_GlassBallLight::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_GlassBallLight::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_GlassBallLight", 1)); }

void QV_GlassBallLight::Fields(FieldArchive ar) {
    for (QV_ImageFileLink* link : {&overlayImage1, &overlayImage2, &standImage, &backgroundImage}) link->Fields(ar);
    ar.Notified(scrollSpeed);
    ar.Param(ballPosition);
    ar.Param(ballSize);
    ar.Param(distortionAmount);
    for (MediaParamT<int>* flag : {&showOverlay1, &showOverlay2, &showStand, &showBackgroundImage, &scrollMode})
        ar.Param(*flag);
    ar.Param(gradientTop);
    ar.Param(gradientBottom);
    QV_2D_Light::TaggedFields(ar);
}

int QV_GlassBallLight::BackdropTypeFor(int viewType) const {
    return showBackgroundImage.Value() == 1 ? viewType : PictureView::kFill;
}

D3DXVECTOR2 QV_GlassBallLight::DrawingSize() const {
    D3DXVECTOR2 size{static_cast<float>(Width()), static_cast<float>(Height())};
    if (!useLayerSize_) {
        const D3DSURFACE_DESC backBuffer = GetBackBufferDesc();
        size = D3DXVECTOR2(float(backBuffer.Width), float(backBuffer.Height));
    }
    if (size.x <= 0.0f) size.x = 1.0f;
    if (size.y <= 0.0f) size.y = 1.0f;
    return size;
}

float QV_GlassBallLight::LayerAspect() const { return Aspect(uint32_t(std::max(Width(), 0)), uint32_t(std::max(Height(), 0))); }

void QV_GlassBallLight::UpdateRefraction() {
    refraction_ = ComputeBallRefraction(ballSize.Value(), distortionAmount.Value(), scaleX_, visibleFractionY_);
}

void QV_GlassBallLight::FrameMove(float t) {
    camera.FrameMove(t);
    Resize(Width(), Height());
    const int mode = scrollMode.Value();
    if (mode == kStill) {
        pingPong_ = 0.0f;
        return;
    }
    ScrollClock& clock = SharedScrollClock();
    clock.Advance(t, scrollSpeed.Result());
    if (mode == kScrollLeft || mode == kScrollRight) {
        pingPong_ = 0.0f;
        PlaceScrollQuads(clock.Position() * (mode == kScrollLeft ? -0.5f : 0.5f));
    } else if (mode == kPan) {
        pingPong_ = PanWave(clock.Position());
    }
}

// Two copies of the slide side by side, moved right by the fraction f of the screen width.
void QV_GlassBallLight::PlaceScrollQuads(float position) {
    const D3DSURFACE_DESC backBuffer = GetBackBufferDesc();
    const float w = float(backBuffer.Width), h = float(backBuffer.Height);
    const float f = position - std::floor(position);
    scrollQuadA_.SetCornersAndUV(ScreenQuad::FromRect(w * f, 0.0f, w, h));
    scrollQuadB_.SetCornersAndUV(ScreenQuad::FromRect(-w * (1.0f - f), 0.0f, w, h));
}

void QV_GlassBallLight::Resize(int width, int height) {
    QV_2D_Light::Resize(width, height);
    const float a = float(width), b = float(height);
    PictureView& view = GetPictureView();
    view.Setup(backgroundEntry_, a, b, backdropFitType_, false);
    UpdateRefraction();
    ScreenQuad q = ScreenQuad::FitImage(backgroundEntry_, a, b);
    if (!useLayerSize_) q = ScreenQuad::ScaleToBackBuffer(q, a, b);
    FitBackdrop(q);
    UpdateRefraction();
    view.Setup(backgroundEntry_, a, b, PictureView::kFit, false);
}

void QV_GlassBallLight::FitBackdrop(const ScreenQuad& q) {
    const D3DXMATRIX m = GetPictureView().CameraZoomMatrix();
    scaleX_ = m._11;
    scaleY_ = m._22;
    const float spanX = q.Right() - q.Left(), spanY = q.Bottom() - q.Top();
    const float pictureW = float(backgroundEntry_.width), pictureH = float(backgroundEntry_.height);
    offsetX_ = pictureW > 0.0f ? (m._41 / m._11) * scaleX_ * spanX / pictureW : 0.0f;
    offsetY_ = pictureH > 0.0f ? (m._42 / m._22) * scaleY_ * spanY / pictureH : 0.0f;
    const float x0 = q.corners[ScreenQuad::kBottomLeft].x, y1 = q.corners[ScreenQuad::kTopLeft].y;
    ScreenQuad moved = q;
    for (ScreenQuad::Corner& corner : moved.corners) {
        corner.x = x0 + scaleX_ * (corner.x - x0) + offsetX_;
        corner.y = y1 + scaleY_ * (corner.y - y1) + offsetY_;
    }
    backgroundQuad_.SetCornersAndUV(moved);
    const float left = scaleX_ * q.Left(), top = scaleY_ * q.Top();
    const float scaledX = scaleX_ * q.Right() - left, scaledY = scaleY_ * q.Bottom() - top;
    visibleFractionX_ = VisibleFraction(scaledX, left);
    visibleFractionY_ = VisibleFraction(scaledY, top);
    PlaceBars(q, scaledX, scaledY);
}

// The bars frame the rectangle the backdrop picture takes under the view's zoom.
void QV_GlassBallLight::PlaceBars(const ScreenQuad& q, float spanX, float spanY) {
    const PictureView& view = GetPictureView();
    const float zx = 1.0f / view.InverseZoomX(), zy = 1.0f / view.InverseZoomY();
    const float pictureW = float(backgroundEntry_.width), pictureH = float(backgroundEntry_.height);
    const float bx = pictureW > 0.0f ? (view.ZoomOffsetX() / zx) * spanX / pictureW : 0.0f;
    const float by = pictureH > 0.0f ? (view.ZoomOffsetY() / zy) * spanY / pictureH : 0.0f;
    const float x0 = q.corners[ScreenQuad::kBottomLeft].x, y1 = q.corners[ScreenQuad::kTopLeft].y;
    const float left = x0 + bx, right = x0 + (q.Right() - x0) / zx + bx;
    const float top = y1 + by, bottom = y1 + (q.Bottom() - y1) / zy + by;
    const float sideWidth = std::trunc(left) + 1.0f, sideHeight = std::trunc(bottom - top);
    const float endWidth = std::trunc(right - left), endHeight = std::trunc(top) + 1.0f;
    const ScreenQuad bars[4] = {
        ScreenQuad::FromRect(0.0f, 0.0f, sideWidth, sideHeight),
        ScreenQuad::FromRect(right, 0.0f, sideWidth, sideHeight),
        ScreenQuad::FromRect(0.0f, 0.0f, endWidth, endHeight),
        ScreenQuad::FromRect(0.0f, bottom, endWidth, endHeight),
    };
    for (int i = 0; i < 4; ++i) SetScreenQuadCorners(bars_[i], bars[i]);
}

void QV_GlassBallLight::SetFitMode(int viewType) {
    backdropFitType_ = BackdropTypeFor(viewType);
    Resize(Width(), Height());
}

void QV_GlassBallLight::PushTarget(RenderTargetPair& target, int viewType) {
    savedFitType_ = backdropFitType_;
    useLayerSize_ = true;
    savedWidth_ = Width();
    savedHeight_ = Height();
    if (viewType != PictureView::kTargetPass) {
        backdropFitType_ = BackdropTypeFor(viewType);
        Resize(Width(), Height());
        Resize(int(target.Width()), int(target.Height()));
    }
    QV_2D_Light::PushTarget(target, viewType);
}

void QV_GlassBallLight::PopTarget() {
    useLayerSize_ = false;
    Resize(savedWidth_, savedHeight_);
    backdropFitType_ = BackdropTypeFor(savedFitType_);
    Resize(Width(), Height());
    QV_2D_Light::PopTarget();
}

D3DXVECTOR2 QV_GlassBallLight::BallShift() const {
    const D3DXVECTOR2 size = DrawingSize();
    const POINT position = ballPosition.Value();
    const float eye = refraction_.eyeDistance;
    const float px = ((float(position.x) + 250.0f) * scaleX_ - 250.0f) + (offsetX_ * 500.0f / size.x) / visibleFractionX_;
    const float py = ((float(position.y) + 250.0f) * scaleY_ - 250.0f) + (offsetY_ * 500.0f / size.y) / visibleFractionY_;
    D3DXVECTOR2 shift(-(eye / 600.0f) * px, py * eye / 600.0f);
    if (showBackgroundImage.Value() == 1) {
        shift.y = visibleFractionY_ * shift.y;
        shift.x = LayerAspect() * shift.x * visibleFractionX_;
    }
    return shift;
}

QV_GlassBallLight::BallCamera QV_GlassBallLight::CameraFor(bool refraction) {
    const D3DXVECTOR2 size = DrawingSize(), shift = BallShift();
    const float eye = refraction_.eyeDistance;
    const float pictureAspect = Aspect(GetPictureWidth(), GetPictureHeight());
    float tx = 0.0f, ty = 0.0f, depth = visibleFractionY_, mappedAspect = pictureAspect;
    if (refraction) {
        const float k = RefractionShiftFactor(distortionAmount.Value());
        tx = refraction_.panAmplitude * pingPong_ - k * (shift.x / size.x) / pictureAspect;
        ty = k * shift.y / size.y;
        depth = refraction_.refractionZoom;
    } else if (showBackgroundImage.Value() != 0) {
        mappedAspect = Aspect(backgroundEntry_.width, backgroundEntry_.height);
    }
    BallCamera camera;
    D3DXMatrixTranslation(&camera.world, shift.x, shift.y, 0.0f);
    const D3DXVECTOR3 from(0.0f, 0.0f, eye), at(0.0f, 0.0f, 0.0f), up(0.0f, 1.0f, 0.0f);
    D3DXMatrixLookAtLH(&camera.view, &from, &at, &up);
    D3DXMatrixPerspectiveFovLH(&camera.projection, kQuarterPi, LayerAspect(), 1.0f, 3000.0f);
    camera.texture = ProjectedMapping(tx, ty, std::fabs(eye) * depth, mappedAspect);
    return camera;
}

D3DXMATRIX QV_GlassBallLight::BackdropMapping(const D3DXMATRIX& overlay) const {
    const D3DXVECTOR2 size = DrawingSize();
    D3DXMATRIX m = overlay;
    m._11 /= scaleX_;
    m._22 /= scaleY_;
    m._41 = (m._41 - (offsetX_ / size.x) / visibleFractionX_) / scaleX_;
    m._42 = (m._42 - (offsetY_ / size.y) / visibleFractionY_) / scaleY_;
    return m;
}

D3DXMATRIX QV_GlassBallLight::SetupBallCamera(bool refraction) {
    IDirect3DDevice9* d = CurrentDevice;
    const BallCamera camera = CameraFor(refraction);
    d->SetTransform(D3DTS_WORLD, &camera.world);
    d->SetTransform(D3DTS_VIEW, &camera.view);
    d->SetTransform(D3DTS_PROJECTION, &camera.projection);
    d->SetTransform(D3DTS_TEXTURE1, &camera.texture);
    ApplyStates(kProjectedSecondStage);
    return camera.texture;
}

void QV_GlassBallLight::DrawBall(const QV_SimpleMesh<BallVertex>& square) {
    if (!square.vertexBuffer) return;
    square.SetStream();
    CurrentDevice->DrawPrimitive(square.primitiveType, 0, square.primitiveCount);
}

void QV_GlassBallLight::DrawBackground(bool) {
    if (!TargetsActive()) ShowSlideFlat();
    QV_2D_Light::DrawBackground(false);
}

void QV_GlassBallLight::ShowSlideFlat() {
    GetPictureView().Setup(GetPictureQuad().picture, float(Width()), float(Height()), FitMode(), false);
    QV_2D_Light::Resize(Width(), Height());
}

void QV_GlassBallLight::EndRender(bool nested) {
    if (!TargetsActive()) {
        QV_2D_Light::EndRender(nested);
        return;
    }
    IDirect3DDevice9* d = CurrentDevice;
    ApplyStates(kBlendingOff);
    ApplyTextureStage(0, kTextureAlone);
    ApplyTextureStage(1, kStageOff);
    const int mode = scrollMode.Value();
    if (mode == kScrollLeft || mode == kScrollRight) {
        const ComHolder<IDirect3DTexture9> slide = GetTargetTexture();
        scrollQuadA_.texture = slide;
        scrollQuadB_.texture = slide;
        DrawScreenQuad(scrollQuadA_);
        DrawScreenQuad(scrollQuadB_);
    }
    const ComHolder<IDirect3DTexture9> slide = BeginTargetPass(false).Current();
    DrawScreenQuad(backgroundQuad_);
    ApplyBallSamplerStates();
    DrawRefraction(slide.Get());
    DrawOverlaysAndMask();
    // Back to the layer's resting state: the texture alone, no second stage.
    d->SetTexture(0, nullptr);
    d->SetTexture(1, nullptr);
    ApplyTextureStage(0, kTextureAlone);
    ApplyTextureStage(1, kStageOff);
    ApplyStates(kAfterBall);
    if (showBackgroundImage.Value() == 1 && backdropFitType_ == PictureView::kFit)
        for (QV_SimpleMesh<ScreenColourVertex>& bar : bars_)
            if (bar.vertexBuffer) DrawOverlay(&bar);
}

void QV_GlassBallLight::DrawRefraction(IDirect3DTexture9* slide) {
    IDirect3DDevice9* d = CurrentDevice;
    SetupBallCamera(true);
    d->SetTexture(0, bumpTexture_.Get());
    d->SetTexture(1, slide);
    ApplyTextureStage(0, kBumpStage);
    ApplyTextureStage(1, kTextureOverAlpha);
    DrawBall(ballBuffer_);
}

// The overlays and the stand show their own pictures, so stage 1 is off for them; the mask
// pass maps the backdrop onto stage 1 where the mask is opaque.
void QV_GlassBallLight::DrawOverlaysAndMask() {
    IDirect3DDevice9* d = CurrentDevice;
    const D3DXMATRIX overlay = SetupBallCamera(false);
    ApplyStates(kAlphaBlending);
    ApplyTextureStage(0, kPictureStage);
    ApplyTextureStage(1, kStageOff);
    d->SetTexture(1, nullptr);
    const std::pair<const MediaParamT<int>*, IDirect3DTexture9*> overlays[2] = {
        {&showOverlay1, overlay1Texture_.Get()}, {&showOverlay2, overlay2Texture_.Get()}};
    for (const auto& [shown, texture] : overlays) {
        if (shown->Value() == 0) continue;
        d->SetTexture(0, texture);
        DrawBall(ballBuffer_);
    }

    const D3DXMATRIX backdrop = BackdropMapping(overlay);
    d->SetTransform(D3DTS_TEXTURE1, &backdrop);
    d->SetTexture(0, maskTexture_.Get());
    d->SetTexture(1, backgroundQuad_.texture.Get());
    ApplyTextureStage(1, kTextureOverAlpha);
    DrawBall(ballBuffer_);
    d->SetTexture(1, nullptr);
    ApplyTextureStage(1, kStageOff);

    if (showStand.Value() != 0) {
        d->SetTexture(0, standTexture_.Get());
        DrawBall(standBuffer_);
    }
}

HRESULT QV_GlassBallLight::BuildBallBuffers() {
    // Strip order; y up in the ball scene, the pictures' top at the top.
    const float ball[4][4] = {{-256, -256, 0, 1}, {-256, 256, 0, 0}, {256, -256, 1, 1}, {256, 256, 1, 0}};
    const float stand[4][4] = {{-230.4f, -372.19293f, 0, 1},
                               {-230.4f, -185.61412f, 0, 0},
                               {232.9f, -372.19293f, 1, 1},
                               {232.9f, -185.61412f, 1, 0}};
    HRESULT hr = FillSquare(ballBuffer_, ball);
    if (FAILED(hr)) return hr;
    const ScreenQuad screen = ScreenQuad::FitBackBuffer();
    for (QV_SimpleMesh<ScreenColourVertex>& bar : bars_) BuildColouredScreenQuad(bar, kBarColour, screen);
    return FillSquare(standBuffer_, stand);
}

void QV_GlassBallLight::CreateDeviceObjects() {
    QV_2D_Light::CreateDeviceObjects();
    overlay1Texture_ = CurrentFrameEntry(overlayImage1).texture;
    overlay2Texture_ = CurrentFrameEntry(overlayImage2).texture;
    standTexture_ = CurrentFrameEntry(standImage).texture;
    CreateBumpTexture(bumpTexture_);
    CreateGradientTexture(uint32_t(gradientTop.Value()), uint32_t(gradientBottom.Value()), gradientTexture_);
    CreateMaskTexture(maskTexture_);
    const ScreenQuad screen = ScreenQuad::FitBackBuffer();
    backgroundQuad_.BuildWithTexture(gradientTexture_, screen);
    scrollQuadA_.BuildWithTexture({}, screen);
    scrollQuadB_.BuildWithTexture({}, screen);
    if (FAILED(BuildBallBuffers())) return;
    ChooseBackground();
    LoadBackgroundImage();
}

void QV_GlassBallLight::ChooseBackground() {
    const bool picture = showBackgroundImage.Value() == 1;
    backgroundQuad_.texture = picture ? backgroundEntry_.texture : gradientTexture_;
    backdropFitType_ = picture ? PictureView::kFit : PictureView::kFill;
    Resize(Width(), Height());
    Resize(Width(), Height());
}

void QV_GlassBallLight::LoadBackgroundImage() {
    // Behind the gradient the picture only places the backdrop: its size is enough.
    if (showBackgroundImage.Value() != 1) {
        backgroundEntry_ = CurrentDocResManager ? CurrentDocResManager->GetPictureSize(backgroundImage.Value())
                                                : TextureEntry();
        return;
    }
    backgroundEntry_ = CurrentFrameEntry(backgroundImage);
    backgroundQuad_.texture = backgroundEntry_.texture;
    Resize(Width(), Height());
}

void QV_GlassBallLight::RestoreLayerDeviceObjects() { ApplyBallSamplerStates(); }

void QV_GlassBallLight::InvalidateDeviceObjects() {
    QV_2D_Light::InvalidateDeviceObjects();
    // They hold the render target of the last scrolling frame.
    scrollQuadA_.texture.Reset();
    scrollQuadB_.texture.Reset();
}
