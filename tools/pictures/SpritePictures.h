#pragma once
// The pictures sprite systems draw: shapes in white or their own colours on transparent
// pixels, so that a sprite's colour tints them and its alpha fades them.
#include <vector>

#include "Image.h"

namespace pictures {

// A round spot that fades from its centre out.
Image SoftDot(int size);
// A thin vertical streak, brightest in its lower half.
Image Drop(int width, int height);
// A fish seen from the side, facing right.
Image FishSilhouette(int width, int height);
// A bird with spread wings, seen from below.
Image BirdSilhouette(int width, int height);
// A pale ghost with a wavy hem and two dark eyes.
Image Ghost(int width, int height);
// One blade of grass rising from the bottom edge.
Image GrassBlade(int width, int height);
// A flower on its stem, the stem's foot at the bottom centre.
Image Flower(int width, int height);
// A tall light shaft, soft at its sides and ends.
Image LightRay(int width, int height);
// A round cloud puff, soft all round.
Image FogPuff(int size);
// A lightning flash: a jagged bolt with its glow.
Image Flash(int width, int height);
// `frames` different jagged bolts side by side, each frameWidth × height.
Image BoltSheet(int frameWidth, int height, int frames);
// A four-pointed star whose points grow and shrink with `phase` (0 to 1): frames of a
// twinkling star.
Image TwinkleFrame(int size, double phase);
// Two jagged bolts from left to right, one above the other (v 0 to 0.5 and 0.5 to 1), each a
// white core in a blue halo on transparent pixels. The ends taper in u 0 to 0.195 and 0.805
// to 1; between them each bolt meets the middle height at both edges, so middle pieces join
// end to end. `thickness` scales the core and the halo.
Image BoltStrip(int width, int height, double thickness);
// The colours of fire from left (cool, transparent dark red) to right (white hot, opaque).
Image FireGradient(int width, int height);
// Grey value noise that tiles in both directions.
Image NoiseTile(int size);

}  // namespace pictures
