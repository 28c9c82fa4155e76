#include "PublishedPicture.h"

#include "document/PictureLayout.h"
#include "document/ScreenQuad.h"

namespace vgtest {

void PublishPictureSize(int width, int height) {
    PublishPictureLayout(ScreenQuad::FromRect(0, 0, float(width), float(height)), float(width), float(height),
                         width, height);
}

}  // namespace vgtest
