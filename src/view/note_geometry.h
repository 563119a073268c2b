// The parameters of a note that its layout and its painting share, decoded
// in one place so that the head, the stem and the ledger lines agree: the
// staff, the head shift of P10, the folds of P4 and P8 and the digits of P5.
#pragma once

#include <optional>

#include "score/item_table.h"
#include "view/view.h"

// A note head's width in horizontal units at staff size 1: the basic
// drawing's head shift of P10, and the place of an up-stem right of P3.
constexpr double kNoteHeadWidth = 2.8;

// A note head as SCORE prints it, in horizontal units at staff size 1. A
// head shifted by P10 = 10 or 20 in the complete drawing moves by this much,
// and so do the dots of P9's thousands.
constexpr double kPrintedHeadWidth = 2.833;

// The stem of a note whose P8 is 0, in steps.
constexpr double kDefaultStemSteps = 7.0;

// The stem digit (tens of P5) of an up-stem and of a down-stem.
constexpr int kStemUp = 1;
constexpr int kStemDown = 2;

struct NoteGeometry {
  int staff = 0;         // P2, or in the complete drawing the staff P12 moves it to
  float size = 0;        // that staff's size
  float base = 0;        // page height of that staff's bottom line
  float x = 0;           // P3 moved by the head shift of P10
  float p4 = 0;          // P4 without its hundred
  float stemLength = 0;  // P8 less its hundred: the adjustment of the default stem
  int stem = 0;          // tens digit of P5: kStemUp, kStemDown, else no stem side
  int accidental = 0;    // units digit of P5
};

// The geometry of a note in the drawing mode (the basic drawing's head shift
// and staff, or the complete drawing's), on the view's staff tables; nothing
// when P2 is not a staff of the tables (1..32).
std::optional<NoteGeometry> decodeNote(const View& view, const ItemRecord& item, DrawingMode mode);

// Units right of P3 at which the head stands in the complete drawing: P10 =
// 10 and 20 one printed head width right and left, any other P10 that many
// units, scaled by the staff size z.
double printedHeadShift(float p10, double z);

// The staff a note on staff s is drawn on in the complete drawing: P12 = 1
// the staff above (s + 1), 2 the staff below (s - 1), when that staff is one
// of 1..32; otherwise s.
int drawnStaff(int s, float p12);
