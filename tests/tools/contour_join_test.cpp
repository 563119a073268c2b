// Joined contours fill exactly like the glyph, and every bridge between them
// runs through ink, where the outline pen cannot be seen.
#include "contour_join.h"

#include <gtest/gtest.h>

namespace {

PointRun square(int x, int y, int size) {
  return {{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}};
}

// Even-odd inside test, as the polygon fill decides it.
bool inside(const PointRun& run, double px, double py) {
  bool in = false;
  for (size_t i = 0, j = run.size() - 1; i < run.size(); j = i++) {
    double ax = run[i].x, ay = run[i].y, bx = run[j].x, by = run[j].y;
    if ((ay > py) != (by > py) && px < ax + (py - ay) * (bx - ax) / (by - ay)) in = !in;
  }
  return in;
}

bool inInk(const std::vector<PointRun>& contours, double x, double y) {
  bool in = false;
  for (const PointRun& c : contours) in ^= inside(c, x, y);
  return in;
}

bool isContourEdge(const std::vector<PointRun>& contours, LibraryPoint a, LibraryPoint b) {
  for (const PointRun& c : contours) {
    for (size_t i = 0; i < c.size(); ++i) {
      LibraryPoint p = c[i], q = c[(i + 1) % c.size()];
      if ((p.x == a.x && p.y == a.y && q.x == b.x && q.y == b.y) ||
          (p.x == b.x && p.y == b.y && q.x == a.x && q.y == a.y)) {
        return true;
      }
    }
  }
  return false;
}

struct JoinCase {
  const char* name;
  std::vector<PointRun> contours;
  size_t polygons;
  std::vector<std::pair<double, double>> probes;  // points to compare fills at
};

TEST(ContourJoin, FillsLikeTheContoursAndHidesItsBridges) {
  const JoinCase cases[] = {
      {"plain square", {square(0, 0, 10)}, 1, {{5, 5}, {11, 5}}},
      {"ring", {square(0, 0, 30), square(10, 10, 10)}, 1, {{15, 15}, {5, 15}, {25, 25}, {35, 5}}},
      {"two holes",
       {square(0, 0, 50), square(5, 5, 10), square(30, 30, 10)},
       1,
       {{10, 10}, {35, 35}, {20, 20}, {45, 5}}},
      {"hole listed first", {square(10, 10, 10), square(0, 0, 30)}, 1, {{15, 15}, {5, 5}}},
      {"two islands", {square(0, 0, 10), square(20, 0, 10)}, 2, {{5, 5}, {25, 5}, {15, 5}}},
      {"island in a hole",
       {square(0, 0, 60), square(10, 10, 40), square(25, 25, 10)},
       2,
       {{30, 30}, {15, 15}, {5, 5}}},
  };
  for (const JoinCase& c : cases) {
    std::vector<PointRun> polygons = joinContours(c.contours);
    ASSERT_EQ(polygons.size(), c.polygons) << c.name;
    size_t points = 0, contourPoints = 0;
    for (const PointRun& p : polygons) points += p.size();
    for (const PointRun& p : c.contours) contourPoints += p.size();
    // Each bridge adds its two ends once more.
    EXPECT_EQ(points, contourPoints + 2 * (c.contours.size() - c.polygons)) << c.name;
    for (auto [x, y] : c.probes) {
      bool filled = false;
      for (const PointRun& p : polygons) filled |= inside(p, x, y);
      EXPECT_EQ(filled, inInk(c.contours, x, y)) << c.name << " at " << x << "," << y;
    }
    for (const PointRun& p : polygons) {
      for (size_t i = 0; i < p.size(); ++i) {
        LibraryPoint a = p[i], b = p[(i + 1) % p.size()];
        if (isContourEdge(c.contours, a, b)) continue;
        EXPECT_TRUE(inInk(c.contours, (a.x + b.x) / 2.0 + 0.01, (a.y + b.y) / 2.0 + 0.01))
            << c.name << ": bridge " << a.x << "," << a.y << " - " << b.x << "," << b.y;
      }
    }
  }
}

TEST(ContourJoin, BridgeLinksTheClosestPoints) {
  // Of all vertex pairs, the hole's corner (22, 22) and the outer corner
  // (30, 30) are closest.
  std::vector<PointRun> contours = {square(0, 0, 30), square(12, 12, 10)};
  std::vector<PointRun> polygons = joinContours(contours);
  ASSERT_EQ(polygons.size(), 1u);
  const PointRun& p = polygons[0];
  // Outer walk reaches (30, 30), goes to (22, 22), round the hole, and back.
  auto at = [&](size_t i) { return std::make_pair(p[i].x, p[i].y); };
  EXPECT_EQ(at(2), std::make_pair(30, 30));
  EXPECT_EQ(at(3), std::make_pair(22, 22));
  EXPECT_EQ(at(7), std::make_pair(22, 22));
  EXPECT_EQ(at(8), std::make_pair(30, 30));
}

}  // namespace
