#pragma once
// Pictures for the 3D objects: the clock's dial and hands of the built-in module, and the
// default scene's butterfly wing, leaf and meadow. Transparent outside their shapes.
#include "Image.h"

namespace pictures {

// A round ivory face with twelve hour marks and a red mark at 12 o'clock at the top.
Image ClockDial(int size);
// A dark, opaque disc: the texture the flat hands take.
Image ClockHands(int size);
// A wing whose hinge is the left edge and whose front is the top: orange with dark veins,
// a black rim and white spots.
Image ButterflyWingPicture(int size);
// An autumn leaf pointing up and down the picture, with its midrib down the middle.
Image LeafPicture(int size);
// A summer meadow under a pale sky, with flowers in the grass.
Image Meadow(int width, int height);

}  // namespace pictures
