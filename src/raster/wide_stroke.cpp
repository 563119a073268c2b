#include "raster/wide_stroke.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace {

constexpr double kMitreLimit = 2.0;  // QPen's default, in widths
constexpr double kMaxDashes = 1e6;

struct Vec {
  double x, y;
};

Vec operator-(PathPoint a, PathPoint b) { return {a.x - b.x, a.y - b.y}; }
PathPoint operator+(PathPoint p, Vec v) { return {p.x + v.x, p.y + v.y}; }
Vec operator*(Vec v, double k) { return {v.x * k, v.y * k}; }
double length(Vec v) { return std::hypot(v.x, v.y); }
double cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }

// Adds the polygon turned so that its signed area is positive.
void addTurned(EdgeList& edges, std::vector<PathPoint> polygon) {
  double area = 0;
  for (size_t i = 0; i < polygon.size(); ++i) {
    const PathPoint& a = polygon[i];
    const PathPoint& b = polygon[(i + 1) % polygon.size()];
    area += a.x * b.y - b.x * a.y;
  }
  if (area == 0) return;
  if (area < 0) std::reverse(polygon.begin(), polygon.end());
  edges.addContour(polygon);
}

std::vector<PathPoint> withoutRepeats(const Contour& contour) {
  std::vector<PathPoint> points;
  for (const PathPoint& p : contour.points) {
    if (points.empty() || p.x != points.back().x || p.y != points.back().y) points.push_back(p);
  }
  if (contour.closed && points.size() > 1 && points.front().x == points.back().x &&
      points.front().y == points.back().y) {
    points.pop_back();
  }
  return points;
}

// The join at `at` between the segment arriving in direction `in` and the
// one leaving in direction `out` (unit vectors): the wedge on the outer side.
void addJoin(EdgeList& edges, PathPoint at, Vec in, Vec out, double half) {
  double turn = cross(in, out);
  if (turn == 0) return;
  // The outer side is left of the path for a right turn, and so on.
  double side = turn > 0 ? -1 : 1;
  Vec inNormal{-in.y * side * half, in.x * side * half};
  Vec outNormal{-out.y * side * half, out.x * side * half};
  PathPoint a = at + inNormal, b = at + outNormal;
  // Where the two outer edges meet.
  Vec ab = b - a;
  double t = cross(ab, out) / cross(in, out);
  PathPoint mitre = a + in * t;
  double limit = kMitreLimit * 2 * half;
  if (std::isfinite(t) && t >= 0 && length(mitre - a) <= limit) {
    addTurned(edges, {at, a, mitre, b});
  } else {
    addTurned(edges, {at, a, a + in * limit, b + out * -limit, b});
  }
}

void addContourStroke(EdgeList& edges, const Contour& contour, double half) {
  std::vector<PathPoint> points = withoutRepeats(contour);
  size_t count = points.size();
  if (count < 2) return;
  size_t segments = contour.closed ? count : count - 1;
  std::vector<Vec> directions(segments);
  for (size_t i = 0; i < segments; ++i) {
    const PathPoint& a = points[i];
    const PathPoint& b = points[(i + 1) % count];
    Vec d = b - a;
    directions[i] = d * (1 / length(d));
    Vec n{-directions[i].y * half, directions[i].x * half};
    addTurned(edges, {a + n, b + n, b + n * -1, a + n * -1});
  }
  for (size_t i = 1; i < segments; ++i)
    addJoin(edges, points[i], directions[i - 1], directions[i], half);
  if (contour.closed && segments > 2) {
    addJoin(edges, points[0], directions[segments - 1], directions[0], half);
  }
}

double contoursLength(const std::vector<Contour>& contours) {
  double total = 0;
  for (const Contour& contour : contours) {
    const auto& p = contour.points;
    for (size_t i = 0; i + 1 < p.size(); ++i) total += length(p[i + 1] - p[i]);
    if (contour.closed && p.size() > 1) total += length(p.front() - p.back());
  }
  return total;
}

// Walks one contour, starting the pattern afresh as Qt does per subpath.
void dashContour(const Contour& contour, const std::vector<double>& pattern,
                 std::vector<Contour>* dashes) {
  std::vector<PathPoint> points = contour.points;
  if (contour.closed && !points.empty()) points.push_back(points.front());
  size_t index = 0;
  double left = pattern[0];
  bool on = true;
  Contour piece{{}, false};
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    PathPoint from = points[i];
    Vec step = points[i + 1] - from;
    double segment = length(step);
    double done = 0;
    if (on && piece.points.empty()) piece.points.push_back(from);
    while (segment - done > left) {
      done += left;
      PathPoint at = from + step * (done / segment);
      if (on) {
        piece.points.push_back(at);
        dashes->push_back(piece);
        piece.points.clear();
      } else {
        piece.points.push_back(at);
      }
      on = !on;
      index = (index + 1) % pattern.size();
      left = pattern[index];
    }
    left -= segment - done;
    if (on) piece.points.push_back(points[i + 1]);
  }
  if (on && piece.points.size() > 1) dashes->push_back(piece);
}

}  // namespace

void addStroke(EdgeList& edges, const std::vector<Contour>& contours, double width) {
  if (!(width > 0)) return;
  for (const Contour& contour : contours) addContourStroke(edges, contour, width / 2);
}

std::vector<Contour> dashContours(const std::vector<Contour>& contours,
                                  const std::vector<double>& pattern) {
  double period = std::accumulate(pattern.begin(), pattern.end(), 0.0);
  if (pattern.empty() || !(period > 0) ||
      contoursLength(contours) / period * pattern.size() > kMaxDashes) {
    return contours;
  }
  std::vector<Contour> dashes;
  for (const Contour& contour : contours) dashContour(contour, pattern, &dashes);
  return dashes;
}
