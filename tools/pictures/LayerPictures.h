#pragma once
// The built-in module's pictures for the effect backgrounds: the glass ball's overlays and
// stand, and the strip of glyphs that fall over a picture. Transparent around their shapes.
#include "Image.h"

namespace pictures {

// A soft white highlight at the ball's upper left, over the ball's whole square.
Image GlassHighlight(int size);
// A pale reflection along the ball's rim, brightest low down, over the ball's whole square.
Image GlassRim(int size);
// A dark bronze stand whose cradle hugs the bottom of the ball above it (about 2.48:1).
Image GlassStand(int width, int height);
// `glyphs` white glyphs on transparent, one above the other in bands of equal height; the
// strip is width × (glyphs − 2) high, so that height / width + 2 counts its bands.
Image GlyphStrip(int width, int glyphs);

}  // namespace pictures
