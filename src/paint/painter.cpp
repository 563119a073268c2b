#include "paint/painter.h"

#include <algorithm>

#include "score/conversions.h"
#include "score/item_table.h"

namespace {

// A rest whose P6 is exactly -1.0 is invisible.
constexpr float kInvisibleRest = -1.0f;
constexpr float kHundredth = 0.01f;

void drawFirstComponent(DrawingSurface& surface, const View& view, int item) {
  const ItemComponents* list = componentsOf(view.components, item);
  if (list != nullptr && list->count > 0 && !list->records.empty()) {
    drawComponent(surface, *list->records[0]);
  }
}

// The items the complete drawing draws its own way; false for the others.
bool paintCompleteItem(DrawingSurface& surface, const Document& document, const View& view, int i) {
  switch (itemCode(itemAt(document.itemTable, i))) {
    case kNoteCode: paintPrintedNote(surface, document, view, i); return true;
    case kStaffCode: paintCompleteStaff(surface, document, view, i); return true;
    case kLineCode: paintCompleteLine(surface, document, view, i); return true;
    case kSlurCode: paintSlur(surface, document, view, i); return true;
    case kTrillCode: paintTrill(surface, document, view, i); return true;
    case kBarlineCode: paintCompleteBarline(surface, document, view, i); return true;
    case kNumberCode: paintNumber(surface, document, view, i); return true;
    case kTextCode: paintText(surface, document, view, i); return true;
    default: return false;
  }
}

void paintItem(DrawingSurface& surface, const Document& document, const View& view, int i) {
  if (view.drawingMode == DrawingMode::kComplete && paintCompleteItem(surface, document, view, i)) {
    return;
  }
  const ItemRecord& item = itemAt(document.itemTable, i);
  switch (itemCode(item)) {
    case kNoteCode: paintNote(surface, document, view, i); break;
    case kRestCode:
      if (param(item, 6) != kInvisibleRest) drawComponents(surface, view, i);
      break;
    case kClefCode:
    case kMiscSymbolCode:
      // The layout gives these exactly one component; only the first is drawn.
      drawFirstComponent(surface, view, i);
      break;
    case kLineCode: paintLine(surface, document, view, i); break;
    case kBeamCode: paintBeam(surface, document, view, i); break;
    case kStaffCode: paintStaff(surface, document, view, i); break;
    case kBarlineCode: paintBarline(surface, document, view, i); break;
    case kKeySignatureCode:
    case kTimeSignatureCode: drawComponents(surface, view, i); break;
    default: break;
  }
}

}  // namespace

void paintScore(DrawingSurface& surface, const Document& document, View& view) {
  prepareStaffTables(document, view);
  for (int i = 1; i <= document.itemTable.itemCount; ++i) {
    surface.beginItem(i);
    paintItem(surface, document, view, i);
    surface.endItem();
  }
}

void drawComponents(DrawingSurface& surface, const View& view, int item) {
  const ItemComponents* list = componentsOf(view.components, item);
  if (list == nullptr) return;
  int count = std::min(list->count, static_cast<int32_t>(list->records.size()));
  for (int k = 0; k < count; ++k) drawComponent(surface, *list->records[static_cast<size_t>(k)]);
}

void drawLine(DrawingSurface& surface, int x1, int y1, int x2, int y2) {
  surface.moveTo(x1, y1);
  surface.lineTo(x2, y2);
}

int staffOfItem(const ItemRecord& item) { return truncToInt(param(item, 2)); }

int stepToWindowY(const View& view, double v, double z, double b) {
  return toWindowY(view, v * z * view.viewState.stepUnit + b);
}

int hundredsOf(float v) { return truncToInt(static_cast<float>(v * kHundredth)); }
