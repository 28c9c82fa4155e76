#include "objects/QV_Smoke.h"

#include "base/CurrentDevice.h"
#include "document/FieldArchive.h"
#include "document/NumericHelpers.h"
#include "document/SharedRandom.h"
#include "player/QV_2D_Light.h"

namespace {

// Spin between −50 and 50 degrees a second; the start angle anywhere on the circle.
constexpr float kSpinRange = 100.0f;
constexpr float kFullTurn = 360.0f;
// The puff grows from half its size to one and a half over its life.
constexpr float kStartSize = 0.5f;
constexpr float kFadeInRate = 5.0f;      // times the opacity at creation
constexpr float kFadeInShare = 0.8f;     // fades in until 80 % of its life is left
constexpr float kFadeOutRate = 1.0f;

using Kind = ParticleModifier::Kind;

D3DXVECTOR3 Turned(const D3DXVECTOR3& axis, const D3DXMATRIX& rotation) {
    D3DXVECTOR3 result;
    D3DXVec3TransformCoord(&result, &axis, &rotation);
    return result;
}

}  // namespace

QV_Smoke::QV_Smoke() { wind.SetRule(kWindUnit, kWindOffset); }

void QV_Smoke::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_Smoke::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_Smoke::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_Smoke", kRecordVersion)); }

void QV_Smoke::Fields(FieldArchive ar) {
    ar.Notified(wind);
    EmitterFields(ar);
}

void QV_Smoke::Prepare(QV_ParticlesObj& object) {
    QV_StaticGenerator::Prepare(object);
    object.SetLayerCount(1);
    ReserveParticles();
    for (int i = 0; i < kWarmUpSteps; ++i) SimulateAndEmit(kWarmUpStep);
}

void QV_Smoke::Update(float time, QV_ParticlesObj& object) {
    QV_ParticleOriginGenerator::Update(time, object);
    const std::vector<Particle>& puffs = Particles();
    if (puffs.empty()) return;
    const UINT quads = object.SetLayerQuadCount(0, UINT(puffs.size()));
    LayerWriter writer(object, 0, quads);
    const float alphaScale = float(colour1.Alpha()) / 255.0f;
    for (const Particle& puff : puffs) {
        PctQuad quad = BuildAxisQuad(puff.position, puff.axis1, puff.axis2, float(size.Value()) * puff.size);
        SetQuadColour(quad, VertexColour(colour1.Value(), puff.alpha * alphaScale));
        writer.Put(quad);
    }
}

void QV_Smoke::Render(QV_2D_Light& layer, QV_ParticlesObj& object) {
    IDirect3DTexture9* texture = GetLayerTexture(0);
    if (object.QuadCount(0) == 0 || !texture) return;
    CurrentDevice->SetTexture(0, texture);
    layer.DrawColouredMesh(object.Layer(0), Effect(), 2 * object.QuadCount(0), 0.0f);
}

bool QV_Smoke::NeedsBackground() { return false; }

QV_TexParticleGenerator* QV_Smoke::Clone() const { return new QV_Smoke(*this); }

Particle QV_Smoke::CreateParticle() {
    Particle puff = QV_ParticleOriginGenerator::CreateParticle();
    puff.acceleration = D3DXVECTOR3(wind.Result(), 0.0f, 0.0f);
    const float life = puff.life;
    puff.AddModifier({Kind::Motion});
    // A puff of no lifetime lives one step: it does not grow, rather than grow without end.
    puff.AddModifier({Kind::Growth, life > 0.0f ? 1.0f / life : 0.0f});
    puff.size = kStartSize;
    puff.AddModifier({Kind::FadeIn, kFadeInRate * TimeLine().GetOpacity(), kFadeInShare * life});
    puff.alpha = 0.0f;
    puff.AddModifier({Kind::FadeOut, kFadeOutRate, life});
    puff.AddModifier({Kind::Spin, SharedRandom::NextUnit() * kSpinRange - kSpinRange / 2});
    D3DXMATRIX start;
    D3DXMatrixRotationZ(&start, DegreesToRadians(SharedRandom::NextUnit() * kFullTurn));
    puff.axis1 = Turned(D3DXVECTOR3(1.0f, 0.0f, 0.0f), start);
    puff.axis2 = Turned(D3DXVECTOR3(0.0f, 1.0f, 0.0f), start);
    return puff;
}
