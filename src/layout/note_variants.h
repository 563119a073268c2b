// How the complete drawing places a note where SCORE's printout differs from
// the basic drawing: the head shift of P10, the staff of P12, the dots of P9's
// hundreds and thousands and the articulations of P11. Plain functions of the
// parameters, measured on SCORE 4's EPS output of real pages.
#pragma once

#include <vector>

// A note head as SCORE prints it, in horizontal units at staff size 1. A
// head shifted by P10 = 10 or 20 moves by this much, and so do the dots of
// P9's thousands.
constexpr double kPrintedHeadWidth = 2.833;

// Units right of P3 at which the head stands: P10 = 10 and 20 one head width
// right and left, any other P10 that many units scaled by the staff size z.
double printedHeadShift(float p10, double z);

// The staff a note on staff s is drawn on: P12 = 1 the staff above (s + 1),
// 2 the staff below (s - 1), when that staff is one of 1..32; otherwise s.
int drawnStaff(int s, float p12);

// Where the dots of a note stand: steps above the head, and units right of
// their ordinary place at staff size 1. A note on a line (odd P4) has its
// dots a step higher, or a step lower when P9's hundreds digit is set; the
// thousands digit moves them right by one head width.
struct DotPlace {
  int raise = 0;
  double shift = 0;
};
DotPlace printedDots(float p4, float p9);

// One articulation mark: a library symbol whose origin goes x units right of
// the head's position (scaled by the staff size) and at `step` (P4 reckoning),
// mirrored top to bottom when asked.
struct ArticulationMark {
  int symbol = 0;
  double x = 0;
  double step = 0;
  bool mirrored = false;
};

// Symbols the articulations are drawn with (origins as described in
// tools/symbols.catalogue).
constexpr int kPrintedStaccatoSymbol = 130;
constexpr int kPrintedTenutoSymbol = 131;
constexpr int kPrintedFermataSymbol = 132;

// The marks SCORE prints for P11: 14 a fermata above the staff and the
// note, -14 one below them (mirrored), two steps clear of the stem end or the
// head; 7 a staccato dot, 10 a dot with a tenuto line beyond it, on the side
// away from an up stem and above any other note. Other codes print nothing.
// p14 moves every mark up that many steps; stem is P5's tens digit,
// stemLength the P8 adjustment of the default stem (after folding).
std::vector<ArticulationMark> articulationMarks(float p11, float p14, float p4, int stem,
                                                float stemLength);
