#include <cstddef>

#include "paint/drawing_surface.h"

void SurfacePath::moveTo(double x, double y) {
  verbs.push_back(PathVerb::kMove);
  points.push_back({x, y});
}

void SurfacePath::lineTo(double x, double y) {
  verbs.push_back(PathVerb::kLine);
  points.push_back({x, y});
}

void SurfacePath::cubicTo(double x1, double y1, double x2, double y2, double x, double y) {
  verbs.push_back(PathVerb::kCubic);
  points.push_back({x1, y1});
  points.push_back({x2, y2});
  points.push_back({x, y});
}

void SurfacePath::close() { verbs.push_back(PathVerb::kClose); }

bool SurfacePath::wellFormed() const {
  size_t taken = 0;
  for (PathVerb verb : verbs) taken += static_cast<size_t>(pointsOfVerb(verb));
  return taken == points.size();
}

int pointsOfVerb(PathVerb verb) {
  switch (verb) {
    case PathVerb::kMove:
    case PathVerb::kLine: return 1;
    case PathVerb::kCubic: return 3;
    case PathVerb::kClose: return 0;
  }
  return 0;
}
