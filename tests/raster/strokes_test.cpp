// One-pixel lines, wide strokes and dashes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "raster/cosmetic_line.h"
#include "raster/wide_stroke.h"
#include "raster_test_page.h"

namespace {

GreyPage stroked(int width, int height, const std::vector<Contour>& contours, double penWidth) {
  GreyPage page = whitePage(width, height);
  EdgeList edges;
  addStroke(edges, contours, penWidth);
  fillEdges(page, edges, FillRule::kNonZero, 0, false);
  return page;
}

TEST(CosmeticLine, PixelsLikeQtsFlatCappedPen) {
  struct Row {
    const char* name;
    int64_t x0, y0, x1, y1;
    const char* expected;
  };
  const Row rows[] = {
      {"rightward, the end left out", 0, 1, 3, 1, "....\n###.\n....\n....\n"},
      {"leftward, the same pixels", 3, 1, 0, 1, "....\n###.\n....\n....\n"},
      {"downward", 2, 0, 2, 3, "..#.\n..#.\n..#.\n....\n"},
      {"diagonal", 0, 0, 4, 4, "#...\n.#..\n..#.\n...#\n"},
      {"a dot", 1, 2, 1, 2, "....\n....\n.#..\n....\n"},
      {"from far outside", -3000000000LL, 3, 3000000000LL, 3, "....\n....\n....\n####\n"},
      {"wholly outside", 0, -1, 4, -1, "....\n....\n....\n....\n"},
  };
  for (const Row& row : rows) {
    GreyPage page = whitePage(4, 4);
    drawCosmeticLine(page, row.x0, row.y0, row.x1, row.y1, 0);
    EXPECT_EQ(picture(page), row.expected) << row.name;
  }
}

TEST(WideStroke, FlatCapsAndMitreJoins) {
  // A line 2 wide along y = 2 from x = 1 to 5: rows 1 and 2, columns 1..4.
  EXPECT_EQ(picture(stroked(6, 4, {{{{1, 2}, {5, 2}}, false}}, 2)),
            "......\n.####.\n.####.\n......\n");
  // A right angle: the mitre fills the outer corner.
  EXPECT_EQ(picture(stroked(6, 6, {{{{1, 1}, {4, 1}, {4, 5}}, false}}, 2)),
            ".####.\n.####.\n...##.\n...##.\n...##.\n......\n");
  // A closed square outline has its four corners, and no hole where arms
  // overlap.
  GreyPage frame = stroked(8, 8, {{{{2, 2}, {6, 2}, {6, 6}, {2, 6}}, true}}, 2);
  EXPECT_EQ(picture(frame),
            "........\n.######.\n.######.\n.##..##.\n.##..##.\n.######.\n.######.\n........\n");
  // A sharp turn is cut at twice the width instead of reaching far out.
  GreyPage sharp = stroked(60, 20, {{{{2, 10}, {50, 9}, {2, 8}}, false}}, 2);
  int rightmost = -1;
  for (int y = 0; y < sharp.height; ++y) {
    for (int x = 0; x < sharp.width; ++x) {
      if (sharp.row(y)[x] == 0) rightmost = std::max(rightmost, x);
    }
  }
  EXPECT_GE(rightmost, 51) << "the cut mitre goes past the corner";
  EXPECT_LE(rightmost, 55) << "but not by more than twice the width";
  EXPECT_EQ(blackPixels(stroked(6, 4, {{{{2, 2}, {2, 2}}, false}}, 3)), 0) << "no length";
}

TEST(Dashes, PatternsCutTheContour) {
  Contour line{{{0, 0}, {10, 0}}, false};
  struct Row {
    const char* name;
    std::vector<double> pattern;
    size_t dashes;
    double firstEnd;  // x of the first dash's end
  };
  const Row rows[] = {
      {"on 2, off 3", {2, 3}, 2, 2},
      {"empty: solid", {}, 1, 10},
      {"of no length: solid", {0, 0}, 1, 10},
      {"a million dashes or more: solid", {1e-6, 1e-6}, 1, 10},
  };
  for (const Row& row : rows) {
    std::vector<Contour> dashes = dashContours({line}, row.pattern);
    ASSERT_EQ(dashes.size(), row.dashes) << row.name;
    EXPECT_DOUBLE_EQ(dashes[0].points.back().x, row.firstEnd) << row.name;
  }
  // Dashes of no length draw nothing with flat caps.
  std::vector<Contour> dots = dashContours({line}, {0, 2});
  EXPECT_EQ(blackPixels(stroked(12, 4, dots, 2)), 0);
  // Dashes run on round the corners of a polyline.
  std::vector<Contour> bent = dashContours({{{{0, 0}, {3, 0}, {3, 3}}, false}}, {4, 1});
  ASSERT_EQ(bent.size(), 2u);
  EXPECT_EQ(bent[0].points.size(), 3u) << "the first dash turns the corner";
}

}  // namespace
