// The filler: which pixels each rule fills, at the page's borders too.
#include "raster/edge_fill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "raster_test_page.h"

namespace {

using Polygon = std::vector<PathPoint>;

Polygon square(double left, double top, double right, double bottom) {
  return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

Polygon reversed(Polygon p) { return {p.rbegin(), p.rend()}; }

// The winding number of the polygons about (x, y), by crossings of the ray
// to the right.
int windingAt(const std::vector<Polygon>& polygons, double x, double y) {
  int winding = 0;
  for (const Polygon& p : polygons) {
    for (size_t i = 0; i < p.size(); ++i) {
      PathPoint a = p[i], b = p[(i + 1) % p.size()];
      if ((a.y <= y) == (b.y <= y)) continue;
      double crossX = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (crossX > x) winding += b.y > a.y ? 1 : -1;
    }
  }
  return winding;
}

bool insideBy(FillRule rule, int winding) {
  return rule == FillRule::kNonZero ? winding != 0 : (winding & 1) != 0;
}

// The share of the pixel inside, from 16 x 64 samples.
double sampledCover(const std::vector<Polygon>& polygons, FillRule rule, int px, int py) {
  int in = 0;
  for (int sy = 0; sy < 16; ++sy) {
    for (int sx = 0; sx < 64; ++sx) {
      in += insideBy(rule, windingAt(polygons, px + (sx + 0.5) / 64, py + (sy + 0.5) / 16));
    }
  }
  return in / (16.0 * 64.0);
}

double distanceToEdges(const std::vector<Polygon>& polygons, double x, double y) {
  double nearest = 1e9;
  for (const Polygon& p : polygons) {
    for (size_t i = 0; i < p.size(); ++i) {
      PathPoint a = p[i], b = p[(i + 1) % p.size()];
      double dx = b.x - a.x, dy = b.y - a.y;
      double t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
      nearest = std::min(nearest, std::hypot(a.x + t * dx - x, a.y + t * dy - y));
    }
  }
  return nearest;
}

GreyPage filled(int width, int height, const std::vector<Polygon>& polygons, FillRule rule,
                bool antialias = false) {
  GreyPage page = whitePage(width, height);
  EdgeList edges;
  for (const Polygon& p : polygons) edges.addContour(p);
  fillEdges(page, edges, rule, 0, antialias);
  return page;
}

TEST(EdgeFill, RulesAndPixelCentres) {
  struct Row {
    const char* name;
    std::vector<Polygon> polygons;
    FillRule rule;
    const char* expected;
  };
  const Row rows[] = {
      {"the centres inside",
       {square(0.4, 0.4, 2.6, 2.6)},
       FillRule::kNonZero,
       "###.\n###.\n###.\n....\n"},
      {"centres on the top and left edges are outside, on the bottom and right inside",
       {square(1.5, 1.5, 3.5, 3.5)},
       FillRule::kEvenOdd,
       "....\n....\n..##\n..##\n"},
      {"no centre inside",
       {square(0.6, 0.6, 1.4, 1.4)},
       FillRule::kNonZero,
       "....\n....\n....\n....\n"},
      {"overlap, non-zero",
       {square(0, 0, 3, 3), square(1, 1, 4, 4)},
       FillRule::kNonZero,
       "###.\n####\n####\n.###\n"},
      {"overlap, even-odd",
       {square(0, 0, 3, 3), square(1, 1, 4, 4)},
       FillRule::kEvenOdd,
       "###.\n#..#\n#..#\n.###\n"},
      {"hole turned the other way, non-zero",
       {square(0, 0, 4, 4), reversed(square(1, 1, 3, 3))},
       FillRule::kNonZero,
       "####\n#..#\n#..#\n####\n"},
      {"hole turned the same way, non-zero",
       {square(0, 0, 4, 4), square(1, 1, 3, 3)},
       FillRule::kNonZero,
       "####\n####\n####\n####\n"},
      {"beyond every border",
       {square(-1e6, -1e6, 1e6, 1e6)},
       FillRule::kNonZero,
       "####\n####\n####\n####\n"},
      {"across the left and top borders",
       {square(-5, -5, 2, 2)},
       FillRule::kNonZero,
       "##..\n##..\n....\n....\n"},
      {"across the right and bottom borders",
       {square(3, 3, 9, 9)},
       FillRule::kEvenOdd,
       "....\n....\n....\n...#\n"},
      {"wholly outside",
       {square(5, 0, 9, 4), square(0, -9, 4, -1)},
       FillRule::kNonZero,
       "....\n....\n....\n....\n"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(picture(filled(4, 4, row.polygons, row.rule)), row.expected) << row.name;
  }
}

TEST(EdgeFill, CoverageIsTheShareInside) {
  // Half of column 1, all of column 2, a quarter of column 3.
  GreyPage page = filled(5, 2, {square(1.5, 0, 3.25, 2)}, FillRule::kNonZero, true);
  const uint8_t* row = page.row(1);
  EXPECT_EQ(row[0], 255);
  EXPECT_NEAR(row[1], 128, 2);
  EXPECT_EQ(row[2], 0);
  EXPECT_NEAR(row[3], 191, 2);
  EXPECT_EQ(row[4], 255);
  // The even-odd hole stays white when antialiased too.
  GreyPage ring = filled(4, 4, {square(0, 0, 4, 4), square(1, 1, 3, 3)}, FillRule::kEvenOdd, true);
  EXPECT_EQ(picture(ring), "####\n#..#\n#..#\n####\n");
  // A shape half over the right border covers the last column by half.
  GreyPage border = filled(2, 1, {square(1.5, -1, 8, 3)}, FillRule::kNonZero, true);
  EXPECT_NEAR(border.row(0)[1], 128, 2);
}

TEST(EdgeFill, EdgesThatCrossFollowTheRules) {
  // Crossing edges change their order along the scan lines: a star drawn
  // in one stroke, and two squares of opposite turns overlapping.
  const std::vector<std::vector<Polygon>> shapes = {
      {{{20.3, 1.7}, {31.9, 37.1}, {1.6, 15.2}, {39.1, 15.4}, {8.7, 37.3}}},
      {square(3.3, 4.1, 27.6, 30.2), reversed(square(14.2, 11.7, 36.9, 38.4))}};
  for (size_t shape = 0; shape < shapes.size(); ++shape) {
    for (FillRule rule : {FillRule::kNonZero, FillRule::kEvenOdd}) {
      GreyPage aliased = filled(40, 40, shapes[shape], rule);
      GreyPage smooth = filled(40, 40, shapes[shape], rule, true);
      for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
          double cx = x + 0.5, cy = y + 0.5;
          if (distanceToEdges(shapes[shape], cx, cy) > 0.1) {
            EXPECT_EQ(aliased.row(y)[x] == 0, insideBy(rule, windingAt(shapes[shape], cx, cy)))
                << "shape " << shape << ", pixel " << x << ", " << y;
          }
          EXPECT_NEAR(255 - smooth.row(y)[x], 255 * sampledCover(shapes[shape], rule, x, y), 10)
              << "shape " << shape << ", pixel " << x << ", " << y;
        }
      }
    }
  }
}

TEST(EdgeFill, FarAndFlatEdgesEndQuickly) {
  // Edges reaching billions of pixels away are followed only over the page.
  Polygon spike = {{-1e15, 1.5}, {1e15, 1.2}, {2, 1e15}};
  GreyPage page = filled(4, 4, {spike}, FillRule::kNonZero);
  EXPECT_GT(blackPixels(page), 0);
  EXPECT_EQ(picture(filled(4, 4, {{{0, 2}, {4, 2}, {2, 2}}}, FillRule::kNonZero)),
            "....\n....\n....\n....\n")
      << "a polygon of no area";
}

}  // namespace
