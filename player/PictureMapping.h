#pragma once
// Points of the layer's window and of the back buffer taken into pixels of the background
// picture, through the published picture layout and the picture view's zoom.
#include <d3dx9math.h>

class MediaRectangle;

// A point in back-buffer pixels mapped into picture pixels: through the fitted quad, then
// with the picture view's zoom undone (the camera is not); z is kept. A fitted quad without
// width or height maps its axis to 0 rather than dividing by zero.
D3DXVECTOR3 MapRectToScreen(float x, float y, float z);

// Whether a point of the layer's window lies inside the rectangle: scaled to back-buffer
// pixels by the picture layout, then mapped into picture pixels (MapRectToScreen).
bool ContainsWindowPoint(const MediaRectangle& rectangle, float x, float y);
