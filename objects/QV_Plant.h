#pragma once
// A plant: one quad drawn through the effect's "Main" technique, which sways it like a plant
// in the wind from a speed-scaled clock and three shader constants.
#include <array>

#include "document/MediaSpeedParam.h"
#include "objects/QV_SingleRectGN.h"

class FieldArchive;

class QV_Plant : public QV_SingleRectGN {
public:
    static constexpr int32_t kRecordVersion = 1;
    static constexpr float kSpeedUnit = 0.02f;  // 50 is real time
    static constexpr float kFrequencyUnit = 0.1f;
    static constexpr float kMagnitudeUnit = 0.002f;

    QV_Plant();
    QV_Plant(const QV_Plant&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // The record after tag and version: speed, frequency, W and B magnitudes, then the
    // single-rect section (the version is not looked at).
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // Advances the sway clock.
    void Update(float time, QV_ParticlesObj& object) override;
    // Nothing is drawn without the effect or the texture.
    void Render(QV_2D_Light& layer, QV_ParticlesObj& object) override;
    // The plant never draws the scene it would be handed, so it asks for none.
    bool NeedsBackground() override;
    QV_TexParticleGenerator* Clone() const override;

    MediaSpeedParam speed;
    UINTSclaleTo<float> frequency;
    UINTSclaleTo<float> wMagnitude;
    UINTSclaleTo<float> bMagnitude;

private:
    // The record's four values, in their stored order.
    std::array<UINTSclaleTo<float>*, 4> StoredParams();
};
