#include "player/PictureLayout.h"

#include "player/PictureView.h"
#include "player/RenderTargetPair.h"

namespace {
// W × (p − low) / (high − low).
float AcrossQuad(float p, float low, float high, int32_t size) {
    const float span = high - low;
    return span != 0.0f ? float(size) * (p - low) / span : 0.0f;
}

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

D3DXVECTOR3 MapRectToScreen(float x, float y, float z) {
    const PictureLayout& layout = CurrentPictureLayout();
    const ScreenQuad& quad = layout.fittedQuad;
    const PictureView& view = GetPictureView();
    const float inPictureX = AcrossQuad(x, quad.Left(), quad.Right(), layout.pictureWidth);
    const float inPictureY = AcrossQuad(y, quad.Top(), quad.Bottom(), layout.pictureHeight);
    return D3DXVECTOR3(inPictureX * view.InverseZoomX() - view.ZoomOffsetX(),
                       inPictureY * view.InverseZoomY() - view.ZoomOffsetY(), z);
}
