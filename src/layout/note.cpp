#include <cmath>
#include <optional>

#include "layout/layout.h"
#include "layout/note_variants.h"
#include "score/conversions.h"
#include "score/item_table.h"
#include "view/note_geometry.h"

namespace {

constexpr int kFlagSymbol = 20;
constexpr int kDotSymbol = 24;
constexpr int kAccidentalBase = 5;  // accidental digit 1..9 gives symbol 6..14
constexpr double kFirstDotOffset = 3.0;
constexpr double kDotSpacing = 2.15;
constexpr float kTenth = 0.1f;  // single precision on purpose: 0.100000001...

// What one note asks for: its shared geometry and, from P9, its flags and dots.
struct NoteShape {
  NoteGeometry g;
  int flags;         // units digit of P9
  int dotGate;       // tens digit of P9
  float dotMeasure;  // P9 x 0.1, counts the dots after the first
  double yNote;
  double stepPixels;  // one step of this staff
  DotPlace dots;      // where the dots go (basic: a step up on a line)
};

// Hundreds in P9 count nothing: they are stripped (fmod is exact, so 100
// becomes 0 and 123.5 becomes 23.5), which keeps the tens digit as the dot
// count and the units digit as the flag count for every value. The complete
// drawing reads them, and the thousands, for the place of the dots.
NoteShape readNote(const View& view, const ItemRecord& record, const NoteGeometry& g) {
  NoteShape n{};
  n.g = g;
  float rhythm = static_cast<float>(std::fmod(param(record, 9), 100.0));
  int rhythmDigits = truncToInt(rhythm);
  n.flags = rhythmDigits % 10;
  n.dotGate = rhythmDigits / 10;
  n.dotMeasure = static_cast<float>(static_cast<double>(rhythm) * kTenth);
  float d = g.p4 - static_cast<float>(kBottomLineStep);
  n.yNote = staffY(view, g.staff, d);
  n.stepPixels = g.size * view.viewState.stepUnit;
  n.dots.raise = truncToInt(g.p4) % 2 != 0 ? 1 : 0;
  if (view.drawingMode == DrawingMode::kComplete) n.dots = printedDots(g.p4, param(record, 9));
  return n;
}

void placeFlags(View& view, int item, const NoteShape& n, int anchorX, float factor) {
  if (n.flags < 1 || (n.g.stem != kStemUp && n.g.stem != kStemDown)) return;
  bool up = n.g.stem == kStemUp;
  double sign = up ? 1.0 : -1.0;
  int x = anchorX;
  if (up) {
    x = toWindowX(view,
                  n.g.size * view.viewState.hUnit * kNoteHeadWidth + n.g.x * view.viewState.hUnit);
  }
  if (n.flags == 1) {
    int y = toWindowY(view, n.yNote + sign * (n.g.stemLength + 1.0) * n.stepPixels);
    placeSymbol(view, item, kFlagSymbol, factor, x, y, up);
    return;
  }
  for (int j = 0; j < n.flags; ++j) {
    int k = 2 + 2 * j;
    int y = toWindowY(view, n.yNote + sign * (k - 1.5 + n.g.stemLength) * n.stepPixels);
    placeSymbol(view, item, kFlagSymbol, factor, x, y, up);
  }
}

// Dots of a note on a line sit one step higher, below the staff as well as
// on and above it.
void placeDots(View& view, int item, const NoteShape& n, float factor) {
  if (n.dotGate < 1) return;
  int yDot = toWindowY(view, n.yNote + n.dots.raise * n.stepPixels);
  double size = n.g.size;
  double first = kFirstDotOffset + n.dots.shift;
  placeSymbol(view, item, kDotSymbol, factor,
              toWindowX(view, (n.g.x + first * size) * view.viewState.hUnit), yDot);
  for (int k = 2; k <= n.dotMeasure; ++k) {
    double offset = size * (first + kDotSpacing * (k - 1));
    placeSymbol(view, item, kDotSymbol, factor,
                toWindowX(view, (n.g.x + offset) * view.viewState.hUnit), yDot);
  }
}

void placeArticulations(View& view, int item, const ItemRecord& record, const NoteShape& n,
                        float factor) {
  double size = n.g.size;
  std::vector<ArticulationMark> marks =
      articulationMarks(param(record, 11), param(record, 14), n.g.p4, n.g.stem, n.g.stemLength);
  for (const ArticulationMark& mark : marks) {
    placeSymbol(view, item, mark.symbol, factor,
                toWindowX(view, (n.g.x + mark.x * size) * view.viewState.hUnit),
                toWindowY(view, staffY(view, n.g.staff, mark.step - kBottomLineStep)),
                mark.mirrored);
  }
}

}  // namespace

void layoutNote(const Document& document, View& view, int item) {
  const DrawingMode mode = view.drawingMode;
  const ItemRecord& record = itemAt(document.itemTable, item);
  std::optional<NoteGeometry> geometry = decodeNote(view, record, mode);
  if (!geometry) return;
  NoteShape n = readNote(view, record, *geometry);
  float factor = symbolFactor(view, n.g.staff);
  int anchorX = toWindowX(view, n.g.x * view.viewState.hUnit);
  int anchorY = toWindowY(view, n.yNote);
  float head = param(record, 6);
  if (head != -1.0f) {
    placeSymbol(view, item, truncToInt(head + 11.0), factor, anchorX, anchorY);
  }
  placeFlags(view, item, n, anchorX, factor);
  placeDots(view, item, n, factor);
  if (n.g.accidental >= 1) {
    placeSymbol(view, item, kAccidentalBase + n.g.accidental, factor, anchorX, anchorY);
  }
  if (mode == DrawingMode::kComplete) placeArticulations(view, item, record, n, factor);
}
