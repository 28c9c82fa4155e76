#pragma once
// Smoke: puffs leave the origin in the direction sector, drift with a horizontal wind, grow,
// fade in and out and spin; one layer of textured quads drawn through the effect's current
// technique (or, without an effect, alpha-blended texture times colour).
#include "objects/QV_ParticleOriginGenerator.h"

class QV_Smoke : public QV_ParticleOriginGenerator {
public:
    static constexpr int32_t kRecordVersion = 1;
    // Horizontal acceleration 2u − 100 pixels/s² for the stored u; 50 is no wind.
    static constexpr float kWindUnit = 2.0f;
    static constexpr float kWindOffset = -100.0f;
    // Five seconds of emission and motion before the first frame.
    static constexpr int kWarmUpSteps = 100;
    static constexpr float kWarmUpStep = 0.05f;

    QV_Smoke();
    QV_Smoke(const QV_Smoke&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // The record after tag and version: the wind, the emitter's fields, then the texture
    // generator's section (the version is not looked at).
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // One layer, and the warm-up at the time line's opacity of now.
    void Prepare(QV_ParticlesObj& object) override;
    // Steps and emits with the speed's clock, then writes a quad per live puff, oldest
    // first; when none lives the layer keeps its last quads.
    void Update(float time, QV_ParticlesObj& object) override;
    // Texture 0 is the layer's texture; nothing is drawn without quads or texture.
    void Render(QV_2D_Light& layer, QV_ParticlesObj& object) override;
    // The smoke never draws the scene it would be handed, so it asks for none: the picture
    // behind it stays whatever its blend mode.
    bool NeedsBackground() override;
    QV_TexParticleGenerator* Clone() const override;
    // The emitter's particle, blown by the wind, with the five rules and a random spin and
    // start angle; three shared draws: direction, spin, start angle.
    Particle CreateParticle() override;

    UINTSclaleTo<float> wind;
};
