#pragma once
struct TextureEntry;

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

    // The centred letterbox rectangle of a picture in an area of a x b pixels.
    static ScreenQuad FitImage(const TextureEntry& picture, float a, float b);
    // Every x times sx, every y times sy.
    static ScreenQuad Scaled(const ScreenQuad& quad, float sx, float sy);
    // Every x times back-buffer width / a, every y times back-buffer height / b.
    static ScreenQuad ScaleToBackBuffer(const ScreenQuad& quad, float a, float b);
    // A rectangle with the default rhw and texture coordinates.
    static ScreenQuad FromRect(float left, float top, float width, float height);
    // The whole back buffer of the current device.
    static ScreenQuad FitBackBuffer();

    float Left() const { return corners[kTopLeft].x; }
    float Top() const { return corners[kTopLeft].y; }
    float Right() const { return corners[kBottomRight].x; }
    float Bottom() const { return corners[kBottomRight].y; }

    Corner corners[kCorners] = {
        {0.0f, 0.0f, 1.0f, 0.0f, 1.0f},
        {0.0f, 0.0f, 1.0f, 0.0f, 0.0f},
        {0.0f, 0.0f, 1.0f, 1.0f, 1.0f},
        {0.0f, 0.0f, 1.0f, 1.0f, 0.0f},
    };
};
