#include "library/outline_glyphs.h"
#include "paint/dash_shape.h"
#include "paint/hairpin_shape.h"
#include "paint/hook_shape.h"
#include "paint/line_weights.h"
#include "paint/page_path.h"
#include "paint/painter.h"
#include "paint/wiggle_shape.h"
#include "score/item_table.h"

namespace {

LineItem readLineItem(const ItemRecord& item) {
  LineItem l;
  l.p3 = param(item, 3), l.p4 = param(item, 4), l.p5 = param(item, 5), l.p6 = param(item, 6);
  l.p7 = param(item, 7), l.p8 = param(item, 8), l.p9 = param(item, 9);
  l.p11 = param(item, 11), l.p12 = param(item, 12);
  return l;
}

void strokeLines(DrawingSurface& surface, const View& view, const SurfacePath& path) {
  drawPagePath(surface, path, PathFill::kNone, {strokeWidth(view.viewState, kLineWeight), {}});
}

void paintChain(DrawingSurface& surface, const View& view, const std::vector<GlyphPlacement>& chain,
                const OutlineGlyph& element, const DeviceMap& map) {
  SurfacePath path;
  for (const GlyphPlacement& placement : chain) addGlyph(path, map, element, placement);
  drawPagePath(surface, path, PathFill::kNonZero,
               {strokeWidth(view.viewState, kSlurOutlineWeight), {}});
}

}  // namespace

void paintLineShape(DrawingSurface& surface, const View& view, const LineItem& line,
                    const StaffFrame& frame) {
  DeviceMap map = deviceMap(view.viewState);
  double period = trillElementGlyph().advance;
  SurfacePath path;
  switch (lineKind(line)) {
    case LineKind::kHairpin:
      addPolyline(path, map, hairpinLine(line, frame));
      strokeLines(surface, view, path);
      break;
    case LineKind::kDashed:
      for (const DashSegment& dash : dashedLine(line, frame)) {
        const PagePoint ends[] = {dash.from, dash.to};
        addPolyline(path, map, ends);
      }
      if (line.p12 != 0.0f) {
        float right = lineRightX(line);
        const PagePoint hook[] = {frame.at(right, line.p5), frame.at(right, line.p5 + line.p12)};
        addPolyline(path, map, hook);
      }
      strokeLines(surface, view, path);
      break;
    case LineKind::kVerticalWavy:
      paintChain(surface, view, verticalWavyLine(line, frame, arpeggioGlyph(), period),
                 arpeggioGlyph(), map);
      break;
    case LineKind::kHorizontalWavy:
      paintChain(surface, view, horizontalWiggle(line, frame, trillElementGlyph(), period),
                 trillElementGlyph(), map);
      break;
    case LineKind::kStraight:
      addPolyline(path, map, hookedLine(line, frame));
      strokeLines(surface, view, path);
      break;
  }
}

void paintCompleteLine(DrawingSurface& surface, const Document& document, const View& view, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  int s = staffOfItem(item);
  if (!isStaffNumber(s)) return;
  paintLineShape(surface, view, readLineItem(item),
                 staffFrame(view.viewState, view.staffTables, s));
}
