#pragma once
// A moving water surface over the masked region: the background seen through a drifting,
// turning bump map, tinted with the water's colour and lit by a highlight.
#include <d3dx9math.h>

#include "brushes/QV_FX_Constructor.h"
#include "document/ParamObserverList.h"
#include "document/QV_ImageFileLink.h"

class QV_WaterFX : public QV_FX_Constructor {
public:
    static constexpr int32_t kRecordVersion = 1;
    // What stands in for a pFactor whose highlight would not be finite: 0.0001 for 0 (an
    // infinite q), 0.9999 for 1 (q - 1 zero) and for anything above 2 (a negative q has no
    // root). Every other pFactor, those between 1 and 2 too, is used as it is.
    static constexpr float kLowestPFactor = 0.0001f;
    static constexpr float kBelowOnePFactor = 0.9999f;

    QV_WaterFX();
    QV_WaterFX(const QV_WaterFX&) = default;

    // Load: the four shape values (notified), angle (silently), shadows and halfZ (notified),
    // colour (silently), the bump link, then the brush base section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;
    // The bump texture (none when its picture is missing), then the base's effect and mask.
    void OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) override;
    // (1, 0) turned by the angle as given (not 360 - angle, unlike the waves).
    void UpdateDirection();

    // Update: the phase (seconds), then the bump matrix turning at 4.5 radians per second.
    void Update(float time) override;
    static void BumpTransform(float phase, float radius, float out[4]);

    // "P1" = (A - 1, -1, A - 1) and "P2" = (1, (sqrt q + q) / (q - 1), 1) with q = 2 / A - 1
    // and A the pFactor, or its stand-in where these would not be finite.
    static void HighlightShape(float pFactor, float p1[3], float p2[3]);

    UINTSclaleTo<float> pFactor;
    UINTSclaleTo<float> bumpScale;
    UINTSclaleTo<float> direction2Scale;
    UINTSclaleTo<float> direction1Divisor;
    MediaParamT<unsigned int> angle;
    UINTSclaleTo<float> shadows;
    UINTSclaleTo<float> halfZ;
    MediaParamT<unsigned long> color;  // red in the low byte
    QV_ImageFileLink bumpLink;
    ComHolder<IDirect3DTexture9> bumpTexture;
    float bumpTransform[4] = {};
    D3DXVECTOR4 flowDirection{1.0f, 0.0f, 0.0f, 0.0f};

protected:
    // "BumpMap", "BampTrans", "P1", "P2", "Time", "Direction1", "Direction2", "Shadows",
    // "Vhalf", "Color", then ApplyCommonParams.
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;

private:
    void ObserveAngle();
    void SetFlowParams(ID3DXEffect& effect);
    void SetLightParams(ID3DXEffect& effect);

    // Declared last: a copied list binds the copy to its own angle,
    // so a copy derives its own flow direction.
    ParamObserverList<QV_WaterFX> observers_{&QV_WaterFX::ObserveAngle};
};
