#pragma once
// The random cycle of a time line: hidden → fading in → visible → fading out → hidden ...,
// and the object's local time.
#include <array>
#include <memory>

#include "document/AnimationState.h"

class QV_TimeLineControl;

class AnimationStateCycle {
public:
    AnimationStateCycle();

    // Steps the cycle with the slide time t (seconds) and returns the local time.
    static float LocalTime(const QV_TimeLineControl& timeLine, AnimationStateCycle& cycle, float t);
    // Back to hidden with every time at 0 (slide start).
    void Reset();

    const AnimationState& Current() const { return *states_[current_]; }
    float Last() const { return last_; }
    float Local() const { return local_; }

private:
    enum Position { kHidden, kFadeIn, kVisible, kFadeOut, kStates };

    // Moves on by one state when t has passed the current state's end.
    void Advance(float t, const QV_TimeLineControl& timeLine);
    // How fast the local time runs: 1 in mode 0, else the current opacity.
    float RateOpacity(const QV_TimeLineControl& timeLine) const;

    float last_ = 0.0f;
    float local_ = 0.0f;
    std::array<std::unique_ptr<AnimationState>, kStates> states_;
    int current_ = kHidden;
};
