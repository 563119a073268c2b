#include <cstdint>

#include "paint/painter.h"
#include "score/conversions.h"
#include "score/item_table.h"

namespace {

constexpr float kInvisibleBarline = -1.0f;
constexpr float kSingle = 0.0f;
constexpr float kDouble = 1.0f;
constexpr float kFinal = 2.0f;
constexpr double kDoubleGap = 1.25;        // units left of P3: second thin stroke
constexpr double kFinalThinGap = 2.3;      // units left of P3: thin stroke of a final barline
constexpr double kFinalThickCentre = 0.5;  // units left of P3: centre of the thick stroke
constexpr int kStaffTopStep = 8;           // top line, in steps above the bottom line

void drawFinalStrokes(DrawingSurface& surface, const View& view, double p3, double z, int yBottom,
                      int yTop) {
  const ViewState& v = view.viewState;
  int x3 = toWindowX(view, p3 * v.hUnit - z * v.hUnit * kFinalThinGap);
  drawLine(surface, x3, yBottom, x3, yTop);
  // The thick stroke: a wide flat-capped pen, used once as a stroked path.
  surface.selectWidePen(truncToInt(z * v.hUnit));
  surface.beginPath();
  int x4 = toWindowX(view, p3 * v.hUnit - z * v.hUnit * kFinalThickCentre);
  drawLine(surface, x4, yBottom, x4, yTop);
  surface.endPath();
  surface.strokePath();
  surface.restorePen();
}

}  // namespace

int barlineTopStaff(int s, float p4) {
  int64_t u = s;
  if (p4 > 1.0f) u += truncToInt(p4 - 1.0);
  return u <= kStaffCount ? static_cast<int>(u) : 0;
}

void paintBarline(DrawingSurface& surface, const Document& document, const View& view, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  int s = staffOfItem(item);
  float p4 = param(item, 4);
  if (p4 == 0.0f) p4 = 1.0f;
  if (p4 == kInvisibleBarline) return;
  // A barline whose lowest or highest staff lies outside the staff tables
  // cannot be placed.
  int u = isStaffNumber(s) ? barlineTopStaff(s, p4) : 0;
  if (u == 0) return;

  const ViewState& v = view.viewState;
  const StaffTables& t = view.staffTables;
  float p3 = param(item, 3);
  float p5 = param(item, 5);
  double z = t.staffSize[s];
  int x = toWindowX(view, p3 * v.hUnit);
  int yBottom = toWindowY(view, t.staffBase[s]);
  int yTop = toWindowY(view, t.staffBase[u] + t.staffSize[u] * v.stepUnit * kStaffTopStep);
  if (p5 == kSingle || p5 == kDouble) drawLine(surface, x, yBottom, x, yTop);
  if (p5 == kDouble) {
    int x2 = toWindowX(view, p3 * v.hUnit - z * v.hUnit * kDoubleGap);
    drawLine(surface, x2, yBottom, x2, yTop);
  }
  if (p5 == kFinal) drawFinalStrokes(surface, view, p3, z, yBottom, yTop);
}
