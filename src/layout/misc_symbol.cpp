#include "layout/layout.h"
#include "layout/trill_sign.h"
#include "score/conversions.h"
#include "score/item_table.h"

namespace {

// Design factors of the symbol libraries, single precision as drawn.
struct FactorRange {
  int first;
  int last;
  float factor;
};

constexpr int kReleaseStar = 71;
constexpr int kPrintedReleaseStar = 133;

constexpr float kTwelfthInverse = static_cast<float>(1.0 / 0.0833);  // 12.0048018

constexpr FactorRange kFactorRanges[] = {
    {0, 17, 4.0f},
    {20, 44, 4.0f},
    {87, 89, 4.0f},
    {119, 119, 4.0f},
    {95, 95, kTwelfthInverse},
    {120, 129, kTwelfthInverse},
    {74, 75, 1.25f},
    {115, 118, 1.25f},
    {18, 19, 1.3333f},
    {45, 47, 1.3333f},
    {48, 49, 2.5f},
    {93, 94, 0.6666f},
};

}  // namespace

float miscSymbolFactor(int m) {
  for (const FactorRange& range : kFactorRanges) {
    if (m >= range.first && m <= range.last) return range.factor;
  }
  return 1.0f;  // the ranges of factor 1.0, and every other number
}

// The complete drawing moves the symbol P15 units right, draws it at its
// natural size when P6 is 0 (as SCORE does: the release stars of the Chopin
// page carry P6 = 0 only because their P15 is set) and draws the release
// star at SCORE's size.
void layoutMiscSymbol(const Document& document, View& view, int item) {
  const DrawingMode mode = view.drawingMode;
  const ItemRecord& record = itemAt(document.itemTable, item);
  int s = truncToInt(param(record, 2));
  if (!isStaffNumber(s)) return;
  int m = truncToInt(param(record, 5));
  float multiplier = paramOr(record, 6, 1.0f);
  double p3 = param(record, 3);
  int symbol = m;
  if (mode == DrawingMode::kComplete) {
    p3 += param(record, 15);
    if (multiplier == 0.0f) multiplier = 1.0f;
    if (m == kReleaseStar) symbol = kPrintedReleaseStar;
  }
  int x = toWindowX(view, p3 * view.viewState.hUnit);
  int y = toWindowY(view, staffY(view, s, param(record, 4) - kBottomLineStep));
  float factor = scaledSymbolFactor(
      view, double{miscSymbolFactor(m)} * view.staffTables.staffSize[s] * multiplier);
  placeSymbol(view, item, symbol, factor, x, y);
}

void layoutTrill(const Document& document, View& view, int item) {
  const ItemRecord& record = itemAt(document.itemTable, item);
  int s = truncToInt(param(record, 2));
  int m = trillSymbol(trillKind(param(record, 5)));
  if (view.drawingMode != DrawingMode::kComplete || !isStaffNumber(s) || m < 0) return;
  int x = toWindowX(view, param(record, 3) * view.viewState.hUnit);
  int y = toWindowY(view, staffY(view, s, param(record, 4) - kBottomLineStep));
  placeSymbol(view, item, m, symbolFactor(view, s) * miscSymbolFactor(m), x, y);
}
