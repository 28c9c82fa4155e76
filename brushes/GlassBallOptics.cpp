#include "brushes/GlassBallOptics.h"

#include <cmath>

BallRefraction ComputeBallRefraction(unsigned ballSize, unsigned distortion, float scaleX, float visibleFractionY) {
    const float s = float(ballSize), d = float(distortion);
    const float backdropScale = scaleX * visibleFractionY;
    return {
        .eyeDistance = (-600.0f / (0.0075f * s + 0.25f)) / (backdropScale != 0.0f ? backdropScale : 1.0f),
        .refractionZoom = ((s * backdropScale / 100.0f) * 1.105f + 0.385f) * 1.05f * (1.0f + 0.5f * d / 100.0f),
        .panAmplitude = 0.125f + 0.5f * d * 0.125f / 100.0f,
    };
}

float RefractionShiftFactor(unsigned distortion) { return 1.5f - 0.01f * float(distortion / 2); }

float PanWave(float scrollPosition) {
    const float half = scrollPosition * 0.5f;
    const float f = half - std::floor(half);
    return 2.0f * std::fabs(2.0f * f - 1.0f) - 1.0f;
}

void ScrollClock::Advance(float t, float speed) {
    if (!started_) {
        lastTime_ = t;
        started_ = true;
    }
    position_ += (t - lastTime_) * speed * 0.0625f;
    lastTime_ = t;
}

ScrollClock& SharedScrollClock() {
    static ScrollClock clock;
    return clock;
}
