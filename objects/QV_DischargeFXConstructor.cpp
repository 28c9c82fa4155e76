#include "objects/QV_DischargeFXConstructor.h"

#include <cmath>
#include <utility>

#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"
#include "objects/SpriteParticle.h"

namespace {

constexpr float kJitterScale = 0.01f;
constexpr unsigned int kDefaultJitter = 50;  // 0.5
constexpr float kFlickerScale = -0.001f;
constexpr float kFlickerOffset = 0.1f;
constexpr unsigned int kDefaultFlicker = 100;  // 0 seconds
constexpr float kMorphScale = 0.1f;
constexpr unsigned int kDefaultMorph = 50;  // 5.0

// A zero (or not finite) length has no direction: the zero vector, so that a bolt whose ends
// meet, or a segment of no length, draws as nothing.
D3DXVECTOR3 DirectionOf(const D3DXVECTOR3& v) {
    const float length = D3DXVec3Length(&v);
    if (!(length > 0.0f) || !std::isfinite(length)) return D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 unit;
    D3DXVec3Normalize(&unit, &v);
    return unit;
}

// What one BuildBolt of n points draws from the shared generator: two for each but the last.
uint32_t DrawsPerBolt(size_t n) { return n == 0 ? 0 : 2 * uint32_t(n - 1); }

}  // namespace

QV_DischargeFXConstructor::QV_DischargeFXConstructor() {
    effectLink.SetSilently(builtin::Link(builtin::kGlowEffect));
    size.SetSilently(50);
    blendMode.SetSilently(1);
    colour.SetSilently(0xFFFFCC);
    glowColour.SetSilently(0xFF9900);
    jitter.SetScaled(kDefaultJitter, kJitterScale);
    flickerInterval.SetScaled(kDefaultFlicker, kFlickerScale, kFlickerOffset);
    morphSpeed.SetScaled(kDefaultMorph, kMorphScale);
}

void QV_DischargeFXConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_DischargeFXConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_DischargeFXConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_DischargeFXConstructor", kRecordVersion));
}

void QV_DischargeFXConstructor::Fields(FieldArchive ar) {
    ar.Param(startPoint);
    ar.Param(endPoint);
    ar.Notified(jitter);
    ar.Param(textureChoice);
    ar.Notified(flickerInterval);
    ar.Notified(morphSpeed);
    QV_GlowEffectCtrl::TaggedFields(ar);
}

QV_DischargeFXConstructor* QV_DischargeFXConstructor::Clone() const { return new QV_DischargeFXConstructor(*this); }

void QV_DischargeFXConstructor::Prepare() {
    image.SetSilently(builtin::Link(textureChoice.Value() != 0 ? builtin::kThinBolt : builtin::kThickBolt));
    QV_GlowEffectCtrl::Prepare();
}

void QV_DischargeFXConstructor::BuildBolt(std::vector<BoltPoint>& bolt) const {
    const D3DXVECTOR3 start = startPoint.Value(), end = endPoint.Value();
    const D3DXVECTOR3 across = DirectionOf(D3DXVECTOR3(end.y - start.y, start.x - end.x, 0.0f));
    const float J = jitter.Result();
    const size_t n = bolt.size();
    D3DXVECTOR3 p = start;
    for (size_t g = 0; g < n; ++g) {
        const D3DXVECTOR3 rest = end - p;
        const float step = D3DXVec3Length(&rest) / float(n - g);
        D3DXVECTOR3 aim = rest;
        if (g + 1 < n) {
            const float j1 = RandomRange(-J, J);
            const float j2 = RandomRange(-J, J);
            aim = D3DXVECTOR3(rest.x + j1 * rest.y, rest.y + j2 * rest.x, 2.0f * rest.z);
        }
        BoltPoint& point = bolt[g];
        point.direction = DirectionOf(aim);
        point.side = across;
        const D3DXVECTOR3 next = p + point.direction * step;
        point.position = (p + next) * 0.5f;
        point.length = step;
        p = next;
    }
}

BoltPoint QV_DischargeFXConstructor::Interpolate(size_t i, float f) const {
    const BoltPoint& a = oldBolt[i];
    const BoltPoint& b = newBolt[i];
    return {a.position + f * (b.position - a.position), a.direction + f * (b.direction - a.direction),
            a.side + f * (b.side - a.side), a.length + f * (b.length - a.length)};
}

void QV_DischargeFXConstructor::InitParticle(SpriteParticle&) {
    const size_t n = count.Value();
    oldBolt.resize(n);
    newBolt.resize(n);
    owedSeed_ = SharedRandom::CurrentSeed();
    boltsOwed_ = true;
    SharedRandom::Skip(2 * DrawsPerBolt(n));
}

void QV_DischargeFXConstructor::SettleBolts() {
    if (!boltsOwed_) return;
    const uint32_t resume = SharedRandom::CurrentSeed();
    SharedRandom::Seed(owedSeed_);
    BuildBolt(oldBolt);
    BuildBolt(newBolt);
    SharedRandom::Seed(resume);
    boltsOwed_ = false;
}

void QV_DischargeFXConstructor::OnFrame() {
    SettleBolts();
    segmentCounter = 0;
    const float T = ScaledTime();
    if (!(T - lastBoltTime > kBoltInterval)) return;
    lastBoltTime = T;
    oldBolt = newBolt;
    BuildBolt(newBolt);
}

void QV_DischargeFXConstructor::UpdateParticle(SpriteParticle& sprite) {
    SettleBolts();
    // Sprites beyond the count (it was lowered) have no segment.
    const size_t k = size_t(segmentCounter);
    if (k >= newBolt.size() || k >= oldBolt.size()) return;
    const BoltPoint p = Interpolate(k, (ScaledTime() - lastBoltTime) * morphSpeed.Result());
    sprite.position = p.position;
    sprite.right = p.direction;
    sprite.up = p.side;
    sprite.halfWidth = p.length * 0.5f;
    sprite.halfHeight = float(size.Value()) * 0.5f;
    sprite.factor = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    sprite.motion[0] = sprite.motion[1] = sprite.motion[2] = 0.0f;

    const float t = LastTime();
    if (flickerInterval.Result() < t - sprite.lastChange) {
        sprite.lastChange = t;
        const bool upper = SharedRandom::Next() % 2 == 0;
        sprite.va = upper ? 0.5f : 0.0f;
        sprite.vb = upper ? 1.0f : 0.5f;
        if (SharedRandom::Next() % 2 == 1) std::swap(sprite.va, sprite.vb);
    }
    sprite.ua = k == 0 ? 0.0f : kCapEnd;
    sprite.ub = k + 1 == count.Value() ? 1.0f : kCapStart;
    ++segmentCounter;
    sprite.UpdateColor(*this);
}
