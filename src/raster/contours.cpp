#include "raster/contours.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTolerance = 0.1;
constexpr int kMaxCurveLines = 1000;

}  // namespace

void appendCubic(std::vector<PathPoint>& out, PathPoint p0, PathPoint p1, PathPoint p2,
                 PathPoint p3) {
  // Wang's bound on the lines a cubic needs for the tolerance.
  double ax = p0.x - 2 * p1.x + p2.x, ay = p0.y - 2 * p1.y + p2.y;
  double bx = p1.x - 2 * p2.x + p3.x, by = p1.y - 2 * p2.y + p3.y;
  double bend = std::sqrt(std::max(ax * ax + ay * ay, bx * bx + by * by));
  double wanted = std::ceil(std::sqrt(0.75 * bend / kTolerance));
  int lines = std::isfinite(wanted)
                  ? std::clamp(static_cast<int>(std::min(wanted, 1e6)), 1, kMaxCurveLines)
                  : kMaxCurveLines;
  for (int i = 1; i <= lines; ++i) {
    double t = static_cast<double>(i) / lines, u = 1 - t;
    double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    out.push_back(
        {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
  }
}

bool flattenPath(const SurfacePath& path, std::vector<Contour>* contours) {
  if (!path.wellFormed()) return false;
  for (const PathPoint& p : path.points) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
  }
  std::vector<Contour> out;
  PathPoint last{0, 0};
  auto current = [&]() -> Contour& {
    if (out.empty() || out.back().closed) out.push_back({{last}, false});
    return out.back();
  };
  const PathPoint* p = path.points.data();
  for (PathVerb verb : path.verbs) {
    switch (verb) {
      case PathVerb::kMove:
        out.push_back({{p[0]}, false});
        last = p[0];
        break;
      case PathVerb::kLine:
        current().points.push_back(p[0]);
        last = p[0];
        break;
      case PathVerb::kCubic: {
        Contour& contour = current();
        appendCubic(contour.points, contour.points.back(), p[0], p[1], p[2]);
        last = p[2];
        break;
      }
      case PathVerb::kClose:
        if (!out.empty() && !out.back().closed) {
          out.back().closed = true;
          last = out.back().points.front();
        }
        break;
    }
    p += pointsOfVerb(verb);
  }
  contours->insert(contours->end(), out.begin(), out.end());
  return true;
}
