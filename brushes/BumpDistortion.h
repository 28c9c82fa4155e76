#pragma once
// The heat shimmer of the flame background: the finished scene redrawn through a drifting
// bump picture.
#include <d3dx9effect.h>

#include "base/ComHolder.h"
#include "document/MediaSpeedParam.h"
#include "document/QV_FileLink3.h"
#include "document/QV_ImageFileLink.h"
#include "document/UINTSclaleTo.h"
#include "player/TexturedQuad.h"

class QV_2D_Light;

class BumpDistortion {
public:
    BumpDistortion();

    // The quad, the bump texture and the effect; false without an effect.
    bool CreateResources();
    // The quad over a w x h picture; the aspect h / w (1 without a width).
    void SetSize(float width, float height);
    // "stenght", "Offset" and "bump_scale" from the clock; nothing without an effect.
    void Update(float time);
    // "SceneTex", "Bumpmap", then "BumpmapDistortLow2" over the quad; nothing without an effect.
    void Draw(QV_2D_Light& layer, IDirect3DTexture9* scene);

    TexturedQuad<TexVertex> Quad;
    QV_ImageFileLink BumpImage;
    QV_HLSLEffectFile EffectLink;
    MediaSpeedParam Speed;
    UINTSclaleTo<float> Strength;
    UINTSclaleTo<float> BumpScale;
    ComHolder<ID3DXEffect> Effect;
    ComHolder<IDirect3DTexture9> BumpTexture;
    float Aspect = 1.0f;
};
