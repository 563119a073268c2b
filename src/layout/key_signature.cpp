#include <algorithm>
#include <cstdint>

#include "layout/layout.h"
#include "score/conversions.h"
#include "score/item_table.h"

const int sharpSteps[4][7] = {
    {6, 3, 7, 4, 1, 5, 2},
    {4, 1, 5, 2, -1, 3, 0},
    {5, 2, 6, 3, 0, 4, 1},
    {0, 4, 1, 5, 2, 6, 3},
};

const int flatSteps[4][7] = {
    {2, 5, 1, 4, 0, 3, -1},
    {0, 3, -1, 2, -2, 1, -3},
    {1, 4, 0, 3, -1, 2, -2},
    {3, 6, 2, 5, 1, 4, 0},
};

namespace {

constexpr int kFlatSymbol = 6;
constexpr int kSharpSymbol = 7;
constexpr int kNaturalSymbol = 8;
constexpr int kPlaces = 7;
constexpr int kNaturalMark = 100;
constexpr double kAccidentalSpacing = 2.8;
constexpr double kFirstAccidental = 2.5;

struct KeyRow {
  int symbol;
  int count;
  const int (*steps)[kPlaces];
};

// Accidental code a: 1..7 sharps, -7..-1 flats, 100 and up naturals on the
// sharp places, -100 and down naturals on the flat places. Naturals stop at
// the seven places a pattern has.
KeyRow keyRow(int a) {
  int64_t code = a;
  if (code >= 1 && code <= kPlaces) return {kSharpSymbol, a, sharpSteps};
  if (code <= -1 && code >= -kPlaces) return {kFlatSymbol, -a, flatSteps};
  if (code >= kNaturalMark) {
    int count = static_cast<int>(std::clamp<int64_t>(code - kNaturalMark, 1, kPlaces));
    return {kNaturalSymbol, count, sharpSteps};
  }
  if (code <= -kNaturalMark) {
    int count = static_cast<int>(std::clamp<int64_t>(-kNaturalMark - code, 1, kPlaces));
    return {kNaturalSymbol, count, flatSteps};
  }
  return {0, 0, nullptr};
}

}  // namespace

void layoutKeySignature(const Document& document, View& view, int item) {
  const ItemRecord& record = itemAt(document.itemTable, item);
  int s = truncToInt(param(record, 2));
  if (!isStaffNumber(s)) return;
  float p3 = param(record, 3);
  int v = truncToInt(param(record, 4));
  KeyRow row = keyRow(truncToInt(paramOr(record, 5, 1.0f)));
  int clef = truncToInt(param(record, 6));
  // Only the four clefs have patterns; any other clef gives no accidentals.
  if (row.count == 0 || clef < 0 || clef > 3) return;
  double size = view.staffTables.staffSize[s];
  float factor = symbolFactor(view, s);
  double base = staffY(view, s, v + 2.0);
  for (int i = 0; i < row.count; ++i) {
    int p = row.steps[clef][i];
    int x = toWindowX(view, size * i * view.viewState.hUnit * kAccidentalSpacing +
                                (p3 + kFirstAccidental) * view.viewState.hUnit);
    int y = toWindowY(view, size * p * view.viewState.stepUnit + base);
    placeSymbol(view, item, row.symbol, factor, x, y);
  }
}
