#include "raster/edge_fill.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSubRows = 16;

bool inside(int winding, FillRule rule) {
  return rule == FillRule::kNonZero ? winding != 0 : (winding & 1) != 0;
}

// Where an edge crosses a scan line, and which way it runs there.
template <typename EdgeType>
struct EdgeCrossing {
  double x;
  int winding;
  const EdgeType* edge;
};

// Sorts crossings along the line by insertion: from one scan line to the
// next they keep their order but for a few swaps. Ties may end in either
// order, which changes no run.
template <typename Crossings>
void sortAlong(Crossings& crossings) {
  for (size_t i = 1; i < crossings.size(); ++i) {
    auto moving = crossings[i];
    size_t j = i;
    for (; j > 0 && moving.x < crossings[j - 1].x; --j) crossings[j] = crossings[j - 1];
    crossings[j] = moving;
  }
}

// The edges' crossings of the horizontal line at y, sorted along it. The
// edges are sorted by their tops; the crossings of the last line are kept,
// with their edges, as the order to start from.
class ScanLines {
 public:
  using Crossing = EdgeCrossing<Edge>;

  explicit ScanLines(const EdgeList& edges) : edges_(edges.edges()) {
    std::sort(edges_.begin(), edges_.end(),
              [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
  }

  // For rising y only.
  const std::vector<Crossing>& crossingsAt(double y, double left, double right) {
    std::erase_if(crossings_, [y](const Crossing& c) { return c.edge->y1 <= y; });
    while (next_ < edges_.size() && edges_[next_].y0 <= y) {
      const Edge& e = edges_[next_++];
      if (e.y1 > y) crossings_.push_back({0, e.winding, &e});
    }
    for (Crossing& c : crossings_) {
      const Edge* e = c.edge;
      c.x = std::clamp(e->x0 + (y - e->y0) * (e->x1 - e->x0) / (e->y1 - e->y0), left, right);
    }
    sortAlong(crossings_);
    return crossings_;
  }

  double top() const { return edges_.empty() ? 0 : edges_.front().y0; }
  double bottom() const {
    double y = top();
    for (const Edge& e : edges_) y = std::max(y, e.y1);
    return y;
  }

 private:
  std::vector<Edge> edges_;
  size_t next_ = 0;
  std::vector<Crossing> crossings_;
};

// Calls span(from, to) for each run of the line inside by the rule.
template <typename Crossings, typename Span>
void insideRuns(const Crossings& crossings, FillRule rule, Span span) {
  int winding = 0;
  for (size_t i = 0; i + 1 < crossings.size(); ++i) {
    winding += crossings[i].winding;
    if (inside(winding, rule) && crossings[i + 1].x > crossings[i].x) {
      span(crossings[i].x, crossings[i + 1].x);
    }
  }
}

// An edge as Qt's aliased scan converter walks it: ends rounded to 1/64
// pixel, rows whose centres lie in (top, bottom], and x at each row's centre
// in 16.16 fixed point from a rounded slope. Its rounding decides the
// pixels on the shapes' edges, so it is followed step by step.
struct FixedEdge {
  int64_t firstRow, lastRow;
  double startFP, slopeFP, topFP;
  int winding;

  // Where the row's pixels change from outside to inside, or back.
  double boundary(int64_t row) const {
    double fromTop = static_cast<double>(row) * 65536 + 32768 - topFP;
    return std::floor((startFP + std::floor(slopeFP * fromTop / 65536)) / 65536);
  }
};

// To 1/64 pixel, halves away from 0; coordinates are far below 2^47 pixels.
double sixtyFourths(double v) {
  double scaled = std::clamp(v * 64, -1e15, 1e15);
  return scaled >= 0 ? static_cast<double>(static_cast<int64_t>(scaled + 0.5))
                     : -static_cast<double>(static_cast<int64_t>(0.5 - scaled));
}

// Into a buffer kept by the thread: pages are thousands of small shapes.
const std::vector<FixedEdge>& fixedEdges(const EdgeList& edges) {
  thread_local std::vector<FixedEdge> fixed;
  fixed.clear();
  for (const Edge& e : edges.edges()) {
    double top = sixtyFourths(e.y0), bottom = sixtyFourths(e.y1);
    if (top == bottom) continue;
    double left = sixtyFourths(e.x0), right = sixtyFourths(e.x1);
    fixed.push_back({static_cast<int64_t>(std::floor((top + 32) / 64)),
                     static_cast<int64_t>(std::floor((bottom - 32) / 64)), 32768 + left * 1024,
                     std::round((right - left) / (bottom - top) * 65536), top * 1024, e.winding});
  }
  std::sort(fixed.begin(), fixed.end(),
            [](const FixedEdge& a, const FixedEdge& b) { return a.firstRow < b.firstRow; });
  return fixed;
}

void fillAliased(GreyPage& page, const EdgeList& edges, FillRule rule, uint8_t level) {
  const std::vector<FixedEdge>& fixed = fixedEdges(edges);
  if (fixed.empty()) return;
  int64_t last = fixed.front().lastRow;
  for (const FixedEdge& e : fixed) last = std::max(last, e.lastRow);
  using Crossing = EdgeCrossing<FixedEdge>;
  thread_local std::vector<Crossing> crossings;
  crossings.clear();
  size_t next = 0;
  for (int64_t y = std::max<int64_t>(fixed.front().firstRow, 0);
       y <= std::min<int64_t>(last, page.height - 1); ++y) {
    std::erase_if(crossings, [y](const Crossing& c) { return c.edge->lastRow < y; });
    for (; next < fixed.size() && fixed[next].firstRow <= y; ++next) {
      if (fixed[next].lastRow >= y) crossings.push_back({0, fixed[next].winding, &fixed[next]});
    }
    for (Crossing& c : crossings) c.x = std::clamp(c.edge->boundary(y), -1.0, page.width + 1.0);
    sortAlong(crossings);
    uint8_t* row = page.row(static_cast<int>(y));
    insideRuns(crossings, rule, [&](double from, double to) {
      int a = std::max(0, static_cast<int>(from));
      int b = std::min(page.width, static_cast<int>(to));
      if (a < b) std::fill(row + a, row + b, level);
    });
  }
}

void fillCoverage(GreyPage& page, ScanLines& lines, FillRule rule, uint8_t level) {
  int first = static_cast<int>(std::clamp(std::floor(lines.top()), 0.0, double(page.height)));
  int last = static_cast<int>(std::clamp(std::ceil(lines.bottom()), 0.0, double(page.height)));
  const int width = page.width;
  // Partial pixels add their share to `area`; whole runs go into `runs` as
  // a start and an end, summed along the row afterwards.
  std::vector<float> area(static_cast<size_t>(width) + 2, 0.0f);
  std::vector<float> runs(static_cast<size_t>(width) + 2, 0.0f);
  for (int y = first; y < last; ++y) {
    int low = width, high = -1;
    for (int s = 0; s < kSubRows; ++s) {
      double sample = y + (s + 0.5) / kSubRows;
      insideRuns(lines.crossingsAt(sample, 0.0, double(width)), rule, [&](double from, double to) {
        int a = static_cast<int>(from);
        int b = static_cast<int>(to);
        low = std::min(low, a);
        high = std::max(high, std::min(b, width - 1));
        if (a == b) {
          area[a] += static_cast<float>(to - from);
          return;
        }
        area[a] += static_cast<float>(a + 1 - from);
        runs[a + 1] += 1.0f;
        runs[b] -= 1.0f;
        if (b < width) area[b] += static_cast<float>(to - b);
      });
    }
    if (high < low) continue;
    uint8_t* row = page.row(y);
    float run = 0;
    for (int x = low; x <= high + 1 && x < width; ++x) {
      run += runs[x];
      float cover = std::min(1.0f, (run + area[x]) / kSubRows);
      int coverage = static_cast<int>(cover * 255.0f + 0.5f);
      if (coverage > 0) blendPixel(row[x], level, coverage);
    }
    std::fill(area.begin() + low, area.begin() + std::min(high + 3, width + 2), 0.0f);
    std::fill(runs.begin() + low, runs.begin() + std::min(high + 3, width + 2), 0.0f);
  }
}

}  // namespace

void EdgeList::addEdge(PathPoint from, PathPoint to) {
  if (from.y == to.y) return;  // crosses no scan line
  if (from.y < to.y) {
    edges_.push_back({from.x, from.y, to.x, to.y, 1});
  } else {
    edges_.push_back({to.x, to.y, from.x, from.y, -1});
  }
}

void EdgeList::addContour(std::span<const PathPoint> points) {
  if (points.size() < 2) return;
  for (size_t i = 0; i + 1 < points.size(); ++i) addEdge(points[i], points[i + 1]);
  addEdge(points.back(), points.front());
}

void fillEdges(GreyPage& page, const EdgeList& edges, FillRule rule, uint8_t level,
               bool antialias) {
  if (edges.empty() || page.width <= 0 || page.height <= 0) return;
  if (antialias) {
    ScanLines lines(edges);
    fillCoverage(page, lines, rule, level);
  } else {
    fillAliased(page, edges, rule, level);
  }
}
