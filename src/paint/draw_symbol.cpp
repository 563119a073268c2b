#include <algorithm>
#include <cstdint>

#include "paint/painter.h"

namespace {

// The points [first, first + count) clipped to the vector list, so that a
// draw list whose point counts run past the list never reads beyond it.
int clippedCount(const LibrarySymbol& record, int64_t first, int64_t count) {
  int64_t size = static_cast<int64_t>(record.vectors.size());
  if (first < 0 || first >= size || count <= 0) return 0;
  return static_cast<int>(std::min(count, size - first));
}

// A pending Bézier run: its start point and the number of opcode -1 entries.
// A run begun with no point before it (a first entry of opcode -1) has
// nothing to start from; it is followed like any run but never drawn.
struct BezierRun {
  bool pending = false;
  bool placeable = false;
  int64_t start = 0;
  int64_t entries = 0;
};

void drawRun(DrawingSurface& surface, const LibrarySymbol& record, const BezierRun& run) {
  int count = clippedCount(record, run.start, run.entries + 1);
  if (run.placeable && count > 0) surface.polyBezier(record.vectors.data() + run.start, count);
}

void drawPoints(DrawingSurface& surface, const LibrarySymbol& record, int op, int64_t first,
                int64_t n) {
  int count = clippedCount(record, first, n);
  if (count == 0) return;
  const Vector* points = record.vectors.data() + first;
  if (op == kPolyline) {
    surface.polyline(points, count);
  } else {
    surface.polygon(points, count);
  }
}

}  // namespace

void drawSymbol(DrawingSurface& surface, const LibrarySymbol& record) {
  int64_t cursor = 0;
  BezierRun run;
  for (const DrawEntry& entry : record.drawList) {
    // A negative point count owns no points; it cannot move the cursor back.
    int64_t n = std::max<int32_t>(entry.pointCount, 0);
    switch (entry.op) {
      case kPolyline: drawPoints(surface, record, kPolyline, cursor, n); break;
      case kBlackPolygon:
        if (run.pending) drawRun(surface, record, run);
        run.pending = false;
        surface.selectStockBrush(StockBrush::kBlack);
        drawPoints(surface, record, kBlackPolygon, cursor, n);
        break;
      case kWhitePolygon:
        surface.selectStockBrush(StockBrush::kWhite);
        drawPoints(surface, record, kWhitePolygon, cursor, n);
        break;
      case kBezierPoint:
        if (!run.pending) run = BezierRun{true, cursor > 0, cursor - 1, 0};
        ++run.entries;
        break;
      default: break;
    }
    cursor += n;
  }
}

void drawComponent(DrawingSurface& surface, const Component& component) {
  surface.beginSymbol(component.placement);
  drawSymbol(surface, component);
  surface.endSymbol();
}
