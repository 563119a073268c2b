#include "raster/raster_surface.h"

#include <algorithm>
#include <cmath>

#include "paint/page_path.h"
#include "raster/cosmetic_line.h"
#include "raster/polygon_stamps.h"
#include "raster/text_outline.h"
#include "raster/wide_stroke.h"

namespace {

// The limits of the Qt surface, so that hostile values are refused alike.
constexpr double kMaxPenWidth = 32767;
constexpr double kMaxExtent = 1e7;
constexpr double kMaxTextSize = 1e5;
constexpr double kMaxTextScale = 100;
// textOut's face: the platform's default text size on a 96 dpi screen.
constexpr double kTextOutSize = 16;
constexpr double kTextOutAscent = 14;

bool usable(double v) { return std::isfinite(v) && std::fabs(v) <= kMaxExtent; }

bool usablePath(const SurfacePath& path) {
  return std::all_of(path.points.begin(), path.points.end(),
                     [](const PathPoint& p) { return usable(p.x) && usable(p.y); });
}

// Qt's dash rules: an odd list is taken twice, as PostScript does with
// one; a length that is not a positive number counts as 0.
std::vector<double> dashPattern(const std::vector<double>& dashes) {
  std::vector<double> pattern;
  for (size_t pass = 0; pass < (dashes.size() % 2 == 1 ? 2u : 1u); ++pass) {
    for (double d : dashes) pattern.push_back(usable(d) && d > 0 ? d : 0.0);
  }
  return pattern;
}

bool usableRun(const TextRun& run) {
  return !run.text.empty() && usable(run.x) && usable(run.y) && usable(run.rotation) &&
         run.size > 0 && run.size <= kMaxTextSize && run.spacing >= 0 &&
         run.spacing <= kMaxTextScale && run.verticalScale > 0 &&
         run.verticalScale <= kMaxTextScale;
}

// Nearest whole pixel; the one-pixel pen's points are whole pixels but for
// flattened curves.
int64_t wholePixel(double v) { return static_cast<int64_t>(v + (v >= 0 ? 0.5 : -0.5)); }

std::vector<Contour> shifted(std::vector<Contour> contours, double by) {
  for (Contour& contour : contours) {
    for (PathPoint& p : contour.points) p = {p.x + by, p.y + by};
  }
  return contours;
}

}  // namespace

RasterSurface::RasterSurface(GreyPage& page, const PenWidths& widths)
    : page_(page), widths_(widths) {}

PathPoint RasterSurface::device(int x, int y) const {
  return {static_cast<double>(x) + originX_, static_cast<double>(y) + originY_};
}

double RasterSurface::lineWidth() const {
  double width = widths_.of(weight_);
  return usable(width) && width > 1 && penWidth_ == 0 ? width : 0;
}

void RasterSurface::fill(const EdgeList& edges, FillRule rule, uint8_t level) {
  fillEdges(page_, edges, rule, level, antialiased_);
}

std::vector<Contour>& RasterSurface::pointContour(const Vector* points, int count, bool closed) {
  scratch_.resize(1);
  Contour& contour = scratch_.front();
  contour.closed = closed;
  contour.points.clear();
  for (int i = 0; i < count; ++i) contour.points.push_back(device(points[i].x, points[i].y));
  return scratch_;
}

void RasterSurface::strokeWide(const std::vector<Contour>& contours, double width) {
  edges_.clear();
  addStroke(edges_, contours, width);
  fill(edges_, FillRule::kNonZero, 0);
}

void RasterSurface::strokeCosmetic(const std::vector<Contour>& contours) {
  if (antialiased_) {
    // Antialiased, the one-pixel pen is a line a pixel wide on its points.
    strokeWide(contours, 1);
    return;
  }
  for (const Contour& contour : contours) {
    const auto& p = contour.points;
    auto line = [&](const PathPoint& a, const PathPoint& b) {
      drawCosmeticLine(page_, wholePixel(a.x), wholePixel(a.y), wholePixel(b.x), wholePixel(b.y),
                       0);
    };
    for (size_t i = 0; i + 1 < p.size(); ++i) line(p[i], p[i + 1]);
    if (contour.closed && p.size() > 1) line(p.back(), p.front());
  }
}

void RasterSurface::strokeWithPen(const std::vector<Contour>& contours, bool usePrintedWidth) {
  double printed = usePrintedWidth ? lineWidth() : 0;
  if (printed > 0) {
    // A one-pixel line covers the pixels right of and below its points;
    // the wide line keeps to the same centres.
    strokeWide(shifted(contours, 0.5), printed);
  } else if (penWidth_ > 0) {
    strokeWide(contours, penWidth_);
  } else {
    strokeCosmetic(contours);
  }
}

void RasterSurface::beginSymbol(const ComponentPlacement& placement) {
  placing_ = false;
  // The polygons are as fine as the pixels while a library unit is under a
  // device pixel (PNG pages to 600 dpi).
  if (!(std::fabs(placement.scale) > 1) || placement.symbol < 0 ||
      placement.symbol >= kSymbolCount || !usable(placement.scale)) {
    return;
  }
  const OutlineGlyph* outline = outlines_.outlineOf(placement.symbol);
  if (outline == nullptr) return;
  SurfacePath path;
  addSymbolOutline(path, *outline, placement);
  for (PathPoint& p : path.points) p = {p.x + originX_, p.y + originY_};
  std::vector<Contour> contours;
  if (!usablePath(path) || !flattenPath(path, &contours)) return;
  EdgeList edges;
  for (const Contour& contour : contours) edges.addContour(contour.points);
  fill(edges, FillRule::kNonZero, 0);
  placing_ = true;
}

