#pragma once
// A speed setting with its own clock: owners use its time as an animation phase.
#include "document/UINTSclaleTo.h"

class MediaSpeedParam : public UINTSclaleTo<float> {
public:
    // The longest step one call may take, in seconds.
    static constexpr float kMaxStep = 0.2f;

    // Advances the clock to `now` (seconds) by at most kMaxStep × result; a clock that went
    // back restarts from `now`.
    void Advance(float now);

    // Local time and last time back to 0: the clock starts again.
    void RestartClock() {
        time_ = 0.0f;
        last_ = 0.0f;
    }
    float Step() const { return dt_; }
    float Time() const { return time_; }
    float Last() const { return last_; }
    // Value, scale, offset and the clock of another speed, observers notified of the value.
    void CopyFrom(const MediaSpeedParam& other) {
        dt_ = other.dt_;
        time_ = other.time_;
        last_ = other.last_;
        UINTSclaleTo<float>::CopyFrom(other);
    }

private:
    float dt_ = 0.0f;
    float time_ = 0.0f;
    float last_ = 0.0f;
};
