#pragma once
// A rectangle in back-buffer pixels: corners bottom-left, top-left, bottom-right, top-right
// (y grows downwards, so "bottom" has the larger y), each with rhw and a texture coordinate.
struct ScreenQuadCorner {
    float x, y, rhw, u, v;
};

struct ScreenQuad {
    ScreenQuadCorner corners[4] = {
        {0.0f, 0.0f, 1.0f, 0.0f, 1.0f},
        {0.0f, 0.0f, 1.0f, 0.0f, 0.0f},
        {0.0f, 0.0f, 1.0f, 1.0f, 1.0f},
        {0.0f, 0.0f, 1.0f, 1.0f, 0.0f},
    };
};
