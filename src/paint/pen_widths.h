// The device widths a surface draws the drawing calls' pens with at a
// view's resolution and zoom: SCORE's printed weights once they are wider
// than a device pixel, else the one-pixel pen of the screen drawing.
#pragma once

#include "paint/drawing_surface.h"
#include "view/view.h"

struct PenWidths {
  double line = 0;        // the one-pixel pen's lines; 0 draws them one device pixel wide
  double ledgerLine = 0;  // the same pen under PenWeight::kLedgerLine
  // Added to a wide pen: SCORE outlines its heavy bars with its line.
  double wideOutline = 0;

  // The width of the one-pixel pen's lines under a weight (0: one pixel).
  double of(PenWeight weight) const { return weight == PenWeight::kLedgerLine ? ledgerLine : line; }
};

// SCORE's weights at the view's resolution and zoom, each 0 where it is not
// wider than a pixel. Polygon outlines are not among them: SCORE fills its
// beams without one, and the library glyphs already have the printed ink.
PenWidths penWidths(const ViewState& view);
