#pragma once
// The pictures of the particle-generator slide: its stormy background and the textures of the
// smoke, the lightning and the reeds, drawn from code.
#include "Image.h"

namespace pictures {

// A stormy night moor: heavy clouds, dark hills, a cottage with a lit window and a chimney
// whose top stands at (0.7425, 0.545) of the picture's width and height.
Image StormyMoor(int width, int height);
// A soft round puff, light grey, clear at its rim.
Image SmokePuff(int size);
// A bolt texture: even along u (it repeats along the bolt), bright in the middle across v and
// clear at both edges; `spread` is the part of the height that the light covers.
Image BoltStroke(int width, int height, double spread);
// A round glow spot, clear at its rim.
Image GlowSpot(int size);
// Reeds rising from the middle of the bottom edge on a clear ground, thinning to their tips.
Image Reeds(int width, int height);

}  // namespace pictures
