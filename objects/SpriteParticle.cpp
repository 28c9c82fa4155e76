#include "objects/SpriteParticle.h"

#include <cmath>

#include "document/NumericHelpers.h"
#include "document/SharedRandom.h"
#include "objects/QV_BaseSpriteProp.h"

void SpriteParticle::Init(const QV_BaseSpriteProp& d) {
    *this = SpriteParticle{};
    aspect = d.ImageAspect();
    scale = RandomInRange(d.scaleMin, d.scaleMax);
    ComputeHalfExtents(d.size.Value());
}

void SpriteParticle::ComputeHalfExtents(unsigned int size) {
    const float c = scale * float(size) * 0.5f;
    if (aspect < 1.0f) {
        halfWidth = c;
        halfHeight = aspect * c;
    } else {
        halfHeight = c;
        halfWidth = c / aspect;
    }
}

D3DXVECTOR3 SpriteParticle::GetCorner() const { return position - halfWidth * right - halfHeight * up; }

void SpriteParticle::InitPulse(const QV_BaseSpriteProp& d) {
    delayDeadline = delayTimer = pause = lastChange = 0.0f;
    reentry = 0;
    frozen = false;
    owningEdge = -1;
    alpha = 1.0f;
    pulseSpeed = SharedRandom::Next() % 2 ? -d.pulseSpeed : d.pulseSpeed;
    UpdateColor(d);
}

void SpriteParticle::StepPulse(QV_BaseSpriteProp& d, bool respawn) {
    alpha += d.ScaledStep() * pulseSpeed;
    if (alpha < d.alphaMin) {
        if (respawn) d.InitParticle(*this);
        alpha = d.alphaMin;
        pulseSpeed = -pulseSpeed;
    } else if (alpha > d.alphaMax) {
        alpha = d.alphaMax;
        pulseSpeed = -pulseSpeed;
    }
}

void SpriteParticle::UpdateColor(const QV_BaseSpriteProp& d) {
    const unsigned long rgb = d.colour.Value();
    const unsigned int red = rgb & 0xFF, green = (rgb >> 8) & 0xFF, blue = (rgb >> 16) & 0xFF;
    const unsigned int a = ScaleAlphaByte(d.transparency.Result(), alpha);
    colour = D3DCOLOR(a << 24 | red << 16 | green << 8 | blue);
}

unsigned int ScaleAlphaByte(unsigned int alphaByte, float factor) {
    const float scaled = float(alphaByte) * factor;
    if (!(scaled > 0.0f)) return 0;
    return scaled >= 255.0f ? 255u : unsigned(scaled);
}

float ShearOfAngle(float degrees) { return 1.0f / std::tan(DegreesToRadians(degrees)); }
