#include "objects/Particle.h"

#include "document/NumericHelpers.h"

void ParticleModifier::Apply(Particle& particle, float dt) const {
    switch (kind) {
    case Kind::Motion:
        particle.position += particle.velocity * dt + particle.acceleration * (dt * dt / 2);
        particle.velocity += particle.acceleration * dt;
        break;
    case Kind::Growth:
        particle.size += p0 * dt;
        break;
    case Kind::FadeIn:
        if (p1 < particle.life) particle.alpha += p0 * dt;
        break;
    case Kind::FadeOut:
        if (p1 > particle.life) particle.alpha -= p0 * dt;
        break;
    case Kind::Spin: {
        D3DXMATRIX rotation;
        D3DXMatrixRotationZ(&rotation, DegreesToRadians(p0 * dt));
        D3DXVec3TransformCoord(&particle.axis1, &particle.axis1, &rotation);
        D3DXVec3TransformCoord(&particle.axis2, &particle.axis2, &rotation);
        break;
    }
    }
}

void Particle::AddModifier(const ParticleModifier& modifier) {
    if (modifierCount < kMaxModifiers) modifiers[modifierCount++] = modifier;
}

bool Particle::Step(float dt) {
    life -= dt;
    for (size_t i = 0; i < modifierCount; ++i) modifiers[i].Apply(*this, dt);
    return life >= 0.0f;  // a life that is not a number ends too
}
