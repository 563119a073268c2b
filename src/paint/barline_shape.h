// Barlines (code 14) in the complete drawing: thin and thick bars, repeat
// dots, dashed bars, and where the brace and the square bracket go.
#pragma once

#include <span>
#include <vector>

#include "paint/page_frame.h"

// The parameters of a code-14 item that shape it; absent ones are 0.
struct BarlineItem {
  float p3 = 0;   // x
  float p5 = 0;   // kind
  float p8 = 0;   // dash (kind 7) or bracket part (kind 9)
  float p9 = 0;   // gap between dashes (kind 7)
  float p15 = 0;  // horizontal offset in units
};

struct ThickBar {
  double left;
  double right;
};

struct BarlineShape {
  double bottom = 0;         // all bars run from here
  double top = 0;            // to here
  std::vector<double> thin;  // x of each thin bar
  std::vector<ThickBar> thick;
  std::vector<PagePoint> dots;  // repeat-dot centres
  double dotRadius = 0;
  double dash = 0;  // thin bars are dashed when both are positive
  double gap = 0;
  bool brace = false;  // a curved brace left of braceX, bottom to top
  double braceX = 0;
  // Square bracket end pieces: the top (bottom) end of the bracket's bar,
  // where its left edge meets the end, and the glyph scale for them.
  bool tipUp = false;
  bool tipDown = false;
  PagePoint tipUpAt;
  PagePoint tipDownAt;
  double tipScale = 0;  // page length per glyph unit of the music font
};

// The shape of a barline at x = P3 + P15 from bottom to top; staves are the
// staves it spans, lowest first (the lowest sets the horizontal distances,
// each staff gets its own repeat dots). Kinds that SCORE does not define
// draw nothing.
BarlineShape barlineShape(const BarlineItem& item, double bottom, double top,
                          std::span<const StaffFrame> staves);
