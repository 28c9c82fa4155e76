#include "document/ScreenQuad.h"

#include "document/TextureEntry.h"
#include "base/RenderTargetPair.h"

ScreenQuad ScreenQuad::FromRect(float left, float top, float width, float height) {
    ScreenQuad quad;
    quad.corners[ScreenQuad::kBottomLeft].x = left;
    quad.corners[ScreenQuad::kBottomLeft].y = top + height;
    quad.corners[ScreenQuad::kTopLeft].x = left;
    quad.corners[ScreenQuad::kTopLeft].y = top;
    quad.corners[ScreenQuad::kBottomRight].x = left + width;
    quad.corners[ScreenQuad::kBottomRight].y = top + height;
    quad.corners[ScreenQuad::kTopRight].x = left + width;
    quad.corners[ScreenQuad::kTopRight].y = top;
    return quad;
}

ScreenQuad ScreenQuad::FitImage(const TextureEntry& picture, float a, float b) {
    // A picture without a size, or an empty area, fills the area rather than divide by zero.
    if (picture.width == 0 || picture.height == 0 || a <= 0.0f || b <= 0.0f) return FromRect(0, 0, a, b);
    const float e = float(picture.height) / float(picture.width);
    if (b / a < e) {
        const float fittedWidth = b / e;
        return FromRect((a - fittedWidth) / 2, 0, fittedWidth, b);
    }
    const float fittedHeight = a * e;
    return FromRect(0, (b - fittedHeight) / 2, a, fittedHeight);
}

ScreenQuad ScreenQuad::Scaled(const ScreenQuad& quad, float sx, float sy) {
    ScreenQuad scaled = quad;
    for (Corner& corner : scaled.corners) {
        corner.x *= sx;
        corner.y *= sy;
    }
    return scaled;
}

ScreenQuad ScreenQuad::ScaleToBackBuffer(const ScreenQuad& quad, float a, float b) {
    if (a <= 0.0f || b <= 0.0f) return quad;
    const D3DSURFACE_DESC desc = GetBackBufferDesc();
    return Scaled(quad, float(desc.Width) / a, float(desc.Height) / b);
}

ScreenQuad ScreenQuad::FitBackBuffer() {
    const D3DSURFACE_DESC desc = GetBackBufferDesc();
    return FromRect(0, 0, float(desc.Width), float(desc.Height));
}
