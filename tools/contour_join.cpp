#include "contour_join.h"

#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

struct Bridge {
  size_t fromContour;
  size_t fromVertex;
  size_t toContour;
  size_t toVertex;
};

// Even-odd test of point p against a closed run.
bool inside(const PointRun& run, LibraryPoint p) {
  bool in = false;
  for (size_t i = 0, j = run.size() - 1; i < run.size(); j = i++) {
    const LibraryPoint& a = run[i];
    const LibraryPoint& b = run[j];
    if ((a.y > p.y) != (b.y > p.y)) {
      double crossX = a.x + static_cast<double>(p.y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (p.x < crossX) in = !in;
    }
  }
  return in;
}

// For each contour, the index of the innermost contour that holds it, or -1.
std::vector<int> parents(const std::vector<PointRun>& contours, std::vector<int>* depth) {
  size_t n = contours.size();
  std::vector<int> parent(n, -1);
  depth->assign(n, 0);
  for (size_t c = 0; c < n; ++c) {
    for (size_t o = 0; o < n; ++o) {
      if (o != c && inside(contours[o], contours[c][0])) ++(*depth)[c];
    }
  }
  for (size_t c = 0; c < n; ++c) {
    for (size_t o = 0; o < n; ++o) {
      if (o != c && inside(contours[o], contours[c][0]) &&
          (parent[c] < 0 || (*depth)[o] > (*depth)[parent[c]])) {
        parent[c] = static_cast<int>(o);
      }
    }
  }
  return parent;
}

// A hole lies directly inside a contour that is not itself a hole; anything
// else (which well-formed glyphs do not have) becomes an island of its own
// rather than being lost.
bool isHole(const std::vector<int>& parent, const std::vector<int>& depth, size_t c) {
  return depth[c] % 2 != 0 && parent[c] >= 0 && depth[parent[c]] % 2 == 0;
}

int64_t squaredDistance(LibraryPoint a, LibraryPoint b) {
  int64_t dx = a.x - b.x, dy = a.y - b.y;
  return dx * dx + dy * dy;
}

// Prim's tree over the island's contours: each step adds the contour with the
// shortest link to the tree. The shortest link crosses no other contour (its
// crossing point would be closer), so it runs through ink only.
std::vector<Bridge> bridgeTree(const std::vector<PointRun>& contours,
                               const std::vector<size_t>& island) {
  std::vector<size_t> tree{island[0]};
  std::vector<size_t> rest(island.begin() + 1, island.end());
  std::vector<Bridge> bridges;
  while (!rest.empty()) {
    int64_t best = std::numeric_limits<int64_t>::max();
    Bridge link{};
    size_t chosen = 0;
    for (size_t t : tree) {
      for (size_t r = 0; r < rest.size(); ++r) {
        const PointRun& a = contours[t];
        const PointRun& b = contours[rest[r]];
        for (size_t i = 0; i < a.size(); ++i) {
          for (size_t j = 0; j < b.size(); ++j) {
            int64_t d = squaredDistance(a[i], b[j]);
            if (d < best) {
              best = d;
              link = {t, i, rest[r], j};
              chosen = r;
            }
          }
        }
      }
    }
    bridges.push_back(link);
    tree.push_back(rest[chosen]);
    rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(chosen));
  }
  return bridges;
}

// Walks contour c from vertex start, crossing every bridge that leaves one of
// its vertices and coming back over it; a reached contour ends where it began.
void walk(const std::vector<PointRun>& contours, const std::vector<Bridge>& bridges, size_t c,
          size_t start, bool reached, PointRun& out) {
  const PointRun& run = contours[c];
  for (size_t k = 0; k < run.size(); ++k) {
    size_t v = (start + k) % run.size();
    out.push_back(run[v]);
    for (const Bridge& b : bridges) {
      if (b.fromContour == c && b.fromVertex == v) {
        walk(contours, bridges, b.toContour, b.toVertex, true, out);
        out.push_back(run[v]);
      }
    }
  }
  if (reached) out.push_back(run[start]);
}

}  // namespace

std::vector<PointRun> joinContours(const std::vector<PointRun>& contours) {
  std::vector<int> depth;
  std::vector<int> parent = parents(contours, &depth);
  std::vector<PointRun> polygons;
  for (size_t c = 0; c < contours.size(); ++c) {
    if (isHole(parent, depth, c)) continue;
    std::vector<size_t> island{c};
    for (size_t h = 0; h < contours.size(); ++h) {
      if (parent[h] == static_cast<int>(c) && isHole(parent, depth, h)) island.push_back(h);
    }
    PointRun polygon;
    walk(contours, bridgeTree(contours, island), c, 0, false, polygon);
    polygons.push_back(std::move(polygon));
  }
  return polygons;
}
