// Music-font glyphs kept as curves, for the shapes the complete drawing takes
// from the fonts rather than from the symbol libraries: the arpeggio and
// trill wiggle elements and the curved brace. The definitions are generated
// at build time from the fonts.
#pragma once

#include <cstdint>
#include <span>

enum class OutlineVerb : uint8_t { kMove, kLine, kCubic, kClose };  // a cubic takes three points

// Font units, y upward.
struct OutlinePoint {
  float x;
  float y;
};

struct OutlineGlyph {
  std::span<const OutlineVerb> verbs;
  std::span<const OutlinePoint> points;
  // Exact bounds of the outline.
  float left;
  float bottom;
  float right;
  float top;
  float advance;
};

// One element of a vertical wavy line; elements repeat upward with the
// period trillElementGlyph().advance.
const OutlineGlyph& arpeggioGlyph();
// One element of a horizontal wiggle; elements repeat to the right with
// the period of its advance.
const OutlineGlyph& trillElementGlyph();
// The upper and lower end pieces of a square bracket, their origin at the
// top (bottom) end of its vertical bar's left edge.
const OutlineGlyph& bracketTipUpGlyph();
const OutlineGlyph& bracketTipDownGlyph();
// Curved braces of increasing height (and decreasing width for their height).
std::span<const OutlineGlyph> braceGlyphs();
