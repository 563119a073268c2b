// The numbers slurs carry: the tuplet number of a slur with P16 and the
// "1." / "2." of an ending bracket (P8 = 1 or 2). The slur painter finds
// where they go; this draws them as SCORE prints them.
#pragma once

#include <cstdint>
#include <string>

#include "paint/drawing_surface.h"

struct View;

enum class SlurNumberStyle : uint8_t {
  kTuplet,  // Times-Italic at 0.875 of text size 1, centred on x
  kEnding,  // Times-Roman at text size 1, starting at x, followed by a period
};

// Draws text (the digits) with its baseline at y; x and y are device pixels.
// staffSize is z of the slur's staff (sizes scale with it). Draws nothing
// for empty text or a size or position that is not finite.
void drawSlurNumber(DrawingSurface& surface, const View& view, const std::string& text, double x,
                    double y, SlurNumberStyle style, double staffSize);
