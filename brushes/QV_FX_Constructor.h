#pragma once
// The description every FX brush shares: a full-layer effect that the background layer applies
// to its picture inside a mask, the image the document stores under the brush's GUID. With
// fxMode 0 the brush draws over the picture (technique "Main"); otherwise it is a post effect
// that gets everything drawn before it as "Background" and redraws it ("MainFX").
//
// Lifecycle: Load (the record chain), OnCreate (effect, mask and the brush's own textures,
// when its runtime object is made), Update (time -> phase and derived values, no device
// calls), Render (effect parameters, then one of the drawing helpers below). Brushes hold no
// default-pool objects: the manager resets effects, and the mesh lives in the managed pool.
#include <d3dx9.h>

#include <memory>

#include "base/ComHolder.h"
#include "document/FieldArchive.h"
#include "document/GuidKey.h"
#include "document/MediaQuad.h"
#include "document/MediaSpeedParam.h"
#include "document/QV_ABObj_Constructor.h"
#include "document/QV_FileLink3.h"
#include "document/UINTSclaleTo.h"
#include "player/QV_IndexedMesh.h"

class QV_2D_Light;

// A brush's own grid over its region, for the brushes that distort a mesh.
struct BrushGridMesh : QV_IndexedMesh<TexVertex> {
    UINT columns = 0;
    UINT rows = 0;
};

class QV_FX_Constructor : public QV_ABObj_Constructor {
public:
    static constexpr int32_t kRecordVersion = 3;
    // The smallest stored step of effectScale, used in place of 0 (which would make "Scale"
    // infinite).
    static constexpr float kMinEffectScale = 0.02f;

    QV_FX_Constructor();
    // Parameters, links, key and clock; mask, effect and mesh buffers shared.
    QV_FX_Constructor(const QV_FX_Constructor&) = default;
    // What the backgrounds that embed a brush do with a brush they read: everything, the time
    // line as a copy of its own, mask, effect and mesh buffers shared.
    QV_FX_Constructor& operator=(const QV_FX_Constructor& other);

    // The brush base section (version 3), nested in every brush's after its own fields.
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    // Version 2 adds effectScale, 3 the region and the spare value; then the description base.
    void Fields(FieldArchive ar);
    // A brush embedded in a background's record: read into a fresh brush and then assigned,
    // so the background's brush keeps what assignment keeps; written as it is.
    template <class Brush>
    static void EmbeddedFields(FieldArchive ar, Brush& brush) {
        if (!ar.Reading()) return brush.TaggedFields(ar);
        const auto read = std::make_unique<Brush>();
        read->TaggedFields(ar);
        brush = *read;
    }

    // A QV_BrushObj owning a clone.
    QV_ABObj* CreateObject() override;
    // Forgets the mask and takes a fresh GUID for it.
    void NewIdentity() override;
    // The effect from CurrentDocResManager, then SetMask. Brushes with textures extend it.
    virtual void OnCreate(ComHolder<IDirect3DTexture9>* maskHolder);
    virtual void BrushHook(void*) {}
    // The region's corners into the grid made by BuildGridMesh.
    virtual void BuildMesh();
    ComHolder<IDirect3DTexture9>* GetMask() { return &mask; }
    // Shares the holder's texture; a null holder leaves the brush without a mask.
    void SetMask(ComHolder<IDirect3DTexture9>* holder);
    virtual QV_FX_Constructor* Clone() const = 0;

    // Update: advances the phase (the speed's own clock) to `time`.
    virtual void Update(float time);

    // Render: nothing without an effect (Update still runs); otherwise the brush's own
    // parameters and drawing.
    void Render(QV_2D_Light& layer);
    bool HasEffect() const { return bool(effect); }
    bool IsPostEffect() const { return fxMode.Value() != 0; }

    // Technique, "Scale" (two floats), "Mask", "Background", then the whole picture quad.
    void ApplyCommonParams(QV_2D_Light& layer);
    // "Scale" (four floats), "Mask", "Background", technique; draws nothing.
    void ApplyCommonParams4(QV_2D_Light& layer);
    // "Main" over the brush's own mesh, or "MainFX" over the whole picture quad.
    void DrawWithTechnique(QV_2D_Light& layer);
    // A post effect that draws only its own mesh first puts the scene it received back
    // (the layer's PassSceneThrough), so that the target it draws into does not lose
    // everything beneath it; over the picture it does nothing.
    void RestoreSceneUnderMesh(QV_2D_Light& layer);
    // A managed grid of (columns + 1) x (rows + 1) vertices, indexed as a triangle list.
    HRESULT BuildGridMesh(UINT columns, UINT rows);
    // The frame every brush effect shares: "Mask" and "Background" (the layer's scene). The
    // helpers above bind it; a brush that draws through techniques of its own binds it here.
    void BindFrame(QV_2D_Light& layer);

    // Time -> value.
    float Phase() const { return speed.Time(); }
    float Opacity() const { return TimeLine().GetOpacity(); }
    // The picture's width over its height; 1 for a picture without a size.
    static float PictureAspect(uint32_t width, uint32_t height);
    // effectScale as the effect may divide by it.
    static float UsableEffectScale(float stored);
    // (r, g, b) / 255 of a colour with red in the low byte.
    static void ColourFloats(unsigned long colour, float rgb[3]);

    MediaSpeedParam speed;
    MediaParamT<int> fxMode;
    QV_HLSLEffectFile effectLink;
    UINTSclaleTo<float> effectScale;
    MediaQuad region;
    MediaParamTB<int> spareInt;
    GuidKey maskKey;
    ComHolder<IDirect3DTexture9> mask;
    ComHolder<ID3DXEffect> effect;
    BrushGridMesh brushMesh;

protected:
    // The brush's parameters, set before the helper that draws.
    virtual void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) = 0;

private:
    const char* Technique() const { return IsPostEffect() ? "MainFX" : "Main"; }
    // (aspect / s, 1 / s, s / aspect, s) with s the usable effectScale: "Scale" in its two- and
    // four-float forms.
    void TextureScale(QV_2D_Light& layer, float scale[4]) const;
};