void RasterSurface::moveTo(int x, int y) {
  position_ = device(x, y);
  if (pathOpen_) path_.push_back({{position_}, false});
}

void RasterSurface::lineTo(int x, int y) {
  PathPoint end = device(x, y);
  if (pathOpen_) {
    // A path begun without a move starts at the current position.
    if (path_.empty()) path_.push_back({{position_}, false});
    path_.back().points.push_back(end);
  } else {
    strokeWithPen({{{position_, end}, false}}, true);
  }
  position_ = end;
}

void RasterSurface::polyline(const Vector* points, int count) {
  if (points == nullptr || count < 2 || placing_) return;
  strokeWithPen(pointContour(points, count, false), true);
}

void RasterSurface::polygon(const Vector* points, int count) {
  if (points == nullptr || count < 2 || placing_) return;
  if (!antialiased_ && penWidth_ == 0 &&
      threadPolygonStamps().draw(page_, points, count, originX_, originY_, brushLevel())) {
    return;
  }
  const std::vector<Contour>& shape = pointContour(points, count, true);
  edges_.clear();
  edges_.addContour(shape.front().points);
  fill(edges_, FillRule::kEvenOdd, brushLevel());
  // The outline is the pen's own: the printed line widths are not for it.
  strokeWithPen(shape, false);
}

void RasterSurface::polyBezier(const Vector* points, int count) {
  if (points == nullptr || count < 4 || (count - 1) % 3 != 0 || placing_) return;
  Contour curve;
  curve.points.push_back(device(points[0].x, points[0].y));
  for (int i = 1; i + 2 < count; i += 3) {
    appendCubic(curve.points, curve.points.back(), device(points[i].x, points[i].y),
                device(points[i + 1].x, points[i + 1].y), device(points[i + 2].x, points[i + 2].y));
  }
  strokeWithPen({curve}, true);
}

void RasterSurface::selectWidePen(int width) {
  rememberedPenWidth_ = penWidth_;
  // A width of 0 is the one-pixel pen: what a failed pen creation leaves on
  // the page as well.
  double outline = usable(widths_.wideOutline) ? std::clamp(widths_.wideOutline, 0.0, 1e3) : 0.0;
  penWidth_ = std::clamp(static_cast<double>(width), 0.0, kMaxPenWidth) + outline;
}

void RasterSurface::beginPath() {
  path_.clear();
  pathOpen_ = true;
}

void RasterSurface::strokePath() {
  strokeWithPen(path_, true);
  path_.clear();
}

void RasterSurface::setViewportOrigin(int x, int y) {
  originX_ = x;
  originY_ = y;
}

void RasterSurface::textOut(int x, int y, const char* text, int length) {
  if (text == nullptr || length <= 0) return;
  TextRun run;
  run.size = kTextOutSize;
  PathPoint corner = device(x, y);
  run.x = corner.x;
  run.y = corner.y + kTextOutAscent;
  run.text.assign(text, static_cast<size_t>(length));
  drawText(run);
}

void RasterSurface::fillRectangle(int x, int y, int width, int height) {
  PathPoint corner = device(x, y);
  int64_t left = std::llround(std::min(corner.x, corner.x + width));
  int64_t top = std::llround(std::min(corner.y, corner.y + height));
  int64_t right = left + std::llabs(static_cast<int64_t>(width));
  int64_t bottom = top + std::llabs(static_cast<int64_t>(height));
  int64_t x0 = std::max<int64_t>(left, 0), x1 = std::min<int64_t>(right, page_.width);
  for (int64_t row = std::max<int64_t>(top, 0); row < std::min<int64_t>(bottom, page_.height);
       ++row) {
    if (x0 < x1) std::fill(page_.row(int(row)) + x0, page_.row(int(row)) + x1, brushLevel());
  }
}

void RasterSurface::drawPath(const SurfacePath& path, PathFill fill, const StrokeStyle& stroke) {
  bool stroked = usable(stroke.width) && stroke.width > 0;
  if ((fill == PathFill::kNone && !stroked) || !usablePath(path)) return;
  SurfacePath moved = path;
  for (PathPoint& p : moved.points) p = {p.x + originX_, p.y + originY_};
  std::vector<Contour> contours;
  if (!flattenPath(moved, &contours)) return;
  if (fill != PathFill::kNone) {
    EdgeList edges;
    for (const Contour& contour : contours) edges.addContour(contour.points);
    this->fill(edges, fill == PathFill::kEvenOdd ? FillRule::kEvenOdd : FillRule::kNonZero, 0);
  }
  if (stroked) {
    strokeWide(dashContours(contours, dashPattern(stroke.dashes)),
               std::min(stroke.width, kMaxPenWidth));
  }
}

void RasterSurface::drawText(const TextRun& run) {
  if (!usableRun(run)) return;
  TextRun moved = run;
  moved.x += originX_;
  moved.y += originY_;
  std::vector<Contour> contours;
  if (!threadTextOutliner().addRun(moved, &contours)) return;
  EdgeList edges;
  for (const Contour& contour : contours) edges.addContour(contour.points);
  fillEdges(page_, edges, FillRule::kNonZero, 0, true);
}
