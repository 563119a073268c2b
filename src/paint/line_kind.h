// Lines (code 4): which kind of line an item is, in the complete drawing.
#pragma once

// The parameters of a code-4 item that shape it; absent ones are 0.
struct LineItem {
  float p3 = 0;   // left x
  float p4 = 0;   // left height (bottom of a vertical line)
  float p5 = 0;   // right height (top of a vertical line); 999 = hairpin
  float p6 = 0;   // right x; 0 = the same as P3
  float p7 = 0;   // kind: 1 dashed, -1 wavy; hairpin opening
  float p8 = 0;   // dash length in steps, 0 = 1
  float p9 = 0;   // gap in steps, 0 = the dash length
  float p11 = 0;  // hook at the left end, steps up (+) or down (-)
  float p12 = 0;  // hook at the right end
};

enum class LineKind { kStraight, kHairpin, kDashed, kVerticalWavy, kHorizontalWavy };

LineKind lineKind(const LineItem& item);

// The right end's x: P6, or P3 when P6 is 0 (a line is never drawn to the
// page's left edge).
float lineRightX(const LineItem& item);
