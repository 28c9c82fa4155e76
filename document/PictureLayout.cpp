#include "document/PictureLayout.h"

#include "base/RenderTargetPair.h"

namespace {
PictureLayout& PublishedLayout() {
    static PictureLayout layout;
    return layout;
}
}  // namespace

const PictureLayout& CurrentPictureLayout() { return PublishedLayout(); }

void PublishPictureLayout(const ScreenQuad& fittedQuad, float layerWidth, float layerHeight,
                          int32_t pictureWidth, int32_t pictureHeight) {
    const D3DSURFACE_DESC backBuffer = GetBackBufferDesc();
    const float backBufferWidth = float(backBuffer.Width);
    const float backBufferHeight = float(backBuffer.Height);
    PictureLayout& layout = PublishedLayout();
    // A layer without a size has no scale yet.
    layout.scaleX = layerWidth != 0.0f ? backBufferWidth / layerWidth : 0.0f;
    layout.scaleY = layerHeight != 0.0f ? backBufferHeight / layerHeight : 0.0f;
    layout.fittedQuad = fittedQuad;
    layout.pictureWidth = pictureWidth;
    layout.pictureHeight = pictureHeight;
}
