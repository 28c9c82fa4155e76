#include "player/PictureMapping.h"

#include "document/MediaRectangle.h"
#include "document/PictureLayout.h"
#include "player/PictureView.h"

namespace {
// W × (p − low) / (high − low).
float AcrossQuad(float p, float low, float high, int32_t size) {
    const float span = high - low;
    return span != 0.0f ? float(size) * (p - low) / span : 0.0f;
}
}  // namespace

D3DXVECTOR3 MapRectToScreen(float x, float y, float z) {
    const PictureLayout& layout = CurrentPictureLayout();
    const ScreenQuad& quad = layout.fittedQuad;
    const PictureView& view = GetPictureView();
    const float inPictureX = AcrossQuad(x, quad.Left(), quad.Right(), layout.pictureWidth);
    const float inPictureY = AcrossQuad(y, quad.Top(), quad.Bottom(), layout.pictureHeight);
    return D3DXVECTOR3(inPictureX * view.InverseZoomX() - view.ZoomOffsetX(),
                       inPictureY * view.InverseZoomY() - view.ZoomOffsetY(), z);
}

bool ContainsWindowPoint(const MediaRectangle& rectangle, float x, float y) {
    const PictureLayout& layout = CurrentPictureLayout();
    const D3DXVECTOR3 point = MapRectToScreen(x * layout.scaleX, y * layout.scaleY, 0.0f);
    return rectangle.ContainsPicturePoint(point.x, point.y);
}
