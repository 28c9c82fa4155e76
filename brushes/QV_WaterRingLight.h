#pragma once
// A background layer that shows the slide through a rippling water surface: drops fall at a
// steady rate on a simulated height field, and the lit surface, seen from above, maps the
// picture along the rays the water refracts. In mode 1 the surface carries the finished slide
// (objects included) as the frame's last step; otherwise it is the background and objects
// are drawn over it.
#include <d3d9.h>
#include <d3dx9math.h>

#include "brushes/WaterSurfaceGrid.h"
#include "document/MediaParamT.h"
#include "document/UINTSclaleTo.h"
#include "player/QV_2D_Light.h"

class FieldArchive;

// The velocity kept per sub-step at a damping level: 0.99 at 50, 0.999 at 100, 0.9882 at 49;
// a level above the highest damps as the highest does, 0.9999.
constexpr unsigned kHighestDampingLevel = 105;
float DampingForLevel(unsigned level);

class QV_WaterRingLight : public QV_2D_Light {
public:
    static constexpr int kOverFinishedSlide = 1;

    QV_WaterRingLight();

    // Load: version 2 on carries the simulation's settings; the mode always; then the layer.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // Update: the camera, a drop when its interval has passed, then the waves and vertices.
    void FrameMove(float t) override;
    // The orthographic projection that fits the 30-unit-high surface to width × height.
    void Resize(int width, int height) override;
    void SetFitMode(int viewType) override;

    // Render: the surface with the picture (or the flat picture in mode 1, or when the
    // surface has no buffers); in mode 1 EndRender draws the surface with the finished slide.
    void DrawBackground(bool nested) override;
    void EndRender(bool nested) override;
    bool UsesPostEffects() override { return mode.Value() == kOverFinishedSlide && grid_.CanDraw(); }
    // The refraction table, the grid's settings, a flat grid with one drop (no buffers yet),
    // the material.
    void CreateDeviceObjects() override;
    // The surface's light; the simulation starts again flat with one drop, with its buffers.
    // It runs when the slide starts and after a device reset.
    void RestoreLayerDeviceObjects() override;
    // The grid's buffers live in the default pool; the light goes off with them.
    void InvalidateDeviceObjects() override;

    MediaParamT<int> mode;
    MediaParamT<unsigned int> waveHeight;
    MediaParamT<unsigned int> rowDensity;
    MediaParamT<unsigned int> columnDensity;
    MediaParamT<unsigned int> dropSize;
    MediaParamT<unsigned int> dampingLevel;
    MediaParamT<unsigned int> refractionShift;
    UINTSclaleTo<float> dropRate;       // drops a second
    UINTSclaleTo<float> specularLevel;  // grey of the material's specular colour
    UINTSclaleTo<float> specularPower;

    WaterSurfaceGrid& Grid() { return grid_; }
    const D3DXMATRIX& Projection() const { return projectionMatrix_; }

private:
    // The grid for the picture and the densities, flat with one drop; with its default-pool
    // buffers only when the slide starts (restore), so a slide that is not showing holds none.
    void ResizeGrid(bool withBuffers);
    void SetMaterial();
    // The surface with `texture`, under the view's camera and zoom.
    void DrawSurface(IDirect3DTexture9* texture);

    WaterSurfaceGrid grid_;
    D3DXVECTOR3 lightDirection_{0.5f, -1.0f, 1.0f};
    D3DXCOLOR lightDiffuse_{1.0f, 1.0f, 1.0f, 1.0f};
    D3DXMATRIX worldMatrix_;
    D3DXMATRIX viewMatrix_;
    D3DXMATRIX cameraMatrix_;  // the eye 120 units above the surface, looking down
    D3DXMATRIX projectionMatrix_;
    float lastDropTime_ = 0.0f;
    int lastWidth_ = 0, lastHeight_ = 0;
};
