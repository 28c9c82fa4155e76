#pragma once
// A screen-space rectangle: four corners in the order bottom-left, top-left, bottom-right,
// top-right of screen pixels (y grows downwards, so "bottom" has the larger y).
struct ScreenQuad {
    struct Corner {
        float x;
        float y;
        float rhw;
        float u;
        float v;
    };
    enum CornerIndex { kBottomLeft, kTopLeft, kBottomRight, kTopRight, kCorners };

    Corner corners[kCorners] = {
        {0.0f, 0.0f, 1.0f, 0.0f, 1.0f},
        {0.0f, 0.0f, 1.0f, 0.0f, 0.0f},
        {0.0f, 0.0f, 1.0f, 1.0f, 1.0f},
        {0.0f, 0.0f, 1.0f, 1.0f, 0.0f},
    };
};
