#pragma once
// A value that moves toward a target at a constant rate and stops there.
struct ApproachValue {
    float value = 0.0f;
    float target = 0.0f;
    float rate = 0.0f;  // per unit of time; its sign points at the target

    // value += dt × rate, never passing the target.
    void Step(float dt);
    // A rate of 0 keeps the current magnitude; the sign follows the target's side.
    void SetTarget(float newTarget, float newRate = 0.0f);
    bool Reached() const { return value == target; }
};
