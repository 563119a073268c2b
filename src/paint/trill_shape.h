// Trills, ottavas and pedal lines (code 7): from the end of the sign
// (layout/trill_sign.h) an extension to P6 at the sign's height.
#pragma once

#include "layout/trill_sign.h"
#include "paint/line_kind.h"

struct TrillItem {
  float p3 = 0;  // x of the sign
  float p4 = 0;  // height of the sign's baseline, steps
  float p5 = 0;  // kind
  float p6 = 0;  // x where the extension ends; 0 or left of the sign: none
};

// The extension as a line item from the sign's end (plus a gap) to P6: a
// horizontal wiggle for a trill, a dashed line (dashes and gaps of a step)
// with its closing hook (P12) for an ottava, a solid line with a hook for a
// pedal. False when P6 leaves no room for one; signEnd is in units.
bool trillLine(const TrillItem& item, double size, double signEnd, LineItem* line);
