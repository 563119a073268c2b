// Glyph outlines of an open font kept as curves: moves, lines and cubic
// Béziers, in font units with y upward.
#pragma once

#include <string>
#include <vector>

#include "glyph_outline.h"

enum class GlyphVerb { kMove, kLine, kCubic, kClose };  // a cubic takes three points

struct GlyphPath {
  std::vector<GlyphVerb> verbs;
  std::vector<FontPoint> points;
  // Exact bounds of the outline (curve extremes, not control points).
  double left = 0, bottom = 0, right = 0, top = 0;
  double advance = 0;
};

// The outline of the glyph called name; quadratic curves become the equal
// cubics. False with *error set when the font has no outline glyph of that name.
bool loadGlyphPath(const FontFile& font, const std::string& name, GlyphPath* path,
                   std::string* error);
