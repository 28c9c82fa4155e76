#pragma once
// Bends the background about the centre by an oscillating angle, on its own small mesh.
#include "brushes/QV_CentralBased.h"

class QV_BendFX : public QV_CentralBased {
public:
    static constexpr int32_t kRecordVersion = 1;
    enum Mode { kSine = 0, kNoisy = 1 };

    QV_BendFX();
    QV_BendFX(const QV_BendFX&) = default;

    // Load: both amplitudes and the bend (notified), mode (silently), then the centre base.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;
    // The centre base's, then the 2 x 2 grid over the region.
    void OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) override;

    // Update: the phase, then the bend angle.
    void Update(float time) override;
    // sin p (a + b) / 2 + (a - b) / 2, roughened by value noise in the noisy mode.
    static float BendAngle(float phase, float a, float b, int mode);

    UINTSclaleTo<float> amplitudeA;
    UINTSclaleTo<float> amplitudeB;
    UINTSclaleTo<float> bend;
    MediaParamT<int> mode;
    float bendAngle = 0.0f;

protected:
    // ApplyCenterParams, "Angle", "Bend", then its grid ("Main") or the picture ("MainFX").
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;
};
