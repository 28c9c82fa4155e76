#pragma once
// An emitter of short-lived particles at the origin: a rate per second, a lifetime, a quad
// size, a direction and a speed with its own clock. Emission follows the time line's opacity.
#include <vector>

#include "document/FreshOnCopy.h"
#include "document/MediaSector.h"
#include "document/MediaSpeedParam.h"
#include "document/PictureHeader.h"
#include "objects/Particle.h"
#include "objects/QV_ParticlesObj.h"
#include "objects/QV_StaticGenerator.h"

class FieldArchive;

class QV_ParticleOriginGenerator : public QV_StaticGenerator {
public:
    static constexpr float kLifetimeUnit = 0.04f;  // seconds per stored unit
    static constexpr float kSpeedUnit = 0.02f;     // 50 is real time
    static constexpr float kDirectionSpeed = 100.0f;
    // One quad each in a layer; a debt beyond that is dropped.
    static constexpr size_t kMaxParticles = QV_ParticlesObj::kMaxLayerQuads;
    // A puff grows to one and a half times the size over its life: at half the longest extent
    // that can show it stays within it.
    static constexpr unsigned int kMaxSize = unsigned(kMaxShownExtent / 2);

    QV_ParticleOriginGenerator();
    // Parameters and the emission debt; a copy starts without particles.
    QV_ParticleOriginGenerator(const QV_ParticleOriginGenerator&) = default;

    // The speed's clock, then SimulateAndEmit with its step.
    void Update(float time, QV_ParticlesObj& object) override;
    // A particle at the origin with the lifetime, moving in a direction of the sector.
    virtual Particle CreateParticle();

    // Steps every particle, removing those whose life fell below 0, then emits what the
    // rate owes since the last emission. Nothing is owed at an opacity or a rate of 0, yet
    // the debt keeps growing and comes out at once when both are back.
    void SimulateAndEmit(float dt);

    const std::vector<Particle>& Particles() const { return particles_; }
    float Accumulator() const { return accumulator_; }

    UINTSclaleTo<float> lifetime;
    MediaParamT<unsigned int> rate;  // particles per second
    MediaParamT<unsigned int> size;  // quad size in pixels
    MediaSector direction;
    MediaSpeedParam speed;

protected:
    // These fields stand in their owner's record without a tag of their own: lifetime, rate,
    // size (kept within kMaxSize), direction, speed, origin; then the texture generator's
    // section.
    void EmitterFields(FieldArchive ar);
    // Room for the particles the rate and lifetime keep alive, so emitting allocates nothing.
    void ReserveParticles();

private:
    void Emit();

    FreshOnCopy<std::vector<Particle>> particles_;
    float accumulator_ = 0.0f;
};
