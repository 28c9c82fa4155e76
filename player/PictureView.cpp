#include "player/PictureView.h"

#include <algorithm>

#include "base/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "base/RenderTargetPair.h"

PictureView& GetPictureView() {
    static PictureView view = [] {
        PictureView v;
        v.InitDefaultView();
        return v;
    }();
    return view;
}

void PictureView::InitDefaultView() {
    for (D3DXMATRIX* m : {&fit_, &zoom_, &world_, &projection_, &camera_, &secondCamera_}) D3DXMatrixIdentity(m);
    const D3DXVECTOR3 eye(0, 0, -1), at(0, 0, 0), up(0, 1, 0);
    D3DXMatrixLookAtLH(&view_, &eye, &at, &up);
    viewType_ = kFit;
    areaToFitX_ = areaToFitY_ = pictureRatio_ = 1;
    inverseZoomX_ = inverseZoomY_ = 1;
    zoomOffsetX_ = zoomOffsetY_ = 0;
}

void PictureView::Setup(const TextureEntry& picture, float a, float b, int type, bool nested) {
    viewType_ = type;
    width_ = picture.width;
    height_ = picture.height;
    const float W = float(width_), H = float(height_);

    ScreenQuad q = ScreenQuad::FitImage(picture, a, b);
    fitted_ = {LONG(q.Left()), LONG(q.Top()), LONG(q.Right()), LONG(q.Bottom())};
    const float fittedWidth = q.Right() - q.Left();
    pictureRatio_ = fittedWidth == a ? W / a : H / b;
    // A picture without a size maps one to one rather than through an infinite scale.
    if (!(pictureRatio_ > 0.0f)) pictureRatio_ = 1.0f;
    // Unless nested, the quad is brought to back-buffer pixels, and a and b become its size.
    const D3DSURFACE_DESC backBuffer = nested ? D3DSURFACE_DESC() : GetBackBufferDesc();
    float toAreaX = 1, toAreaY = 1;
    if (!nested && a > 0 && b > 0) {
        q = ScreenQuad::Scaled(q, float(backBuffer.Width) / a, float(backBuffer.Height) / b);
        if (backBuffer.Width && backBuffer.Height) {
            toAreaX = float(backBuffer.Width) / a;
            toAreaY = float(backBuffer.Height) / b;
        }
    }

    const float D = 3.0f * std::max(W, H);
    const float corners[4][12] = {
        {-D, H, 0, -D, 0, 0, 0, H, 0, 0, 0, 0},
        {W, H, 0, W, 0, 0, W + D, H, 0, W + D, 0, 0},
        {-D, 0, 0, -D, -D, 0, W + D, 0, 0, W + D, -D, 0},
        {-D, H + D, 0, -D, H, 0, W + D, H + D, 0, W + D, H, 0},
    };
    // Rewriting the quads waits for the device to finish with them: only when they move. The
    // target passes of post effects set the view up twice a frame with the same picture.
    if (!std::equal(&corners[0][0], &corners[0][0] + 48, &borderCorners_[0][0])) {
        std::copy(&corners[0][0], &corners[0][0] + 48, &borderCorners_[0][0]);
        ++borderGeneration_;
    }

    D3DXMatrixOrthoOffCenterLH(&projection_, 0, a, b, 0, -5000, 5000);
    // Direct3D 9 puts pixel centres on whole coordinates, texel centres half a texel in: a
    // screen-sized copy of the scene drawn back over the screen (post effects, target passes)
    // would read between four texels and blur the picture at every pass. Half a pixel up and
    // to the left, pixel and texel centres meet.
    const float pixelsX = nested ? a : float(backBuffer.Width), pixelsY = nested ? b : float(backBuffer.Height);
    if (pixelsX > 0 && pixelsY > 0) {
        D3DXMATRIX halfPixel;
        D3DXMatrixTranslation(&halfPixel, -1 / pixelsX, 1 / pixelsY, 0);
        projection_ *= halfPixel;
    }
    if (!nested) {
        a = float(backBuffer.Width);
        b = float(backBuffer.Height);
    }
    const float l = q.Left(), t = q.Top(), w = q.Right() - q.Left(), h = q.Bottom() - q.Top();
    areaToFitX_ = w != 0 ? a / w : 1;
    areaToFitY_ = h != 0 ? b / h : 1;

    D3DXMATRIX scaling, translation;
    D3DXMatrixScaling(&scaling, 1 / pictureRatio_, 1 / pictureRatio_, 1);
    D3DXMatrixTranslation(&translation, l / toAreaX, t / toAreaY, 0);
    fit_ = scaling * translation;
    ApplyTransforms();

    float sx = 1, sy = 1;
    if (w != 0 && h != 0) {
        if (type == kStretch || type == kTargetPass) {
            sx = (2 * l + w) / w;
            sy = (2 * t + h) / h;
        } else if (type == kFill) {
            sx = sy = l != 0 ? (2 * l + w) / w : (2 * t + h) / h;
        }
    }
    CenterOffsets(sx, sy);
}

