#pragma once
// A light over the masked region whose brightness follows a slow pulse, a blink or a noise
// flicker.
#include "brushes/QV_FX_Constructor.h"

class QV_LightFX : public QV_FX_Constructor {
public:
    static constexpr int32_t kRecordVersion = 1;
    enum Mode { kPulse = 0, kBlink = 1, kFlicker = 2 };

    QV_LightFX();
    QV_LightFX(const QV_LightFX&) = default;

    // Load: intensity (notified), mode (silently), then the brush base section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;

    // In 0..1 at phase p: (sin 0.2p + 1) / 2; blinking, 1 above one half and 0 otherwise;
    // from mode 2 on, two octaves of noise at 10p. Negative modes pulse.
    static float Brightness(float phase, int mode);

    UINTSclaleTo<float> intensity;
    MediaParamT<int> mode;

protected:
    // "multiplier" = intensity x brightness x opacity, then ApplyCommonParams.
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;
};
