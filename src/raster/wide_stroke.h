// Strokes of a given width: flat caps, mitre joins, and dash patterns.
#pragma once

#include <vector>

#include "raster/contours.h"
#include "raster/edge_fill.h"

// Adds the outline of the contours stroked width wide, with flat caps and
// mitre joins cut at twice the width as Qt's default limit does, as pieces
// all turned the same way: filled by the non-zero rule they make one shape.
// A contour of no length adds nothing.
void addStroke(EdgeList& edges, const std::vector<Contour>& contours, double width);

// The contours cut into the "on" stretches of the pattern (lengths on, off,
// on ... in pixels, starting with the first); an empty pattern, one of no
// length, or one that would cut the contours into more than a million
// dashes, leaves them whole.
std::vector<Contour> dashContours(const std::vector<Contour>& contours,
                                  const std::vector<double>& pattern);
