#pragma once
// Application and elapsed time in seconds, from the performance counter when the system
// has one, else from the millisecond clock.
#include "shell/ShellPlatform.h"

class FrameTimer {
public:
    explicit FrameTimer(ShellPlatform& platform) : platform_(platform) {}

    void Start();
    float ApplicationTime();  // since Start
    float ElapsedTime();      // since the previous ElapsedTime, the first since Start
    float AbsoluteTime();     // the clock reading itself

private:
    double Now();

    ShellPlatform& platform_;
    bool decided_ = false;
    bool useCounter_ = false;
    LONGLONG frequency_ = 0;
    double start_ = 0;
    double lastElapsed_ = 0;
};
