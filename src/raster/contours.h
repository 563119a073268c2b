// Paths as polylines: what the filler and the stroker take.
#pragma once

#include <vector>

#include "paint/drawing_surface.h"

struct Contour {
  std::vector<PathPoint> points;
  bool closed = false;
};

// Appends the cubic from p0 through the controls p1 and p2 to p3, without
// its first point, as lines within a tenth of a pixel of the curve (at most
// a thousand of them).
void appendCubic(std::vector<PathPoint>& out, PathPoint p0, PathPoint p1, PathPoint p2,
                 PathPoint p3);

// The subpaths of a well-formed path whose points are all finite; false,
// with nothing added, for any other. A line or curve without a move starts
// where the last subpath ended (at its start when closed), or at (0, 0).
bool flattenPath(const SurfacePath& path, std::vector<Contour>* contours);
