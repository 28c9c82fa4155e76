#include "objects/AC_ClockArrow.h"

#include "objects/LocalClock.h"
#include "objects/Rotations.h"
#include "player/QV_Frame.h"

float ClockHandAngle(bool hourHand, const std::tm& time) {
    if (hourHand) return (float(time.tm_hour % 12) + float(time.tm_min) / 60.0f) * 30.0f;
    return (float(time.tm_sec) / 60.0f + float(time.tm_min)) * 6.0f;
}

void AC_ClockArrow::Animate(QV_Frame& frame) {
    std::tm now = {};
    if (ReadLocalTime(now)) angle_ = ClockHandAngle(mode_ == kHourHand, now);
    frame.world = frame.local * RotationY(angle_);
}
