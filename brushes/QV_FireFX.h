#pragma once
// Moving fire on the brush's own 8 x 8 mesh: a flame pattern scrolled through noise, coloured
// between two colours. The flame background uses its noise parameters with a technique of
// its own.
#include "brushes/QV_FX_Constructor.h"
#include "document/QV_ImageFileLink.h"

class QV_FireFX : public QV_FX_Constructor {
public:
    static constexpr int32_t kRecordVersion = 3;
    // The smallest stored step of the tiling, used in place of 0 (which would make the mesh's
    // u coordinate infinite).
    static constexpr float kMinTiling = 0.01f;

    QV_FireFX();
    QV_FireFX(const QV_FireFX&) = default;
    // The brush base's assignment, then every parameter and link; textures shared.
    QV_FireFX& operator=(const QV_FireFX& other);

    // Load: version 2 holds the base's region and spare value among the fire's fields, which
    // version 1 lacks entirely; then the brush base section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;
    // The base's effect and mask, the pattern and noise textures, the 8 x 8 grid.
    void OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) override;
    // The region's corners, u running from 0 to 1 / tiling.
    void BuildMesh() override;

    // "WorldViewProj" for a mesh of that world matrix, "ViewProj", "Noise", "Pattern" and the
    // noise scrolls "c11", "c12", "c13"; no technique, no draw; nothing without an effect.
    void ApplyNoiseParams(const D3DXMATRIX& world);
    // Brightness and density as the time line's opacity fades them.
    static float FadedBrightness(float brightness, float opacity) { return brightness * opacity * opacity; }
    static float FadedDensity(float density, float opacity) { return opacity * (density + 1.0f) - 1.0f; }

    MediaParamT<unsigned long> color1;  // red in the low byte
    MediaParamT<unsigned long> color2;
    MediaParamT<int> fireSpareInt;
    QV_ImageFileLink patternLink;
    QV_ImageFileLink noiseLink;
    UINTSclaleTo<float> density;
    UINTSclaleTo<float> brightness;
    UINTSclaleTo<float> tiling;
    ComHolder<IDirect3DTexture9> patternTexture;
    ComHolder<IDirect3DTexture9> noiseTexture;

protected:
    // The noise parameters, colours, "bg_scale_factor", mask, background, brightness and
    // density, then "Main" over the brush mesh whatever fxMode is.
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;

private:
    void SetColours(ID3DXEffect& effect);
};
