#include "document/MediaSpeedParam.h"

#include <algorithm>

void MediaSpeedParam::Advance(float now) {
    if (last_ > now) last_ = now;
    dt_ = std::min(now - last_, kMaxStep) * Result();
    time_ = time_ + dt_;
    last_ = now;
}
