#pragma once
// A background layer whose picture is overlaid by columns of falling glyphs: one cell per
// cell-size picture pixels, moving with the picture's fit and the camera. Beneath the glyphs
// it shows the picture, black (the glyphs then take their opacity from the picture's
// luminance), or nothing. The glyphs advance one step per drawn frame and are drawn as
// screen-space sprites cut from one vertical strip of glyphs.
#include <d3d9.h>

#include <memory>
#include <vector>

#include "brushes/GlyphGrid.h"
#include "document/MediaColor.h"
#include "document/MediaParamT.h"
#include "document/QV_ImageFileLink.h"
#include "document/UINTSclaleTo.h"
#include "player/QV_2D_Light.h"
#include "player/ScreenSpriteArray.h"

class FieldArchive;

// Glyphs in a strip of width × height: height / width + 2 bands, at most 255 (a cell holds
// the glyph number in a byte); a strip without width counts as one.
int32_t GlyphCountFor(uint32_t width, uint32_t height);

class QV_MatrixCodeLight : public QV_2D_Light {
public:
    enum BackgroundMode { kPicture = 0, kLuminance = 1 };
    static constexpr int kLuminanceSide = 256;

    QV_MatrixCodeLight();

    // Load: the settings, from version 2 the glyph link, then the layer's own record.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // Update: only the time; the camera and the glyphs advance when drawn.
    void FrameMove(float t) override { frameTime_ = t; }
    void SetFitMode(int viewType) override;
    void Reload() override;
    void PushTarget(RenderTargetPair& target, int viewType) override;
    void PopTarget() override;

    // Render: one step of the glyphs, the background its mode asks for, then the glyphs.
    void DrawBackground(bool nested) override;

    void CreateDeviceObjects() override;
    // The glyphs' stage 0 on top of the layer's resting state.
    void RestoreLayerDeviceObjects() override;

    MediaParamT<unsigned int> cellSize;
    MediaParamT<unsigned int> density;
    MediaParamT<unsigned int> flickerCount;
    MediaParamT<int> sparkle;
    MediaParamT<int> backgroundMode;
    MediaParamT<int> rainMode;
    MediaColor trailColour;
    MediaColor headColour;
    UINTSclaleTo<float> fade;  // glyph opacity, 1 - value / 100
    QV_ImageFileLink glyphLink;

    const GlyphGridParams& Params() const { return params_; }
    GlyphGrid* Grid() const { return grid_.get(); }
    const ScreenSpriteArray& Sprites() const { return sprites_; }
    const std::vector<float>& LuminanceTable() const { return luminance_; }

private:
    void UpdateGlyphs(float t);
    // The sprite's colour: head or trail, with the opacity of its class, the fade and (over
    // black) the picture's luminance under it.
    D3DCOLOR SpriteColour(const GlyphSprite& sprite) const;
    void RebuildGrid();
    void ReserveSprites();
    void BuildLuminanceTable();

    ScreenSpriteArray sprites_;
    std::unique_ptr<GlyphGrid> grid_;
    GlyphCursor cursor_;
    GlyphGridParams params_;
    std::vector<float> luminance_;  // kLuminanceSide² entries, or none
    ComHolder<IDirect3DTexture9> glyphTexture_;
    float frameTime_ = 0.0f;
    float targetScaleX_ = 1.0f, targetScaleY_ = 1.0f;
};
