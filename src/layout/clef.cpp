#include "layout/layout.h"
#include "score/conversions.h"
#include "score/item_table.h"

namespace {

constexpr int kSmallClefMark = 100;  // P4 of 100 or more (or -100 or less): small clef
constexpr float kSmallClefSize = 0.8f;
constexpr int kTenorClef = 3;
constexpr int kTenorSymbol = 2;  // the alto symbol, two steps higher

}  // namespace

void layoutClef(const Document& document, View& view, int item) {
  const ItemRecord& record = itemAt(document.itemTable, item);
  int s = truncToInt(param(record, 2));
  if (!isStaffNumber(s)) return;
  int v = truncToInt(param(record, 4));
  float sizeFactor = 1.0f;
  // The mark works in both directions so that a small clef keeps the offset
  // it was written with below the staff as well as above it.
  if (v >= kSmallClefMark) {
    sizeFactor = kSmallClefSize;
    v -= kSmallClefMark;
  } else if (v <= -kSmallClefMark) {
    sizeFactor = kSmallClefSize;
    v += kSmallClefMark;
  }
  int symbol = truncToInt(param(record, 5));
  if (symbol == kTenorClef) {
    symbol = kTenorSymbol;
    v += 2;
  }
  int x = toWindowX(view, param(record, 3) * view.viewState.hUnit);
  int y = toWindowY(view, staffY(view, s, v));
  float factor = scaledSymbolFactor(view, double{sizeFactor} * view.staffTables.staffSize[s]);
  placeSymbol(view, item, symbol, factor, x, y);
}
