#include "objects/QV_ExplosionConstructor.h"

#include <algorithm>
#include <cmath>

#include "document/AnimationState.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"
#include "objects/SpriteParticle.h"

namespace {

constexpr unsigned int kDefaultSize = 250;
constexpr unsigned int kDefaultTimeScale = 100;
constexpr float kScrollSpeedScale = 0.005f;
constexpr unsigned int kDefaultScrollSpeed = 50;  // 0.25

D3DXVECTOR2 NextRandomPair() {
    const float x = SharedRandom::NextUnit();
    const float y = SharedRandom::NextUnit();
    return D3DXVECTOR2(x, y);
}

}  // namespace

QV_ExplosionConstructor::QV_ExplosionConstructor() {
    noise1.SetScaled(21, -0.01f, 1.0f);
    noise2.SetScaled(15, 0.01f);
    noise3.SetScaled(42, 0.01f);
    scrollSpeed.SetScaled(kDefaultScrollSpeed, kScrollSpeedScale);
    direction.UpdateAxes();
    size.SetSilently(kDefaultSize);
    TimeScale().SetSilently(kDefaultTimeScale);
}

QV_ExplosionConstructor::Phases QV_ExplosionConstructor::PhasesAt(int state, float opacity) {
    switch (state) {
        case AnimationState::kHidden: return {0.0f, 0.0f, 0.0f};
        case AnimationState::kFadingIn: return {0.25f + 0.75f * opacity, 0.0f, (1.0f - opacity) * 2.0f};
        case AnimationState::kFadingOut: return {1.0f, 1.0f - opacity, 0.0f};
        default: return {1.0f, 0.0f, 0.0f};
    }
}

void QV_ExplosionConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_ExplosionConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_ExplosionConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_ExplosionConstructor", kRecordVersion));
}

void QV_ExplosionConstructor::Fields(FieldArchive ar) {
    for (UINTSclaleTo<float>* noise : {&noise1, &noise2, &noise3}) ar.Notified(*noise);
    ar.Param(direction);
    ar.Notified(scrollSpeed);
    uint32_t timings[5] = {};
    if (ar.Version() < 2)
        for (uint32_t& milliseconds : timings) ar.Value(milliseconds);
    ar.Param(seed);
    ar.Param(randomFlag);
    ar.Param(colour2);
    QV_StatBaseFXCtrl::TaggedFields(ar);
    if (ar.Version() < 2) MoveLegacyTimings(timings);
}

void QV_ExplosionConstructor::MoveLegacyTimings(const uint32_t timings[5]) {
    QV_TimeLineControl& line = TimeLine();
    line.FadeIn().Assign(timings[0] / 10, nullptr);
    line.VisibleMin().SetSilently(timings[1] / 10);
    line.VisibleMax().SetSilently(timings[1] / 10);
    line.FadeOut().Assign(timings[2] / 10, nullptr);
    // Summed wider than 32 bits: two large parts must not wrap to a short pause.
    const unsigned int hidden = unsigned((uint64_t(timings[3]) + timings[4]) / 10);
    line.HiddenMin().SetSilently(hidden);
    line.HiddenMax().SetSilently(hidden);
    line.Mode().SetSilently(QV_TimeLineControl::kRandomCycle);
}

void QV_ExplosionConstructor::ResetTimeLine() {
    QV_StatBaseFXCtrl::ResetTimeLine();
    RestartNoise();
}

void QV_ExplosionConstructor::RestartNoise() {
    noiseBase = noiseTarget = D3DXVECTOR2(0.0f, 0.0f);
    targetCount = 1;
    scrollSpeed.RestartClock();
}

QV_ExplosionConstructor* QV_ExplosionConstructor::Clone() const {
    auto* copy = new QV_ExplosionConstructor(*this);
    copy->direction.UpdateAxes();
    return copy;
}

void QV_ExplosionConstructor::Prepare() {
    QV_StatBaseFXCtrl::Prepare();
    gradientTexture = CurrentFrameOfLink(image.Value());
    noiseTexture = CurrentFrameOfLink(secondImage.Value());
    NewNoiseTargets();
}

void QV_ExplosionConstructor::NewNoiseTargets() {
    if (randomFlag.Value() != 0) {
        noiseTarget = NextRandomPair();
        return;
    }
    // The target count-th pair after the seed; the pairs before it are stepped over at once
    // (the count grows by one a second, and the generator's period is 2^32 draws).
    SharedRandom::Seed(seed.Value());
    SharedRandom::Skip(2 * (targetCount - 1));
    noiseTarget = NextRandomPair();
    ++targetCount;
}

void QV_ExplosionConstructor::UpdateParticle(SpriteParticle& sprite) {
    scrollSpeed.Advance(ScaledTime());
    const QV_TimeLineControl& line = TimeLine();
    const int state = line.GetState();
    const float opacity = line.GetOpacity();
    if (state == AnimationState::kHidden) RestartNoise();
    sprite.position = position.Value();
    if (state == AnimationState::kFadingIn) {
        sprite.alpha = std::min(5.0f * opacity, 1.0f);
        sprite.UpdateColor(*this);
    }
    sprite.halfWidth = sprite.halfHeight = float(size.Value() / 2) * PhasesAt(state, opacity).scale;
}

bool QV_ExplosionConstructor::BeforeDraw(QV_2D_Light&) {
    float whole = 0.0f;
    const float fraction = std::modf(ScaledTime(), &whole);
    if (lastWholeSecond < whole) {
        noiseBase = noiseTarget;
        NewNoiseTargets();
        lastWholeSecond = whole;
    }
    if (!effect || !gradientTexture || !noiseTexture) return false;
    SetShaderParams(*effect.Get(), fraction);
    return true;
}

void QV_ExplosionConstructor::SetShaderParams(ID3DXEffect& e, float fraction) const {
    float color1[3], color2[3];
    for (int i = 0; i < 3; ++i) {
        color1[i] = ColourChannel(colour.Value(), i);
        color2[i] = ColourChannel(colour2.Value(), i);
    }
    const float noiseParams[3] = {noise1.Result(), noise2.Result(), noise3.Result()};
    const float L = scrollSpeed.Time();
    const D3DXVECTOR2 shift(-direction.FirstAxis().x * L, direction.FirstAxis().y * L);
    const float noiseShift[4] = {noiseBase.x + shift.x, noiseBase.y + shift.y, shift.x + noiseTarget.x,
                                 shift.y + noiseTarget.y};
    const float time[2] = {fraction, 1.0f - fraction};
    const QV_TimeLineControl& line = TimeLine();
    const Phases phases = PhasesAt(line.GetState(), line.GetOpacity());
    const float burnOut[2] = {phases.burnOut, 1.0f - phases.burnOut};
    e.SetTechnique("Main");
    e.SetTexture("GradientTex", gradientTexture.Get());
    e.SetTexture("NoiseTex", noiseTexture.Get());
    e.SetFloatArray("color1", color1, 3);
    e.SetFloatArray("color2", color2, 3);
    e.SetFloatArray("noise_shift", noiseShift, 4);
    e.SetFloatArray("noise_params", noiseParams, 3);
    e.SetFloatArray("time", time, 2);
    e.SetFloatArray("phase_3rd", burnOut, 2);
    e.SetFloat("phase_1st", phases.ignition);
}
