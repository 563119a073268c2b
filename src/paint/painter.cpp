#include "paint/painter.h"

#include "paint/view.h"
#include "score/conversions.h"
#include "score/item_table.h"

namespace {

// A rest whose P6 is exactly -1.0 is invisible.
constexpr float kInvisibleRest = -1.0f;
constexpr float kHundredth = 0.01f;

void paintItem(DrawingSurface& surface, const ItemRecord& item) {
  switch (itemCode(item)) {
    case kNoteCode:
      paintNote(surface, item);
      break;
    case kRestCode:
      if (param(item, 6) != kInvisibleRest) drawComponents(surface, item);
      break;
    case kClefCode:
    case kMiscSymbolCode:
      // The layout gives these exactly one component; only the first is drawn.
      if (item.componentCount > 0 && !item.components.empty() && item.components[0]) {
        drawSymbol(surface, *item.components[0]);
      }
      break;
    case kLineCode:
      paintLine(surface, item);
      break;
    case kBeamCode:
      paintBeam(surface, item);
      break;
    case kStaffCode:
      paintStaff(surface, item);
      break;
    case kBarlineCode:
      paintBarline(surface, item);
      break;
    case kKeySignatureCode:
    case kTimeSignatureCode:
      drawComponents(surface, item);
      break;
    default:
      break;
  }
}

}  // namespace

void paintScore(DrawingSurface& surface) {
  prepareStaffTables();
  for (int i = 1; i <= itemTable.itemCount; ++i) {
    surface.beginItem(i);
    paintItem(surface, itemAt(i));
    surface.endItem();
  }
}

void drawComponents(DrawingSurface& surface, const ItemRecord& item) {
  for (int k = 0; k < item.componentCount && k < static_cast<int>(item.components.size()); ++k) {
    if (item.components[k]) drawSymbol(surface, *item.components[k]);
  }
}

void drawLine(DrawingSurface& surface, int x1, int y1, int x2, int y2) {
  surface.moveTo(x1, y1);
  surface.lineTo(x2, y2);
}

int staffOfItem(const ItemRecord& item) { return truncToInt(param(item, 2)); }

int stepToWindowY(double v, double z, double b) {
  return toWindowY(v * z * viewState.stepUnit + b);
}

int hundredsOf(float v) { return truncToInt(static_cast<float>(v * kHundredth)); }
