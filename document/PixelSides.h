#pragma once
// A rectangle's four sides in picture pixels, read once for code that tests many points
// against it.
struct PixelSides {
    float left = 0.0f;
    float right = 0.0f;
    float top = 0.0f;
    float bottom = 0.0f;
};
