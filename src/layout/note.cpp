#include <cmath>

#include "layout/layout.h"
#include "layout/note_variants.h"
#include "score/conversions.h"
#include "score/item_table.h"

namespace {

constexpr int kFlagSymbol = 20;
constexpr int kDotSymbol = 24;
constexpr int kAccidentalBase = 5;  // accidental digit 1..9 gives symbol 6..14
constexpr double kNoteHeadWidth = 2.8;
constexpr double kFirstDotOffset = 3.0;
constexpr double kDotSpacing = 2.15;
constexpr float kTenth = 0.1f;  // single precision on purpose: 0.100000001...

// What one note asks for, from local copies of its parameters.
struct NoteShape {
  int s;
  float x;           // horizontal position after the note head shift
  float p;           // vertical position after folding
  float l;           // stem length adjustment after folding
  int stem;          // tens digit of P5
  int accidental;    // units digit of P5
  int flags;         // units digit of P9
  int dotGate;       // tens digit of P9
  float dotMeasure;  // P9 x 0.1, counts the dots after the first
  double yNote;
  double stepPixels;  // one step of this staff
  DotPlace dots;      // where the dots go (basic: a step up on a line)
};

float shiftedX(float x, float shift, float size) {
  if (shift == 0.0f) return x;
  if (shift == 10.0f) return static_cast<float>(x + kNoteHeadWidth * size);
  if (shift == 20.0f) return static_cast<float>(x - kNoteHeadWidth * size);
  return static_cast<float>(x + static_cast<double>(size) * shift * kNoteHeadWidth);
}

float foldedStem(float l) {
  if (l >= 100.0f) return l - 100.0f;
  if (l <= -100.0f) return l + 100.0f;
  return l;
}

// Hundreds in P9 count nothing: they are stripped (fmod is exact, so 100
// becomes 0 and 123.5 becomes 23.5), which keeps the tens digit as the dot
// count and the units digit as the flag count for every value. The complete
// drawing reads them, and the thousands, for the place of the dots.
NoteShape readNote(const View& view, const ItemRecord& record) {
  const DrawingMode mode = view.drawingMode;
  NoteShape n{};
  n.s = truncToInt(param(record, 2));
  if (mode == DrawingMode::kComplete) n.s = drawnStaff(n.s, param(record, 12));
  float size = view.staffTables.staffSize[n.s];
  n.p = param(record, 4);
  if (n.p > 100.0f) n.p -= 100.0f;
  if (mode == DrawingMode::kComplete) {
    n.x = static_cast<float>(param(record, 3) + printedHeadShift(param(record, 10), size));
  } else {
    n.x = shiftedX(param(record, 3), param(record, 10), size);
  }
  n.l = foldedStem(param(record, 8));
  int digits = truncToInt(param(record, 5));
  n.stem = digits / 10;
  n.accidental = digits % 10;
  float rhythm = static_cast<float>(std::fmod(param(record, 9), 100.0));
  int rhythmDigits = truncToInt(rhythm);
  n.flags = rhythmDigits % 10;
  n.dotGate = rhythmDigits / 10;
  n.dotMeasure = static_cast<float>(static_cast<double>(rhythm) * kTenth);
  float d = n.p - 3.0f;
  n.yNote = staffY(view, n.s, d);
  n.stepPixels = size * view.viewState.stepUnit;
  n.dots.raise = truncToInt(n.p) % 2 != 0 ? 1 : 0;
  if (mode == DrawingMode::kComplete) n.dots = printedDots(n.p, param(record, 9));
  return n;
}

void placeFlags(View& view, int item, const NoteShape& n, int anchorX, float factor) {
  if (n.flags < 1 || (n.stem != 1 && n.stem != 2)) return;
  bool up = n.stem == 1;
  double sign = up ? 1.0 : -1.0;
  int x = anchorX;
  if (up) {
    x = toWindowX(view, view.staffTables.staffSize[n.s] * view.viewState.hUnit * kNoteHeadWidth +
                            n.x * view.viewState.hUnit);
  }
  if (n.flags == 1) {
    int y = toWindowY(view, n.yNote + sign * (n.l + 1.0) * n.stepPixels);
    placeSymbol(view, item, kFlagSymbol, factor, x, y, up);
    return;
  }
  for (int j = 0; j < n.flags; ++j) {
    int k = 2 + 2 * j;
    int y = toWindowY(view, n.yNote + sign * (k - 1.5 + n.l) * n.stepPixels);
    placeSymbol(view, item, kFlagSymbol, factor, x, y, up);
  }
}

// Dots of a note on a line sit one step higher, below the staff as well as
// on and above it.
void placeDots(View& view, int item, const NoteShape& n, float factor) {
  if (n.dotGate < 1) return;
  int yDot = toWindowY(view, n.yNote + n.dots.raise * n.stepPixels);
  double size = view.staffTables.staffSize[n.s];
  double first = kFirstDotOffset + n.dots.shift;
  placeSymbol(view, item, kDotSymbol, factor,
              toWindowX(view, (n.x + first * size) * view.viewState.hUnit), yDot);
  for (int k = 2; k <= n.dotMeasure; ++k) {
    double offset = size * (first + kDotSpacing * (k - 1));
    placeSymbol(view, item, kDotSymbol, factor,
                toWindowX(view, (n.x + offset) * view.viewState.hUnit), yDot);
  }
}

void placeArticulations(View& view, int item, const ItemRecord& record, const NoteShape& n,
                        float factor) {
  double size = view.staffTables.staffSize[n.s];
  std::vector<ArticulationMark> marks =
      articulationMarks(param(record, 11), param(record, 14), n.p, n.stem, n.l);
  for (const ArticulationMark& mark : marks) {
    placeSymbol(view, item, mark.symbol, factor,
                toWindowX(view, (n.x + mark.x * size) * view.viewState.hUnit),
                toWindowY(view, staffY(view, n.s, mark.step - 3.0)), mark.mirrored);
  }
}

}  // namespace

void layoutNote(const Document& document, View& view, int item) {
  const DrawingMode mode = view.drawingMode;
  const ItemRecord& record = itemAt(document.itemTable, item);
  if (!isStaffNumber(truncToInt(param(record, 2)))) return;
  NoteShape n = readNote(view, record);
  float factor = symbolFactor(view, n.s);
  int anchorX = toWindowX(view, n.x * view.viewState.hUnit);
  int anchorY = toWindowY(view, n.yNote);
  float head = param(record, 6);
  if (head != -1.0f) {
    placeSymbol(view, item, truncToInt(head + 11.0), factor, anchorX, anchorY);
  }
  placeFlags(view, item, n, anchorX, factor);
  placeDots(view, item, n, factor);
  if (n.accidental >= 1) {
    placeSymbol(view, item, kAccidentalBase + n.accidental, factor, anchorX, anchorY);
  }
  if (mode == DrawingMode::kComplete) placeArticulations(view, item, record, n, factor);
}
