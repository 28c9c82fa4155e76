#pragma once
// The built-in pictures of the fire brush and the flame background: flame patterns, noise
// and the shimmer's bump picture. All tile seamlessly in u (the noise and bump in v too).
#include "Image.h"

namespace pictures {

// Tongues of flame rising from the bottom edge: bright at the bottom, fading upwards, in the
// red channel (grey). `tongues` flames across the width.
Image FlamePattern(int width, int height, int tongues, unsigned seed);
// Smooth value noise over [0, 1] in every channel, tileable on both axes.
Image TileableNoise(int size, unsigned seed);
// Two independent tileable noises in red and green (0.5 is no push), blue 128.
Image ShimmerBump(int size);

}  // namespace pictures
