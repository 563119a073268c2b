#include "paint/item_bounds_surface.h"

#include <algorithm>
#include <cmath>

namespace {

// Nothing on a screen lies farther out; hostile values beyond are ignored.
constexpr double kMaxReach = 1e7;

// Times-like faces: the mean advance, the height above the baseline and the
// depth below it, in ems.
constexpr double kAdvanceEm = 0.6;
constexpr double kAscentEm = 0.8;
constexpr double kDescentEm = 0.25;

constexpr double kDegree = 3.14159265358979323846 / 180;

// UTF-8 characters, continuation bytes not counted.
int characterCount(const std::string& text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace

void ItemBoundsSurface::include(double x, double y, double halfPen) {
  if (item_ == 0) return;
  x += originX_;
  y += originY_;
  if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > kMaxReach ||
      std::fabs(y) > kMaxReach)
    return;
  halfPen = std::clamp(halfPen, 0.0, kMaxReach);
  if (!drawn_) {
    boxes_.push_back({item_, x - halfPen, y - halfPen, x + halfPen, y + halfPen});
    drawn_ = true;
    return;
  }
  ItemBox& box = boxes_.back();
  box.left = std::min(box.left, x - halfPen);
  box.top = std::min(box.top, y - halfPen);
  box.right = std::max(box.right, x + halfPen);
  box.bottom = std::max(box.bottom, y + halfPen);
}

void ItemBoundsSurface::includePoints(const Vector* points, int count) {
  if (points == nullptr) return;
  for (int k = 0; k < count; ++k) include(points[k].x, points[k].y, halfPen());
}

void ItemBoundsSurface::moveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
  target_.moveTo(x, y);
}

void ItemBoundsSurface::lineTo(int x, int y) {
  include(penX_, penY_, halfPen());
  include(x, y, halfPen());
  penX_ = x;
  penY_ = y;
  target_.lineTo(x, y);
}

void ItemBoundsSurface::polyline(const Vector* points, int count) {
  includePoints(points, count);
  target_.polyline(points, count);
}

void ItemBoundsSurface::polygon(const Vector* points, int count) {
  includePoints(points, count);
  target_.polygon(points, count);
}

void ItemBoundsSurface::polyBezier(const Vector* points, int count) {
  // The control points enclose the curve.
  if (count > 0 && count % 3 == 1) includePoints(points, count);
  target_.polyBezier(points, count);
}

void ItemBoundsSurface::selectStockBrush(StockBrush brush) { target_.selectStockBrush(brush); }

void ItemBoundsSurface::selectWidePen(int width) {
  rememberedPenWidth_ = penWidth_;
  penWidth_ = std::max(width, 1);
  target_.selectWidePen(width);
}

void ItemBoundsSurface::restorePen() {
  penWidth_ = rememberedPenWidth_;
  target_.restorePen();
}

void ItemBoundsSurface::selectPenWeight(PenWeight weight) { target_.selectPenWeight(weight); }

void ItemBoundsSurface::beginPath() { target_.beginPath(); }

void ItemBoundsSurface::endPath() { target_.endPath(); }

void ItemBoundsSurface::strokePath() { target_.strokePath(); }

void ItemBoundsSurface::setViewportOrigin(int x, int y) {
  originX_ = x;
  originY_ = y;
  target_.setViewportOrigin(x, y);
}

void ItemBoundsSurface::textOut(int x, int y, const char* text, int length) {
  if (text != nullptr && length > 0) {
    include(x, y, 0);
    include(x + length * kAdvanceEm * kTextOutEm, y + kTextOutEm, 0);
  }
  target_.textOut(x, y, text, length);
}

void ItemBoundsSurface::fillRectangle(int x, int y, int width, int height) {
  if (width > 0 && height > 0) {
    include(x, y, 0);
    include(static_cast<double>(x) + width, static_cast<double>(y) + height, 0);
  }
  target_.fillRectangle(x, y, width, height);
}

void ItemBoundsSurface::drawPath(const SurfacePath& path, PathFill fill,
                                 const StrokeStyle& stroke) {
  if (path.wellFormed() && (fill != PathFill::kNone || stroke.width > 0)) {
    double half = std::isfinite(stroke.width) ? std::max(stroke.width, 0.0) / 2 : 0;
    for (const PathPoint& p : path.points) include(p.x, p.y, half);
  }
  target_.drawPath(path, fill, stroke);
}

void ItemBoundsSurface::drawText(const TextRun& run) {
  double size = run.size;
  if (std::isfinite(size) && size > 0 && std::isfinite(run.rotation) && !run.text.empty()) {
    size = std::min(size, kMaxReach);
    double width = characterCount(run.text) * kAdvanceEm * size;
    double angle = std::fmod(run.rotation, 360.0) * kDegree;
    double c = std::cos(angle), s = std::sin(angle);
    // The corners of the run's box in its own frame, turned clockwise about
    // the origin (y grows downward).
    const double corners[4][2] = {{0, -kAscentEm * size},
                                  {width, -kAscentEm * size},
                                  {0, kDescentEm * size},
                                  {width, kDescentEm * size}};
    for (const auto& corner : corners) {
      include(run.x + corner[0] * c - corner[1] * s, run.y + corner[0] * s + corner[1] * c, 0);
    }
  }
  target_.drawText(run);
}

void ItemBoundsSurface::beginSymbol(const ComponentPlacement& placement) {
  target_.beginSymbol(placement);
}

void ItemBoundsSurface::endSymbol() { target_.endSymbol(); }

void ItemBoundsSurface::beginItem(int item) {
  item_ = item;
  drawn_ = false;
  target_.beginItem(item);
}

void ItemBoundsSurface::endItem() {
  item_ = 0;
  drawn_ = false;
  target_.endItem();
}
