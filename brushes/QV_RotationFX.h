#pragma once
// Turns the background on an ellipse about the centre: the axes' ratio and their orientation
// shape the turn.
#include "brushes/QV_CentralBased.h"

class QV_RotationFX : public QV_CentralBased {
public:
    static constexpr int32_t kRecordVersion = 1;

    QV_RotationFX();
    QV_RotationFX(const QV_RotationFX&) = default;

    // Load: axis ratio (notified), angle and direction flag (silently), then the centre base.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;

    // Update: the phase, then the rotation (its sign from the direction flag).
    void Update(float time) override;
    // The 2 x 2 transform (11, 12, 21, 22): a turn by `rotation` on an ellipse of axis ratio
    // z oriented by `degrees`. A ratio of 0 (the constructor's) has no ellipse: it turns plainly.
    static void EllipseTurn(float rotation, float z, unsigned int degrees, float out[4]);

    UINTSclaleTo<float> axisRatio;
    MediaParamT<unsigned int> angle;
    MediaParamT<int> directionFlag;
    float rotation = 0.0f;

protected:
    // "coord_transf", "offset", "mix_color", then ApplyCommonParams.
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;
};
