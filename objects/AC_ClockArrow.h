#pragma once
// One hand of a clock, turned by the local wall-clock time in the dial's plane.
#include <ctime>

#include "player/QV_AnimationBase.h"

// Degrees clockwise from 12 o'clock: the hour hand moves with the minutes, the minute hand
// with the seconds.
float ClockHandAngle(bool hourHand, const std::tm& time);

class AC_ClockArrow : public QV_AnimationBase {
public:
    enum Mode : unsigned char { kMinuteHand = 0, kHourHand = 1 };

    explicit AC_ClockArrow(Mode mode) : mode_(mode) {}
    // world := local × rotation about Y by the hand's angle. When the time cannot be read
    // the hand keeps its last angle: leaving the world matrix as it was would multiply the
    // dial's matrix into it once more every frame.
    void Animate(QV_Frame& frame) override;

    Mode HandMode() const { return mode_; }

private:
    Mode mode_;
    float angle_ = 0.0f;
};
