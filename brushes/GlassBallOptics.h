#pragma once
// The numbers of the glass ball's small 3D scene as functions of its settings, and the scroll
// position every glass ball shares.

// The ball camera for a ball size (percent) and distortion, under the backdrop's x scale and
// visible height fraction.
struct BallRefraction {
    float eyeDistance;     // z of the eye; negative, in front of the ball (-600 by default)
    float refractionZoom;  // depth factor of the refracted mapping (1.5645 by default)
    float panAmplitude;    // of the to-and-fro pan, in texture units (0.125 by default)
};
BallRefraction ComputeBallRefraction(unsigned ballSize, unsigned distortion, float scaleX, float visibleFractionY);

// How strongly the ball's own position shifts what it shows: 1.5 less 0.01 for every unit of
// half the distortion (an integer halving).
float RefractionShiftFactor(unsigned distortion);

// The to-and-fro pan at a scroll position: a triangle wave from 1 down to -1 and back, one
// cycle every 2 units.
float PanWave(float scrollPosition);

// The scroll position: it advances by the time since the last scrolling frame times the speed
// and 0.0625, so at speed 1 a cycle of 2 units takes 32 seconds.
class ScrollClock {
public:
    // The first call only starts the clock.
    void Advance(float t, float speed);
    float Position() const { return position_; }

private:
    float position_ = 0.0f;
    float lastTime_ = 0.0f;
    bool started_ = false;
};

// One clock for the process: every glass ball on every screen scrolls together, and a second
// ball in the same frame adds nothing.
ScrollClock& SharedScrollClock();
