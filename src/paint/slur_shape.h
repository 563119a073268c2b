// Slurs and ties (code 5): where the ends sit, the curve with its tapered
// thickness, and the pieces a slur is drawn in.
#pragma once

#include <string>
#include <vector>

#include "paint/page_frame.h"

// The parameters of a code-5 item that shape it; absent ones are 0.
struct SlurItem {
  float p3 = 0;   // left x
  float p4 = 0;   // left height
  float p5 = 0;   // right height
  float p6 = 0;   // right x
  float p7 = 0;   // height of the peak, steps across the chord (+ up)
  float p8 = 0;   // where the ends sit; 1 and 2 make an ending bracket
  float p9 = 0;   // flattening: the rise exponent is 2.5 + P9
  float p10 = 0;  // peak position as a fraction of the chord, 0 = middle
  float p12 = 0;  // 1 = left half only, 2 = right half only
  float p14 = 0;  // partial slur: first fraction drawn
  float p15 = 0;  // partial slur: last fraction drawn, 0 = the end
  float p16 = 0;  // tuplet number printed in a gap at the peak
};

// Horizontal shifts of the two ends for a P8, in units of a size-1 staff.
struct SlurEndShift {
  double left = 0;
  double right = 0;
};
SlurEndShift slurEndShift(float p8);

// Full thickness, in points on a staff of the measured size, of a slur
// whose chord is this many units long.
double slurThickness(double chordUnits);

// The normal N is the chord direction turned a quarter counter-clockwise:
// upward for a chord drawn to the right.
struct SlurCurve {
  PagePoint a;            // left end
  PagePoint b;            // right end
  double height = 0;      // of the peak along N
  double apex = 0.5;      // chord fraction of the peak
  double flat = 0;        // half the chord fraction kept flat at the peak
  double exponent = 2.5;  // of the rise towards the peak
  double thickness = 0;   // full thickness of the second edge
  double side = 1;        // the second edge lies towards N (1) or away (-1)
};

// The curve of a slur item, or false when it has no drawable shape
// (a non-finite parameter, or ends that coincide).
bool slurCurve(const SlurItem& item, const StaffFrame& frame, SlurCurve* curve);

// Fraction of the peak height at chord fraction u: 0 at the ends, 1 at the apex.
double slurRise(const SlurCurve& curve, double u);

// Point of the first edge at chord fraction u, moved by extra along N.
PagePoint slurPoint(const SlurCurve& curve, double u, double extra = 0);

// Offset of the second edge from the first at chord fraction u: rises
// linearly from the ends to the full thickness where the rise reaches the
// peak, flat across the middle.
double slurTaper(const SlurCurve& curve, double u);

// Closed outline of the part between chord fractions from < to: samples + 1
// points along the first edge, then the second edge back. A widening w > 0
// moves both edges apart by w across the chord and the ends out by w along
// it: the ink of an outline stroke 2 w wide, filled at once.
std::vector<PagePoint> slurOutline(const SlurCurve& curve, double from, double to, int samples,
                                   double widening = 0);

struct SlurPiece {
  double from;
  double to;
};

// The chord fractions drawn: the whole slur, a half (P12), a part
// (P14, P15), and with a tuplet number two pieces around the number's gap.
std::vector<SlurPiece> slurPieces(const SlurItem& item, const SlurCurve& curve,
                                  const StaffFrame& frame);

// Where a tuplet number goes: centred on the peak, its baseline below it.
struct TupletNumber {
  double centreX = 0;
  double baseline = 0;
  std::string text;  // the digits of P16, empty when it is too large to print
};
TupletNumber tupletNumber(const SlurItem& item, const SlurCurve& curve, const StaffFrame& frame);
