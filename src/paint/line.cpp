#include "paint/painter.h"
#include "score/item_table.h"

namespace {

constexpr float kHairpinMark = 999.0f;        // P5 of a hairpin
constexpr float kDefaultHalfOpening = 1.15f;  // steps, single precision on purpose
constexpr float kClosingDefault = -1.0f;

struct HairpinShape {
  double halfOpening;  // steps
  bool opening;        // the point at the left end
};

// P7 of a hairpin: its sign gives the direction, its size the opening; 0,
// -1, an absent P7 and NaN take the default opening.
HairpinShape hairpinShape(const ItemRecord& item) {
  float p7 = param(item, 7);
  if (p7 > 0.0f) return {p7 * 0.5f, true};
  if (p7 < 0.0f) return {p7 == kClosingDefault ? kDefaultHalfOpening : p7 * 0.5f, false};
  return {kDefaultHalfOpening, true};
}

void paintHairpin(DrawingSurface& surface, const View& view, const ItemRecord& item, int x1, int x2,
                  double z, double b) {
  const ViewState& v = view.viewState;
  float p4 = param(item, 4);
  HairpinShape shape = hairpinShape(item);
  int y1 = stepToWindowY(view, p4 - kBottomLineStep, z, b);
  // Sums in this order: the pixels depend on it at half-pixel boundaries.
  double centre = z * (p4 - kBottomLineStep) * v.stepUnit;
  double half = z * shape.halfOpening * v.stepUnit;
  int yPlus = toWindowY(view, half + centre + b);
  int yMinus = toWindowY(view, centre + b - half);
  if (shape.opening) {
    drawLine(surface, x1, y1, x2, yPlus);
    drawLine(surface, x1, y1, x2, yMinus);
  } else {
    drawLine(surface, x1, yPlus, x2, y1);
    drawLine(surface, x1, yMinus, x2, y1);
  }
}

}  // namespace

void paintLine(DrawingSurface& surface, const Document& document, const View& view, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  int s = staffOfItem(item);
  // Staff numbers outside the staff tables cannot be placed.
  if (!isStaffNumber(s)) return;
  double z = view.staffTables.staffSize[s];
  double b = view.staffTables.staffBase[s];
  int x1 = toWindowX(view, param(item, 3) * view.viewState.hUnit);
  int x2 = toWindowX(view, param(item, 6) * view.viewState.hUnit);
  float p5 = param(item, 5);
  if (p5 == kHairpinMark) {
    paintHairpin(surface, view, item, x1, x2, z, b);
    return;
  }
  drawLine(surface, x1, stepToWindowY(view, param(item, 4) - kBottomLineStep, z, b), x2,
           stepToWindowY(view, p5 - kBottomLineStep, z, b));
}
