#include "shell/FrameTimer.h"

double FrameTimer::Now() {
    if (!decided_) {
        useCounter_ = platform_.PerformanceFrequency(frequency_) && frequency_ > 0;
        decided_ = true;
    }
    if (useCounter_)
        return static_cast<double>(platform_.PerformanceCounter()) /
               static_cast<double>(frequency_);
    return static_cast<double>(platform_.Milliseconds()) * 0.001;
}

void FrameTimer::Start() {
    start_ = Now();
    lastElapsed_ = start_;
}

float FrameTimer::ApplicationTime() { return static_cast<float>(Now() - start_); }

float FrameTimer::ElapsedTime() {
    const double now = Now();
    const double elapsed = now - lastElapsed_;
    lastElapsed_ = now;
    return static_cast<float>(elapsed);
}

float FrameTimer::AbsoluteTime() { return static_cast<float>(Now()); }
