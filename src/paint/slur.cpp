#include <algorithm>
#include <cmath>

#include "paint/ending_shape.h"
#include "paint/line_weights.h"
#include "paint/page_path.h"
#include "paint/painter.h"
#include "paint/slur_number.h"
#include "paint/slur_shape.h"
#include "score/item_table.h"

namespace {

// Samples per edge: about one every four device pixels of chord, enough for
// a curve that bends smoothly at any zoom without costing much on a page of
// a hundred slurs; at print resolutions one every hundredth of an inch,
// which keeps the chords of the tightest tie within a ten-thousandth of an
// inch of its curve.
constexpr double kPixelsPerSample = 4.0;
constexpr double kInchesPerSample = 0.01;
constexpr int kFewestSamples = 6;
constexpr int kMostSamples = 200;

SlurItem readSlurItem(const ItemRecord& item) {
  SlurItem s;
  s.p3 = param(item, 3), s.p4 = param(item, 4), s.p5 = param(item, 5), s.p6 = param(item, 6);
  s.p7 = param(item, 7), s.p8 = param(item, 8), s.p9 = param(item, 9), s.p10 = param(item, 10);
  s.p12 = param(item, 12), s.p14 = param(item, 14), s.p15 = param(item, 15);
  s.p16 = param(item, 16);
  return s;
}

int samplesFor(const SlurCurve& curve, const DeviceMap& map, const ViewState& view, double share) {
  double chord = std::hypot(curve.b.x - curve.a.x, curve.b.y - curve.a.y) * map.scale * share;
  double spacing = std::max(kPixelsPerSample, kInchesPerSample * view.pixelsPerInch * view.zoom);
  double samples = chord / spacing;
  // A mirrored or collapsed view gives a negative or NaN chord.
  if (!(samples < kMostSamples)) return kMostSamples;
  if (!(samples > kFewestSamples)) return kFewestSamples;
  return static_cast<int>(samples);
}

void paintEnding(DrawingSurface& surface, const View& view, const SlurItem& slur,
                 const StaffFrame& frame, const DeviceMap& map) {
  EndingShape ending = endingShape(slur, frame);
  SurfacePath path;
  addPolyline(path, map, ending.bracket);
  drawPagePath(surface, path, PathFill::kNone, {strokeWidth(view.viewState, kLineWeight), {}});
  PathPoint number = map.map(ending.numberAt);
  drawSlurNumber(surface, view, ending.number, number.x, number.y, SlurNumberStyle::kEnding,
                 frame.size);
}

}  // namespace

void paintSlur(DrawingSurface& surface, const Document& document, const View& view, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  int s = staffOfItem(item);
  if (!isStaffNumber(s)) return;
  SlurItem slur = readSlurItem(item);
  StaffFrame frame = staffFrame(view.viewState, view.staffTables, s);
  DeviceMap map = deviceMap(view.viewState);
  if (isEnding(slur)) {
    paintEnding(surface, view, slur, frame, map);
    return;
  }
  SlurCurve curve;
  if (!slurCurve(slur, frame, &curve)) return;
  // Where the outline is held to a pixel (screen resolutions) its ink is
  // filled with the rest, which costs a fraction of stroking it.
  double outline = strokeWidth(view.viewState, kSlurOutlineWeight);
  double widening = outline > 1 ? 0 : outline / 2 / map.scale;
  SurfacePath path;
  for (const SlurPiece& piece : slurPieces(slur, curve, frame)) {
    int samples = samplesFor(curve, map, view.viewState, piece.to - piece.from);
    addPolygon(path, map, slurOutline(curve, piece.from, piece.to, samples, widening));
  }
  drawPagePath(surface, path, PathFill::kNonZero, {widening > 0 ? 0 : outline, {}});
  if (slur.p16 != 0.0f) {
    TupletNumber tuplet = tupletNumber(slur, curve, frame);
    PathPoint at = map.map({tuplet.centreX, tuplet.baseline});
    drawSlurNumber(surface, view, tuplet.text, at.x, at.y, SlurNumberStyle::kTuplet, frame.size);
  }
}
