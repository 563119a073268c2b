#include <cstdint>
#include <vector>

#include "library/outline_glyphs.h"
#include "paint/barline_shape.h"
#include "paint/brace_shape.h"
#include "paint/dash_shape.h"
#include "paint/line_weights.h"
#include "paint/page_path.h"
#include "paint/painter.h"
#include "score/conversions.h"
#include "score/item_table.h"

namespace {

constexpr float kInvisibleBarline = -1.0f;
constexpr int kStaffTopStep = 8;
// A circle as four cubic quarters: the control points' distance from the
// ends, as a share of the radius.
constexpr double kCircleControl = 0.5522847498;

BarlineItem readBarlineItem(const ItemRecord& item) {
  BarlineItem b;
  b.p3 = param(item, 3), b.p5 = param(item, 5), b.p8 = param(item, 8), b.p9 = param(item, 9);
  b.p15 = param(item, 15);
  return b;
}

void addCircle(SurfacePath& path, const DeviceMap& map, PagePoint centre, double radius) {
  PathPoint c = map.map(centre);
  double r = radius * map.scale, k = r * kCircleControl;
  path.moveTo(c.x + r, c.y);
  path.cubicTo(c.x + r, c.y + k, c.x + k, c.y + r, c.x, c.y + r);
  path.cubicTo(c.x - k, c.y + r, c.x - r, c.y + k, c.x - r, c.y);
  path.cubicTo(c.x - r, c.y - k, c.x - k, c.y - r, c.x, c.y - r);
  path.cubicTo(c.x + k, c.y - r, c.x + r, c.y - k, c.x + r, c.y);
  path.close();
}

// Thin bars: SCORE's two strokes kThinBarSpread apart, drawn as one; with
// the one-pixel pen where they are not wider than a pixel.
void paintThinBars(DrawingSurface& surface, const View& view, const BarlineShape& shape,
                   const DeviceMap& map) {
  double spread = kThinBarSpread * view.viewState.hUnit;
  double width = strokeWidth(view.viewState, kLineWeight + kThinBarSpread * kPointsPerUnit);
  if (width <= 1 && !(shape.dash > 0 && shape.gap > 0)) {
    for (double x : shape.thin) {
      int windowX = toWindowX(view, x + spread / 2);
      strokeLine(surface, windowX, toWindowY(view, shape.bottom), windowX,
                 toWindowY(view, shape.top), width);
    }
    return;
  }
  SurfacePath path;
  for (double x : shape.thin) {
    PagePoint bottom{x + spread / 2, shape.bottom}, top{x + spread / 2, shape.top};
    if (shape.dash > 0 && shape.gap > 0) {
      for (const DashSegment& dash : dashes(bottom, top, shape.dash, shape.gap)) {
        const PagePoint ends[] = {dash.from, dash.to};
        addPolyline(path, map, ends);
      }
    } else {
      const PagePoint ends[] = {bottom, top};
      addPolyline(path, map, ends);
    }
  }
  drawPagePath(surface, path, PathFill::kNone, {width, {}});
}

void paintFilled(DrawingSurface& surface, const View& view, const BarlineShape& shape,
                 const DeviceMap& map) {
  SurfacePath path;
  for (const ThickBar& bar : shape.thick) {
    const PagePoint corners[] = {{bar.left, shape.bottom},
                                 {bar.right, shape.bottom},
                                 {bar.right, shape.top},
                                 {bar.left, shape.top}};
    addPolygon(path, map, corners);
  }
  if (shape.tipUp || shape.tipDown) {
    double scale = shape.tipScale;
    if (shape.tipUp) {
      addGlyph(path, map, bracketTipUpGlyph(), {shape.tipUpAt.x, shape.tipUpAt.y, scale, scale});
    }
    if (shape.tipDown) {
      addGlyph(path, map, bracketTipDownGlyph(),
               {shape.tipDownAt.x, shape.tipDownAt.y, scale, scale});
    }
  }
  BracePlacement brace;
  if (shape.brace && bracePlacement(shape.braceX, shape.bottom, shape.top, view.viewState.hUnit,
                                    view.viewState.stepUnit, braceGlyphs(), &brace)) {
    addGlyph(path, map, braceGlyphs()[brace.glyph], brace.placement);
  }
  drawPagePath(surface, path, PathFill::kNonZero, {strokeWidth(view.viewState, kLineWeight), {}});
  SurfacePath dots;
  for (const PagePoint& dot : shape.dots) addCircle(dots, map, dot, shape.dotRadius);
  drawPagePath(surface, dots, PathFill::kNonZero, {});
}

}  // namespace

void paintCompleteBarline(DrawingSurface& surface, const Document& document, const View& view,
                          int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  int s = staffOfItem(item);
  float p4 = param(item, 4);
  if (p4 == 0.0f) p4 = 1.0f;
  if (p4 == kInvisibleBarline) return;
  int u = isStaffNumber(s) ? barlineTopStaff(s, p4) : 0;
  if (u == 0) return;
  std::vector<StaffFrame> staves;
  const StaffTables& tables = view.staffTables;
  for (int k = s; k <= u; ++k) staves.push_back(staffFrame(view.viewState, tables, k));
  double top = tables.staffBase[u] + tables.staffSize[u] * view.viewState.stepUnit * kStaffTopStep;
  BarlineShape shape = barlineShape(readBarlineItem(item), tables.staffBase[s], top, staves);
  DeviceMap map = deviceMap(view.viewState);
  paintThinBars(surface, view, shape, map);
  paintFilled(surface, view, shape, map);
}
