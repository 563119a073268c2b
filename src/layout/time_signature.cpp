#include "layout/layout.h"
#include "paint/view.h"
#include "score/conversions.h"
#include "score/item_table.h"

namespace {

constexpr int kCommonTimeCode = 99;
constexpr int kCutTimeCode = 98;
constexpr int kCommonTimeSymbol = 18;
constexpr int kCutTimeSymbol = 19;
constexpr double kSignSize = 3.0;  // three times the ordinary symbol size

}  // namespace

// Only the two special signs are drawn from the library; positions are
// truncated, not rounded, both on the page and in the window.
void layoutTimeSignature(int item) {
  const ItemRecord& record = itemAt(item);
  int s = truncToInt(param(record, 2));
  if (!isStaffNumber(s)) return;
  int code = truncToInt(param(record, 5));
  if (code != kCommonTimeCode && code != kCutTimeCode) return;
  int symbol = code == kCommonTimeCode ? kCommonTimeSymbol : kCutTimeSymbol;
  float factor = static_cast<float>(staffTables.staffSize[s] * kSignSize * viewState.symbolUnit *
                                    viewState.zoom * 0.25);
  int x = toWindowX(truncToInt(truncToInt(param(record, 3)) * viewState.hUnit));
  int yp = truncToInt(staffY(s, truncToInt(param(record, 4)) - 3.0));
  // Wide arithmetic: a saturated yp must not overflow the subtraction.
  double fromTop = static_cast<double>(viewState.pageHeight) - yp - viewState.bottomMargin;
  int y = truncToInt(fromTop * viewState.zoom + viewState.viewOffsetY);
  placeSymbol(item, symbol, factor, x, y);
}
