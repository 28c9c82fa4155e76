#pragma once
// Angle, rounding and truncation conventions shared by every object.
#include <climits>
#include <cmath>

// π as the single-precision value 3.1415927410125732.
constexpr float kSinglePi = 3.14159265358979323846f;

// degrees × π / 180, in single precision.
inline float DegreesToRadians(float degrees) { return degrees * kSinglePi / 180.0f; }

// The nearest integer in the processor's current rounding mode (ties to even by default).
inline int RoundToInt(float value) { return static_cast<int>(std::lrintf(value)); }

// A stored float kept within [−limit, limit]; NaN and the infinities become `fallback`.
inline float WithinOrDefault(float value, float limit, float fallback) {
    if (!std::isfinite(value)) return fallback;
    return value < -limit ? -limit : value > limit ? limit : value;
}

// Truncation toward zero; a value outside the int range (or NaN) gives INT_MIN, as the
// processor's own conversion does, instead of undefined behaviour.
inline int TruncateToInt(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0)) return INT_MIN;
    return static_cast<int>(value);
}
