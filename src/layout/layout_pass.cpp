#include "layout/layout.h"
#include "score/debug_trace.h"
#include "score/item_table.h"

void layoutScore(const Document& document, View& view) {
  const ItemTable& table = document.itemTable;
  prepareStaffTables(document, view);
  prepareComponentLists(view.components, table.itemCount);
  view.tracing = debugTraceEnabled();
  for (int i = 1; i <= table.itemCount; ++i) {
    int code = itemCode(itemAt(table, i));
    if (LayoutRoutine routine = layoutRoutine(code)) routine(document, view, i);
    int count = view.components.items[static_cast<size_t>(i)].count;
    if (view.tracing && count > 0)
      traceDebug("Layout item %d (%s): %d components", i, itemName(code), count);
  }
}

double staffY(const View& view, int s, double d) {
  if (!isStaffNumber(s)) return 0.0;
  const StaffTables& t = view.staffTables;
  return t.staffSize[s] * d * view.viewState.stepUnit + t.staffBase[s];
}

float symbolFactor(const View& view, int s) {
  if (!isStaffNumber(s)) return 0.0f;
  return scaledSymbolFactor(view, view.staffTables.staffSize[s]);
}

float scaledSymbolFactor(const View& view, double scale) {
  const ViewState& v = view.viewState;
  return static_cast<float>(scale * v.symbolUnit * v.zoom * kSymbolScale);
}

Component* placeSymbol(View& view, int item, int symbol, float factor, int x, int y,
                       bool mirrored) {
  Component* component = addComponent(view.components, item, symbol);
  if (component == nullptr) {
    if (view.tracing) traceDebug("  item %d: symbol %d not copied", item, symbol);
    return nullptr;
  }
  if (mirrored) multiplyComponent(*component, 1, -1);
  scaleComponent(*component, factor);
  translateComponent(*component, x, y);
  component->placement = {symbol, factor, mirrored, x, y};
  if (view.tracing) {
    traceDebug("  item %d: symbol %d scaled %.9g at (%d, %d)%s", item, symbol, factor, x, y,
               mirrored ? " mirrored" : "");
  }
  return component;
}
