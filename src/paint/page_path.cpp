#include "paint/page_path.h"

#include <cmath>

namespace {

void addPoints(SurfacePath& path, const DeviceMap& map, std::span<const PagePoint> points) {
  for (size_t i = 0; i < points.size(); ++i) {
    PathPoint p = map.map(points[i]);
    if (i == 0) {
      path.moveTo(p.x, p.y);
    } else {
      path.lineTo(p.x, p.y);
    }
  }
}

// Appends an outline's segments with each point mapped into device pixels;
// stops at a verb whose points the outline does not hold.
template <typename MapPoint>
void addOutline(SurfacePath& path, const OutlineGlyph& outline, MapPoint mapPoint) {
  size_t k = 0;
  auto next = [&] { return mapPoint(outline.points[k++]); };
  for (OutlineVerb verb : outline.verbs) {
    size_t needed = verb == OutlineVerb::kCubic ? 3 : verb == OutlineVerb::kClose ? 0 : 1;
    if (k + needed > outline.points.size()) return;
    switch (verb) {
      case OutlineVerb::kMove: {
        PathPoint p = next();
        path.moveTo(p.x, p.y);
        break;
      }
      case OutlineVerb::kLine: {
        PathPoint p = next();
        path.lineTo(p.x, p.y);
        break;
      }
      case OutlineVerb::kCubic: {
        PathPoint c1 = next(), c2 = next(), p = next();
        path.cubicTo(c1.x, c1.y, c2.x, c2.y, p.x, p.y);
        break;
      }
      case OutlineVerb::kClose: path.close(); break;
    }
  }
}

}  // namespace

DeviceMap deviceMap(const ViewState& view) {
  DeviceMap map;
  map.scale = view.zoom;
  map.originX = view.leftMargin * view.zoom + view.viewOffsetX;
  // The origin's height is an integer difference, as in toWindowY.
  map.originY = (view.pageHeight - view.bottomMargin) * view.zoom + view.viewOffsetY;
  return map;
}

StaffFrame staffFrame(const ViewState& view, const StaffTables& tables, int s) {
  double size = tables.staffSize[s];
  return {view.hUnit, size * view.stepUnit, size, tables.staffBase[s]};
}

void addPolygon(SurfacePath& path, const DeviceMap& map, std::span<const PagePoint> points) {
  if (points.size() < 2) return;
  addPoints(path, map, points);
  path.close();
}

void addPolyline(SurfacePath& path, const DeviceMap& map, std::span<const PagePoint> points) {
  if (points.size() < 2) return;
  addPoints(path, map, points);
}

void addGlyph(SurfacePath& path, const DeviceMap& map, const OutlineGlyph& glyph,
              const GlyphPlacement& placement) {
  addOutline(path, glyph, [&](OutlinePoint p) { return map.map(placement.map(p)); });
}

void addSymbolOutline(SurfacePath& path, const OutlineGlyph& outline,
                      const ComponentPlacement& placement) {
  double sx = placement.scale;
  double sy = placement.mirrored ? -sx : sx;
  addOutline(path, outline, [&](OutlinePoint p) {
    return PathPoint{p.x * sx + placement.x, p.y * sy + placement.y};
  });
}

double strokeWidth(const ViewState& view, double points) {
  double pixels = points * view.pixelsPerInch / kPointsPerInch * view.zoom;
  return std::isfinite(pixels) && pixels > 1 ? pixels : 1;
}

void strokeLine(DrawingSurface& surface, int x1, int y1, int x2, int y2, double width) {
  if (!(width > 1)) {
    surface.moveTo(x1, y1);
    surface.lineTo(x2, y2);
    return;
  }
  SurfacePath path;
  path.moveTo(x1 + 0.5, y1 + 0.5);
  path.lineTo(x2 + 0.5, y2 + 0.5);
  drawPagePath(surface, path, PathFill::kNone, {width, {}});
}

void drawPagePath(DrawingSurface& surface, const SurfacePath& path, PathFill fill,
                  const StrokeStyle& stroke) {
  if (path.points.empty()) return;
  for (const PathPoint& p : path.points) {
    if (!(std::fabs(p.x) < kDeviceReach && std::fabs(p.y) < kDeviceReach)) return;
  }
  surface.drawPath(path, fill, stroke);
}
