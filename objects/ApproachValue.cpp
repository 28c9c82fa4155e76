#include "objects/ApproachValue.h"

#include <cmath>

void ApproachValue::Step(float dt) {
    if (value == target) return;
    value += dt * rate;
    if ((rate > 0.0f && value > target) || (rate < 0.0f && value < target)) value = target;
}

void ApproachValue::SetTarget(float newTarget, float newRate) {
    const float magnitude = newRate != 0.0f ? std::fabs(newRate) : std::fabs(rate);
    target = newTarget;
    rate = target > value ? magnitude : -magnitude;
}
