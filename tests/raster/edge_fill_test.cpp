// The filler: which pixels each rule fills, at the page's borders too.
#include "raster/edge_fill.h"

#include <gtest/gtest.h>

#include <vector>

#include "raster_test_page.h"

namespace {

using Polygon = std::vector<PathPoint>;

Polygon square(double left, double top, double right, double bottom) {
  return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

Polygon reversed(Polygon p) { return {p.rbegin(), p.rend()}; }

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
