#pragma once
// Circular waves running out from the centre (or into it).
#include "brushes/QV_CentralBased.h"

class QV_RadialWaveFX : public QV_CentralBased {
public:
    static constexpr int32_t kRecordVersion = 2;

    QV_RadialWaveFX();
    QV_RadialWaveFX(const QV_RadialWaveFX&) = default;

    // Load: from version 2 amplitude, wavelength and background scale (notified) and the
    // direction flag (silently); then the centre base.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;

    UINTSclaleTo<float> amplitude;
    UINTSclaleTo<float> wavelength;
    UINTSclaleTo<float> backgroundScale;
    MediaParamT<int> directionFlag;

protected:
    // "bg_scale_factor", "center", "frequency", "amplitude", "time", then ApplyCommonParams.
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;
};
