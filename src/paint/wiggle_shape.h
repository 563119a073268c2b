// Wavy lines (code 4, P7 = -1): chains of wiggle elements of the music font,
// overlapping so that they join into one line.
#pragma once

#include <vector>

#include "library/outline_glyphs.h"
#include "paint/glyph_placement.h"
#include "paint/line_kind.h"
#include "paint/page_frame.h"

// Longer chains are cut here: a wavy line taller or wider than any page.
constexpr int kMaxWiggleElements = 1000;

// A vertical wavy line (an arpeggio, P6 = 0) at x = P3 from height P4 up to
// P5: one element per 1.722 steps of the staff, rounded up, the chain
// covering what SCORE's covers, 0.12 steps below P4 to 1.73 steps above the
// last element's start, and 0.71 to 0.20 units (at the measured size)
// either side of P3. element repeats upward with the period (glyph units)
// given; nothing when P4 and P5 are equal or not finite.
std::vector<GlyphPlacement> verticalWavyLine(const LineItem& item, const StaffFrame& frame,
                                             const OutlineGlyph& element, double period);

// A horizontal wiggle (P5 = 0) from P3 to P6 at height P4: the same elements
// on their side, one per 1.722 steps of length, the chain 0.91 units (at the
// measured size) high and centred on P4, exactly from P3 to P6.
std::vector<GlyphPlacement> horizontalWiggle(const LineItem& item, const StaffFrame& frame,
                                             const OutlineGlyph& element, double period);
