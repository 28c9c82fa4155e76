#include "document/AnimationState.h"

#include "document/QV_TimeLineControl.h"

namespace {
// (t − start) / (end − start), unclamped; a fade of no length is complete.
float FadeProgress(float t, float start, float end) {
    if (end == start) return 1.0f;
    return (t - start) / (end - start);
}
}  // namespace

float AnimationState::Opacity(float) const { return 1.0f; }

void AnimationState::Enter(float t, const QV_TimeLineControl& timeLine) {
    end_ = t + timeLine.DrawVisibleDuration();
}

float AnimationState_Invisible::Opacity(float) const { return 0.0f; }

void AnimationState_Invisible::Enter(float t, const QV_TimeLineControl& timeLine) {
    end_ = t + timeLine.DrawHiddenDuration();
}

float AnimationState_FadeIn::Opacity(float t) const { return FadeProgress(t, start_, end_); }

void AnimationState_FadeIn::Enter(float t, const QV_TimeLineControl& timeLine) {
    start_ = t;
    end_ = t + timeLine.FadeIn().Result();
}

float AnimationState_FadeOut::Opacity(float t) const {
    return 1.0f - FadeProgress(t, start_, end_);
}

void AnimationState_FadeOut::Enter(float t, const QV_TimeLineControl& timeLine) {
    start_ = t;
    end_ = t + timeLine.FadeOut().Result();
}
