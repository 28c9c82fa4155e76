#pragma once
// The background picture's placement as a layer of the picture's own size publishes it: the
// picture fills the layer one to one.
namespace vgtest {

void PublishPictureSize(int width, int height);

}  // namespace vgtest
