#include "paint/painter.h"

#include <algorithm>

#include "score/conversions.h"
#include "score/item_table.h"

namespace {

constexpr float kHundredth = 0.01f;

}  // namespace

void paintScore(DrawingSurface& surface, const Document& document, View& view) {
  prepareStaffTables(document, view);
  for (int i = 1; i <= document.itemTable.itemCount; ++i) {
    surface.beginItem(i);
    int code = itemCode(itemAt(document.itemTable, i));
    if (PaintRoutine routine = paintRoutine(view.drawingMode, code)) {
      routine(surface, document, view, i);
    }
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
