#include "layout/layout.h"
#include "layout/time_digits.h"
#include "score/conversions.h"
#include "score/item_table.h"

namespace {

constexpr int kCommonTimeCode = 99;
constexpr int kCutTimeCode = 98;
constexpr int kCommonTimeSymbol = 18;
constexpr int kCutTimeSymbol = 19;
constexpr double kSignSize = 3.0;  // three times the ordinary symbol size

// P5 over P6 in digits, from P4 steps above the staff's bottom line.
void placeDigits(View& view, int item, const ItemRecord& record, int s) {
  double size = view.staffTables.staffSize[s];
  float factor = symbolFactor(view, s);
  for (const TimeDigit& digit : timeSignatureDigits(param(record, 5), param(record, 6))) {
    int x = toWindowX(view, (param(record, 3) + digit.x * size) * view.viewState.hUnit);
    int y = toWindowY(view, staffY(view, s, param(record, 4) + digit.bottom));
    placeSymbol(view, item, digit.symbol, factor, x, y);
  }
}

}  // namespace

// The basic drawing draws only the two special signs from the library; the
// complete drawing draws every other signature in digits, as SCORE prints
// it. Positions of the signs are truncated, not rounded, both on the page and
// in the window.
void layoutTimeSignature(const Document& document, View& view, int item) {
  const DrawingMode mode = view.drawingMode;
  const ItemRecord& record = itemAt(document.itemTable, item);
  int s = truncToInt(param(record, 2));
  if (!isStaffNumber(s)) return;
  int code = truncToInt(param(record, 5));
  if (code != kCommonTimeCode && code != kCutTimeCode) {
    if (mode == DrawingMode::kComplete) placeDigits(view, item, record, s);
    return;
  }
  int symbol = code == kCommonTimeCode ? kCommonTimeSymbol : kCutTimeSymbol;
  float factor = scaledSymbolFactor(view, view.staffTables.staffSize[s] * kSignSize);
  int x = toWindowX(view, truncToInt(truncToInt(param(record, 3)) * view.viewState.hUnit));
  int yp = truncToInt(staffY(view, s, truncToInt(param(record, 4)) - kBottomLineStep));
  // Wide arithmetic: a saturated yp must not overflow the subtraction.
  double fromTop =
      static_cast<double>(view.viewState.pageHeight) - yp - view.viewState.bottomMargin;
  int y = truncToInt(fromTop * view.viewState.zoom + view.viewState.viewOffsetY);
  placeSymbol(view, item, symbol, factor, x, y);
}
