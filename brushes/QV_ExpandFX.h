#pragma once
// Makes the masked part of the picture swell and shrink about the centre, on a triangle
// wave or a sine.
#include "brushes/QV_CentralBased.h"

class QV_ExpandFX : public QV_CentralBased {
public:
    static constexpr int32_t kRecordVersion = 1;
    enum Mode { kTriangle = 0 };

    QV_ExpandFX();
    QV_ExpandFX(const QV_ExpandFX&) = default;

    // Load: both amplitudes (notified), mode (silently), then the centre base.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;

    // Update: the phase, then the expansion.
    void Update(float time) override;
    // -1 at multiples of 2 pi, 1 half way, linear between; sin p in any other mode.
    static float Swing(float phase, int mode);

    UINTSclaleTo<float> amplitudeA;
    UINTSclaleTo<float> amplitudeB;
    MediaParamT<int> mode;
    float expansion = 0.0f;

protected:
    // "amplitude" = (e, 0) when swelling, else (0, |e|); "center"; then ApplyCommonParams.
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;
};