void PictureView::ApplyTransforms() {
    if (!CurrentDevice) return;
    CurrentDevice->SetTransform(D3DTS_WORLD, &world_);
    CurrentDevice->SetTransform(D3DTS_VIEW, &view_);
    CurrentDevice->SetTransform(D3DTS_PROJECTION, &projection_);
}

void PictureView::SetWorldTransform(const D3DXMATRIX& object) {
    const D3DXMATRIX m = viewType_ == kTargetPass ? object * zoom_ * fit_
                                                  : object * secondCamera_ * camera_ * zoom_ * fit_;
    if (CurrentDevice) CurrentDevice->SetTransform(D3DTS_WORLD, &m);
}

void PictureView::GetWorldViewProjection(const D3DXMATRIX& object, D3DXMATRIX& result) const {
    result = viewType_ == kTargetPass ? object * zoom_ * fit_ * view_ * projection_
                                      : object * secondCamera_ * camera_ * zoom_ * fit_ * view_ * projection_;
}

void PictureView::GetViewProjection(D3DXMATRIX& result) const {
    result = viewType_ == kTargetPass ? zoom_ * fit_ * view_ * projection_ : fit_ * view_ * projection_;
}

void PictureView::GetZoomMatrix(D3DXMATRIX& result) const {
    result = CameraZoomMatrix();
    result._41 = 0;
    result._42 = 0;
}

void PictureView::SetZoomAndPan(float z, float px, float py) {
    if (z == 0) z = 1;
    const float ox = (1 - z) * 0.5f * float(width_) / z;
    const float oy = (1 - z) * 0.5f * float(height_) / z;
    const D3DXMATRIX A = zoom_ * fit_;
    const float kx = A._11 != 0 ? A._41 / A._11 / z : 0;
    const float ky = A._22 != 0 ? A._42 / A._22 / z : 0;
    const float tx = (kx + ox) * (px + 1) - kx;
    const float ty = (ky + oy) * (py + 1) - ky;
    D3DXMATRIX translation, scaling;
    D3DXMatrixTranslation(&translation, tx, ty, 0);
    D3DXMatrixScaling(&scaling, z, z, 1);
    camera_ = translation * scaling;
}

void PictureView::SetScaleOffset(float sx, float sy, float ox, float oy) {
    inverseZoomX_ = 1 / sx;
    inverseZoomY_ = 1 / sy;
    zoomOffsetX_ = ox;
    zoomOffsetY_ = oy;
    D3DXMATRIX translation, scaling;
    D3DXMatrixTranslation(&translation, ox, oy, 0);
    D3DXMatrixScaling(&scaling, sx, sy, 1);
    zoom_ = translation * scaling;
}

void PictureView::CenterOffsets(float sx, float sy) {
    const float ox = (1 - sx) * 0.5f * float(width_) / sx;
    const float oy = (1 - sy) * 0.5f * float(height_) / sy;
    SetScaleOffset(sx, sy, ox, oy);
}

void PictureView::BindBorderTextures(const FileKey& link) {
    if (!CurrentDevice) return;
    Borders& borders = borders_[CurrentDevice];
    const float vertices[20] = {0, 0, 0, 1, 1, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0};
    const ComHolder<IDirect3DTexture9> texture = CurrentFrameOfLink(link);
    for (TexturedQuad<TexVertex>& quad : borders.quads) {
        quad.CreateWithVertices(vertices);
        quad.texture = texture;
    }
    borders.generation = 0;
}

void PictureView::WriteBorderCorners(Borders& borders) {
    if (borders.generation == borderGeneration_) return;
    for (int i = 0; i < 4; ++i) borders.quads[i].SetCorners(borderCorners_[i]);
    borders.generation = borderGeneration_;
}

void PictureView::DrawBorders() {
    auto found = borders_.find(CurrentDevice);
    if (found == borders_.end()) return;
    Borders& borders = found->second;
    WriteBorderCorners(borders);
    ApplyTransforms();
    SetWorldTransform(borders.quads[0].local);
    for (TexturedQuad<TexVertex>& quad : borders.quads) {
        if (!quad.vertexBuffer) continue;
        CurrentDevice->SetTexture(0, quad.texture.Get());
        quad.SetStream();
        CurrentDevice->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
    }
}

void PictureView::ReleaseDeviceObjects(IDirect3DDevice9* device) { borders_.erase(device); }
