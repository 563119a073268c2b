// A music-font glyph placed in the page frame by scaling each axis and moving.
#pragma once

#include "library/outline_glyphs.h"
#include "paint/page_frame.h"

// Glyph point (gx, gy) lands at (x + scaleX gx, y + scaleY gy).
struct GlyphPlacement {
  double x = 0;
  double y = 0;
  double scaleX = 1;
  double scaleY = 1;

  PagePoint map(OutlinePoint p) const { return {x + scaleX * p.x, y + scaleY * p.y}; }
};

// The placement that puts the glyph's box at [left, right] x [bottom, top];
// a box of no width or height maps with scale 0 on that axis.
GlyphPlacement fitGlyph(const OutlineGlyph& glyph, double left, double right, double bottom,
                        double top);
