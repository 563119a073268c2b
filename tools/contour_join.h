// Turns the contours of a glyph into the few closed polygons that an even-odd
// fill with an outline pen draws as the glyph, holes left transparent.
#pragma once

#include <vector>

struct LibraryPoint {
  int x;
  int y;
};

// A closed run of points; the last point is not repeated.
using PointRun = std::vector<LibraryPoint>;

// Groups the contours into islands (a contour that is not a hole, with the
// holes directly inside it) and returns one polygon per island. Within an
// island every hole is reached by a bridge walked there and back between the
// closest points of two contours, so the bridge adds nothing to an even-odd
// fill and lies inside the ink, where an outline pen does not show it.
// Assumes contours that neither cross nor touch one another.
std::vector<PointRun> joinContours(const std::vector<PointRun>& contours);
