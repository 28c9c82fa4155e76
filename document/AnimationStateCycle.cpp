#include "document/AnimationStateCycle.h"

#include "document/QV_TimeLineControl.h"

AnimationStateCycle::AnimationStateCycle()
    : states_{std::make_unique<AnimationState_Invisible>(), std::make_unique<AnimationState_FadeIn>(),
              std::make_unique<AnimationState>(), std::make_unique<AnimationState_FadeOut>()} {}

float AnimationStateCycle::LocalTime(const QV_TimeLineControl& timeLine, AnimationStateCycle& cycle,
                                     float t) {
    float dt = t - cycle.last_;
    cycle.last_ = t;
    if (timeLine.Mode().Value() == QV_TimeLineControl::kRandomCycle) cycle.Advance(t, timeLine);
    if (timeLine.TimeMode().Value() == QV_TimeLineControl::kRunAtOpacity)
        dt = dt * cycle.RateOpacity(timeLine);
    cycle.local_ = cycle.local_ + dt;
    return cycle.local_;
}

void AnimationStateCycle::Reset() {
    local_ = 0.0f;
    last_ = 0.0f;
    for (auto& state : states_) state->ClearEnd();
    current_ = kHidden;
}

void AnimationStateCycle::Advance(float t, const QV_TimeLineControl& timeLine) {
    if (!(t > states_[current_]->End())) return;
    current_ = (current_ + 1) % kStates;
    states_[current_]->Enter(t, timeLine);
}

float AnimationStateCycle::RateOpacity(const QV_TimeLineControl& timeLine) const {
    if (timeLine.Mode().Value() == QV_TimeLineControl::kAlwaysVisible) return 1.0f;
    return states_[current_]->Opacity(last_);
}
