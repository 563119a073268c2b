// The scanline filler: closed contours of straight edges filled into a grey
// page by the non-zero or the even-odd rule.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "paint/drawing_surface.h"
#include "raster/grey_page.h"

enum class FillRule : uint8_t { kNonZero, kEvenOdd };

struct Edge {
  double x0, y0, x1, y1;  // y0 < y1
  int winding;            // +1 for an edge drawn downward, -1 upward
};

// The edges of closed contours in device pixels. Callers give finite
// points only; the filler follows them only as far as the page reaches.
class EdgeList {
 public:
  // The contour closed back to its first point.
  void addContour(std::span<const PathPoint> points);
  void addEdge(PathPoint from, PathPoint to);
  bool empty() const { return edges_.empty(); }
  void clear() { edges_.clear(); }
  const std::vector<Edge>& edges() const { return edges_; }

 private:
  std::vector<Edge> edges_;
};

// Fills the inside of the edges with grey level `level`. Aliased, a pixel
// is filled when its centre is inside, an edge through it decided as Qt's
// scan converter decides (the shape's top and left edges leave the pixel
// out, its bottom and right ones take it in); antialiased, a pixel is
// blended by the share of it inside (sixteen sub-rows, exact across each).
void fillEdges(GreyPage& page, const EdgeList& edges, FillRule rule, uint8_t level, bool antialias);
