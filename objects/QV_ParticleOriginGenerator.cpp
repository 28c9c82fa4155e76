#include "objects/QV_ParticleOriginGenerator.h"

#include <algorithm>
#include <cmath>

#include "document/FieldArchive.h"

QV_ParticleOriginGenerator::QV_ParticleOriginGenerator() {
    lifetime.SetRule(kLifetimeUnit);
    speed.SetRule(kSpeedUnit);
}

void QV_ParticleOriginGenerator::Update(float time, QV_ParticlesObj&) {
    speed.Advance(time);
    SimulateAndEmit(speed.Step());
}

Particle QV_ParticleOriginGenerator::CreateParticle() {
    Particle particle;
    particle.life = lifetime.Result();
    particle.velocity = direction.RandomDirection() * kDirectionSpeed;
    particle.position = origin.Value();
    return particle;
}

void QV_ParticleOriginGenerator::SimulateAndEmit(float dt) {
    // Survivors keep their order: the oldest particle comes first.
    size_t kept = 0;
    for (Particle& particle : particles_)
        if (particle.Step(dt)) particles_[kept++] = particle;
    particles_.resize(kept);
    accumulator_ += dt;
    Emit();
}

void QV_ParticleOriginGenerator::Emit() {
    for (;;) {
        // Opacity is read again for every comparison, as the time line may be mid-fade.
        const float perSecond = TimeLine().GetOpacity() * float(rate.Value());
        if (!(perSecond > 0.0f)) return;
        const float interval = 1.0f / perSecond;
        if (!(interval < accumulator_)) return;
        if (particles_.size() >= kMaxParticles) {
            // A burst beyond what a layer holds is dropped, keeping the part of one interval.
            accumulator_ = std::fmod(accumulator_, interval);
            return;
        }
        accumulator_ -= interval;
        particles_.push_back(CreateParticle());
    }
}

void QV_ParticleOriginGenerator::EmitterFields(FieldArchive ar) {
    ar.Notified(lifetime);
    ar.Param(rate);
    ar.Param(size);
    if (ar.Reading()) size.SetSilently(std::min(size.Value(), kMaxSize));
    ar.Param(direction);
    ar.Notified(speed);
    ar.Param(origin);
    QV_TexParticleGenerator::TaggedFields(ar);
}

void QV_ParticleOriginGenerator::ReserveParticles() {
    // A particle lives its lifetime and one more step, which the speed may stretch to a
    // second or so; the margin covers that and a step's rounding.
    const double alive = double(rate.Value()) * (double(lifetime.Result()) + 1.0) + 8.0;
    particles_.reserve(size_t(std::min(alive, double(kMaxParticles))));
}
