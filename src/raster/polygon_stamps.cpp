#include "raster/polygon_stamps.h"

#include <algorithm>
#include <cstring>

#include "raster/cosmetic_line.h"
#include "raster/edge_fill.h"

namespace {

// Shapes larger than this are drawn anew: seldom repeated, and costly to keep.
constexpr int64_t kMaxSide = 256;
// Room round the points' box for the pixels the outline and the filler's
// rounding take beyond it.
constexpr int32_t kMargin = 2;
// Neither black nor white: the pixels a shape leaves untouched.
constexpr uint8_t kUntouched = 128;

// The polygon drawn as the raster surface draws it, its box's corner at
// (kMargin, kMargin) of a page of kUntouched.
GreyPage rasterised(const Vector* points, int count, int32_t left, int32_t top, int64_t width,
                    int64_t height, uint8_t level) {
  GreyPage page = filledPage(static_cast<int>(width + 2 * kMargin + 1),
                             static_cast<int>(height + 2 * kMargin + 1), kUntouched);
  std::vector<PathPoint> moved(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    moved[i] = {static_cast<double>(points[i].x - left + kMargin),
                static_cast<double>(points[i].y - top + kMargin)};
  }
  EdgeList edges;
  edges.addContour(moved);
  fillEdges(page, edges, FillRule::kEvenOdd, level, false);
  for (int i = 0; i < count; ++i) {
    const PathPoint& a = moved[i];
    const PathPoint& b = moved[(i + 1) % count];
    drawCosmeticLine(page, int64_t(a.x), int64_t(a.y), int64_t(b.x), int64_t(b.y), 0);
  }
  return page;
}

// True when a pixel of the page's outermost ring is touched: the margin
// was too narrow, and the stamp would not be the whole shape.
bool touchesEdge(const GreyPage& page) {
  for (int y = 0; y < page.height; ++y) {
    const uint8_t* row = page.row(y);
    bool outer = y == 0 || y == page.height - 1;
    for (int x = 0; x < page.width; x += outer || x == page.width - 1 ? 1 : page.width - 1) {
      if (row[x] != kUntouched) return true;
    }
  }
  return false;
}

}  // namespace

PolygonStamps::Stamp PolygonStamps::runsOf(const GreyPage& page) {
  Stamp stamp;
  for (int y = 0; y < page.height; ++y) {
    const uint8_t* row = page.row(y);
    for (int x = 0; x < page.width;) {
      int end = x + 1;
      while (end < page.width && row[end] == row[x]) ++end;
      if (row[x] != kUntouched) stamp.push_back({y - kMargin, x - kMargin, end - kMargin, row[x]});
      x = end;
    }
  }
  return stamp;
}

const PolygonStamps::Stamp* PolygonStamps::stampOf(const Vector* points, int count, int32_t left,
                                                   int32_t top, uint8_t level) {
  key_.assign(1, static_cast<char>(level));
  for (int i = 0; i < count; ++i) {
    Vector relative{points[i].x - left, points[i].y - top};
    key_.append(reinterpret_cast<const char*>(&relative), sizeof relative);
  }
  auto found = stamps_.find(key_);
  if (found != stamps_.end()) return &found->second;
  int32_t right = left, bottom = top;
  for (int i = 0; i < count; ++i) {
    right = std::max(right, points[i].x);
    bottom = std::max(bottom, points[i].y);
  }
  GreyPage page = rasterised(points, count, left, top, right - left, bottom - top, level);
  if (touchesEdge(page)) return nullptr;
  Stamp stamp = runsOf(page);
  if (stamp.size() > maxRuns_) return nullptr;
  if (stamps_.size() + 1 > maxShapes_ || runs_ + stamp.size() > maxRuns_) {
    stamps_.clear();
    runs_ = 0;
  }
  runs_ += stamp.size();
  return &stamps_.emplace(key_, std::move(stamp)).first->second;
}

bool PolygonStamps::draw(GreyPage& page, const Vector* points, int count, int dx, int dy,
                         uint8_t level) {
  int32_t left = points[0].x, top = points[0].y, right = left, bottom = top;
  for (int i = 1; i < count; ++i) {
    left = std::min(left, points[i].x);
    top = std::min(top, points[i].y);
    right = std::max(right, points[i].x);
    bottom = std::max(bottom, points[i].y);
  }
  int64_t width = int64_t(right) - left, height = int64_t(bottom) - top;
  int64_t x = int64_t(left) + dx, y = int64_t(top) + dy;
  if (width > kMaxSide || height > kMaxSide || x - kMargin < 0 || y - kMargin < 0 ||
      x + width + kMargin >= page.width || y + height + kMargin >= page.height) {
    return false;
  }
  const Stamp* stamp = stampOf(points, count, left, top, level);
  if (stamp == nullptr) return false;
  for (const Run& run : *stamp) {
    uint8_t* row = page.row(static_cast<int>(y + run.y));
    std::memset(row + x + run.from, run.level, static_cast<size_t>(run.to - run.from));
  }
  return true;
}

PolygonStamps& threadPolygonStamps() {
  // At most a few megabytes: 16 bytes a run.
  thread_local PolygonStamps stamps(16384, 1 << 18);
  return stamps;
}
