// The curved brace (barline P5 = 8): a brace glyph of the music font, chosen
// by its proportions and scaled to the extents SCORE's brace has.
#pragma once

#include <span>

#include "library/outline_glyphs.h"
#include "paint/glyph_placement.h"

struct BracePlacement {
  int glyph = -1;  // index into the glyphs offered
  GlyphPlacement placement;
};

// A brace left of x from bottom to top (page frame; unit = one horizontal
// unit, fullStep = one step of a size-1 staff). Its height H in full steps
// sets how far left it reaches: the tips at 0.428 + 0.0227 H units left of
// x, the bulge at 1.086 + 0.0534 H. The glyph whose proportions are nearest
// is taken. False (nothing to draw) for a brace of no height, one that is
// not finite, or when no glyph is offered.
bool bracePlacement(double x, double bottom, double top, double unit, double fullStep,
                    std::span<const OutlineGlyph> glyphs, BracePlacement* brace);
