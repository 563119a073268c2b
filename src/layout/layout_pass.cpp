#include "layout/layout.h"

#include "paint/view.h"
#include "score/debug_trace.h"
#include "score/item_table.h"

namespace {

void layoutItem(int item, int code, DrawingMode mode) {
  switch (code) {
    case kNoteCode: layoutNote(item, mode); break;
    case kRestCode: layoutRest(item, mode); break;
    case kClefCode: layoutClef(item); break;
    case kMiscSymbolCode: layoutMiscSymbol(item, mode); break;
    case kKeySignatureCode: layoutKeySignature(item); break;
    case kTimeSignatureCode: layoutTimeSignature(item, mode); break;
    default: break;  // drawn directly by the painter, or not drawn at all
  }
}

}  // namespace

void layoutScore() {
  prepareStaffTables();
  // The count is read again before each item, as every walk of the table does.
  for (int i = 1; i <= itemTable.itemCount; ++i) {
    int code = itemCode(itemAt(i));
    layoutItem(i, code, DrawingMode::kBasic);
    if (debugTraceEnabled() && itemAt(i).componentCount > 0) {
      traceDebug("Layout item %d (%s): %d components", i, itemName(code),
                 itemAt(i).componentCount);
    }
  }
}

double staffY(int s, double d) {
  if (!isStaffNumber(s)) return 0.0;
  return staffTables.staffSize[s] * d * viewState.stepUnit + staffTables.staffBase[s];
}

float symbolFactor(int s) {
  if (!isStaffNumber(s)) return 0.0f;
  return static_cast<float>(staffTables.staffSize[s] * viewState.symbolUnit *
                            viewState.zoom * 0.25);
}

Component* placeSymbol(int item, int symbol, float factor, int x, int y, bool mirrored) {
  Component* component = addComponent(item, symbol);
  if (component == nullptr) {
    if (debugTraceEnabled()) traceDebug("  item %d: symbol %d not copied", item, symbol);
    return nullptr;
  }
  if (mirrored) multiplyComponent(*component, 1, -1);
  scaleComponent(*component, factor);
  translateComponent(*component, x, y);
  if (debugTraceEnabled()) {
    traceDebug("  item %d: symbol %d scaled %.9g at (%d, %d)%s", item, symbol, factor, x, y,
               mirrored ? " mirrored" : "");
  }
  return component;
}
