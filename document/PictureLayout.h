#pragma once
// Where the fitted background picture lies on the back buffer, published by the background
// layer whenever it is resized and read by scene objects. One record for the process.
#include <cstdint>

#include "document/ScreenQuad.h"

struct PictureLayout {
    float scaleX = 0.0f;        // back-buffer width / layer width
    float scaleY = 0.0f;        // back-buffer height / layer height
    ScreenQuad fittedQuad;      // the fitted picture in back-buffer pixels
    int32_t pictureWidth = 0;   // W
    int32_t pictureHeight = 0;  // H
};

// The published record; all zero (and a default quad) before the first publication.
const PictureLayout& CurrentPictureLayout();
// The same record, by the name the scene objects use for it.
inline const PictureLayout& GetScreenInfo() { return CurrentPictureLayout(); }

// Publishes the fitted quad of a layer of layerWidth × layerHeight, its scale to the current
// device's back buffer, and the picture's own size.
void PublishPictureLayout(const ScreenQuad& fittedQuad, float layerWidth, float layerHeight,
                          int32_t pictureWidth, int32_t pictureHeight);
