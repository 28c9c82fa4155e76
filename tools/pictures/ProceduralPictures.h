#pragma once
// The project's own pictures, drawn from code so that every build makes the same bytes.
#include "Image.h"

namespace pictures {

// A dusk sky over dark hills with a low sun: the default background picture.
Image DuskLandscape(int width, int height);
// A soft dark vignette frame: what the picture view shows around a letterboxed picture.
Image BorderShade(int width, int height);
// A night harbour: a starry sky, a moon and its reflection on rippled water (wide pictures).
Image NightHarbour(int width, int height);
// A tall pale tower under green aurora bands (portrait pictures).
Image AuroraTower(int width, int height);
// A stormy night over dark hills with two lattice towers, each topped by a metal ball at
// (0.3, 0.36) and (0.7, 0.36) of the picture: the shader-sprite slide's picture.
Image TeslaNight(int width, int height);
// A soft violet orb with rays on black: the splash picture.
Image GlowOrb(int size);
// A smooth height field of overlapping waves: the built-in texture (a normal-map source).
Image WaveField(int size);
// An evening lake: a warm sky with a low sun over dark hills, the still lake below the
// horizon at 0.6 of the height, a meadow in the near left corner (the brush slide's picture).
Image EveningLake(int width, int height);
// The normals of a tileable field of crossing ripples, xyz as 0..255 colours: the water brush's
// bump map.
Image WaterNormals(int size);
// One frame of a tileable pattern tile: a four-petalled flower on a transparent ground, turned
// a little further in each frame.
Image PatternTile(int size, int frame, int frames);
// A brush mask: opaque white inside the ellipse (centre and radii as fractions of the
// picture), fading to black over the outer `soft` fraction of the radii.
Image EllipseMask(int width, int height, double cx, double cy, double rx, double ry, double soft);
// Vertical gradient between two colours with horizontal bands, for test and scene variety.
Image BandedGradient(int width, int height, const uint8_t top[3], const uint8_t bottom[3], int bands);

}  // namespace pictures
