// How the complete drawing places a note's marks where SCORE's printout
// differs from the basic drawing: the dots of P9's hundreds and thousands and
// the articulations of P11 (the head shift of P10 and the staff of P12 are in
// view/note_geometry.h). Plain functions of the parameters, measured on
// SCORE 4's EPS output of real pages.
#pragma once

#include <vector>

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
