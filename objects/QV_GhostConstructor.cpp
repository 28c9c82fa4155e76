#include "objects/QV_GhostConstructor.h"

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"

namespace {
constexpr unsigned int kLegacyFade = 150;  // hundredths of a second
}  // namespace

QV_GhostConstructor::QV_GhostConstructor() {
    pulseSpeed = 0.66f;
    transparency.Assign(50, nullptr);
    scaleMin = scaleMax = 1.0f;
    maxSpeedX = maxSpeedY = 50.0f;
    TimeLine().TimeMode().Assign(QV_TimeLineControl::kAlphaByOpacity, nullptr);
}

void QV_GhostConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_GhostConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_GhostConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_GhostConstructor", kRecordVersion));
}

void QV_GhostConstructor::Fields(FieldArchive ar) {
    QV_FishConstructor::TaggedFields(ar);
    if (ar.Version() >= 2) return;
    QV_TimeLineControl& timeLine = TimeLine();
    timeLine.Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
    for (auto* range : {&timeLine.HiddenMin(), &timeLine.HiddenMax(), &timeLine.VisibleMin(), &timeLine.VisibleMax()})
        range->Assign(0, nullptr);
    timeLine.FadeIn().Assign(kLegacyFade, nullptr);
    timeLine.FadeOut().Assign(kLegacyFade, nullptr);
}

void QV_GhostConstructor::InitParticle(SpriteParticle& sprite) {
    QV_FishConstructor::InitParticle(sprite);
    sprite.alpha = SharedRandom::NextUnit();
}

void QV_GhostConstructor::UpdateParticle(SpriteParticle& sprite) {
    QV_FishConstructor::UpdateParticle(sprite);
    const QV_TimeLineControl& timeLine = TimeLine();
    if (timeLine.GetState() == AnimationState::kHidden) InitParticle(sprite);
    // The drawn alpha follows the opacity twice: here and in ApplyTimeLineAlpha.
    sprite.alpha = timeLine.GetOpacity();
    sprite.UpdateColor(*this);
}

QV_ParticleSystemCtrl* QV_GhostConstructor::Clone() const { return new QV_GhostConstructor(*this); }
