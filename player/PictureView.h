#pragma once
// The one set of transforms that maps a slide's picture (0..W by 0..H pixels) onto the
// screen: the camera's zoom and pan, the picture-position zoom, and the letterbox fit; plus
// the border quads that cover everything outside the picture. Shared by every layer.
#include <d3d9.h>
#include <d3dx9math.h>

#include <map>

#include "document/FileKey.h"
#include "document/TextureEntry.h"
#include "document/ScreenQuad.h"
#include "player/TexturedQuad.h"

class PictureView {
public:
    enum ViewType { kStretch = 0, kFit = 1, kFill = 2, kTargetPass = 3 };

    // Identity everywhere but the view (a look-at from (0, 0, -1) to the origin), type fit.
    void InitDefaultView();
    void Setup(const TextureEntry& picture, float a, float b, int type, bool nested);
    void ApplyTransforms();
    void SetWorldTransform(const D3DXMATRIX& object);
    void GetWorldViewProjection(const D3DXMATRIX& object, D3DXMATRIX& result) const;
    void GetViewProjection(D3DXMATRIX& result) const;
    void GetZoomMatrix(D3DXMATRIX& result) const;
    // Second camera × camera × zoom: where the camera and the picture position put the
    // picture, in picture pixels.
    D3DXMATRIX CameraZoomMatrix() const { return secondCamera_ * camera_ * zoom_; }
    void SetZoomAndPan(float zoom, float panX, float panY);
    void SetScaleOffset(float scaleX, float scaleY, float offsetX, float offsetY);
    void CenterOffsets(float scaleX, float scaleY);
    // The border quads of the current device get buffers and the link's picture.
    void BindBorderTextures(const FileKey& link);
    // Draws the current device's border quads.
    void DrawBorders();
    // Forgets what was made on a device that is going away.
    void ReleaseDeviceObjects(IDirect3DDevice9* device);

    int ViewType() const { return viewType_; }
    const D3DXMATRIX& FitMatrix() const { return fit_; }
    const D3DXMATRIX& ZoomMatrix() const { return zoom_; }
    const D3DXMATRIX& CameraMatrix() const { return camera_; }
    const D3DXMATRIX& Projection() const { return projection_; }
    float PictureRatio() const { return pictureRatio_; }
    float AreaToFitX() const { return areaToFitX_; }
    float AreaToFitY() const { return areaToFitY_; }
    const RECT& FittedRect() const { return fitted_; }
    // What SetScaleOffset stored: the inverse of the zoom's scale, and its offset.
    float InverseZoomX() const { return inverseZoomX_; }
    float InverseZoomY() const { return inverseZoomY_; }
    float ZoomOffsetX() const { return zoomOffsetX_; }
    float ZoomOffsetY() const { return zoomOffsetY_; }

private:
    // Border quads are device objects: each screen unit's device draws its own.
    struct Borders {
        TexturedQuad<TexVertex> quads[4];  // left, right, top, bottom
        unsigned generation = 0;           // the corner positions last written
    };
    void WriteBorderCorners(Borders& borders);

    D3DXMATRIX fit_, zoom_, world_, view_, projection_, camera_, secondCamera_;
    float inverseZoomX_ = 1, inverseZoomY_ = 1, zoomOffsetX_ = 0, zoomOffsetY_ = 0;
    int viewType_ = kFit;
    unsigned width_ = 0, height_ = 0;
    float areaToFitX_ = 1, areaToFitY_ = 1, pictureRatio_ = 1;
    RECT fitted_ = {};
    float borderCorners_[4][12] = {};
    unsigned borderGeneration_ = 0;
    std::map<IDirect3DDevice9*, Borders> borders_;
};

// The process-wide view, set up before the saver starts.
PictureView& GetPictureView();
