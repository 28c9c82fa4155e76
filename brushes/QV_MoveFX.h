#pragma once
// Shifts the masked part of the picture back and forth along its direction, on a sine or on
// value noise.
#include "brushes/QV_DirectionBased.h"

class QV_MoveFX : public QV_DirectionBased {
public:
    static constexpr int32_t kRecordVersion = 2;
    enum Mode { kSine = 0, kNoise = 1 };

    QV_MoveFX();
    QV_MoveFX(const QV_MoveFX&) = default;

    // Load: mode (silently); from version 2 the second amplitude (notified); then the
    // direction base. Older records swing symmetrically: the second amplitude is the strength.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;

    // Update: the phase, then the shift.
    void Update(float time) override;
    // The swing c in [-1, 1] at phase p: sin p, or 1D value noise.
    static float Swing(float phase, int mode);
    // -(c (a + b) / 2 + (a - b) / 2) x opacity: from -a to +b as c runs over [-1, 1].
    static float Displacement(float swing, float a, float b, float opacity);

    MediaParamT<int> mode;
    UINTSclaleTo<float> amplitude2;
    float shift[2] = {};

protected:
    // "Direction" = the shift, then ApplyCommonParams.
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;
};
