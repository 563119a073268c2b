// The complete drawing's slurs, lines and barlines as drawing calls: one
// path per item, filled and stroked as SCORE prints it, and nothing without
// bound from hostile parameters.
#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "paint_fixture.h"

namespace {

// The verbs of a recorded path line ("path nonzero 1 M x y L x y ... Z").
int countWords(const std::string& listing, const std::string& word) {
  std::istringstream words(listing);
  int count = 0;
  for (std::string w; words >> w;) count += w == word;
  return count;
}

class CompletePaint : public PaintTest {
 protected:
  template <typename Paint>
  std::string paintLast(std::vector<ItemParams> items, Paint paint) {
    items.insert(items.begin(), {{8, 1, 0, 0, 0.75f}, {8, 2, 0, 0, 0.75f}});
    return paintOne(items, static_cast<int>(items.size()), paint);
  }
};

TEST_F(CompletePaint, SlursAreFilledAndOutlined) {
  // At 96 pixels per inch the outline is held to a pixel: its ink is part
  // of the filled shape.
  std::string ops = paintLast({{5, 1, 10, 8, 8, 30, 2, -1}}, paintSlur);
  EXPECT_EQ(countOps(ops, "path nonzero 0 M "), 1) << ops;
  EXPECT_EQ(countWords(ops, "M"), 1) << ops;
  EXPECT_EQ(countWords(ops, "Z"), 1) << ops;
  // At four times the size it is stroked, 0.361 pt wide: 1.93 pixels.
  view.viewState.zoom = 4;
  ops = paintLast({{5, 1, 10, 8, 8, 30, 2, -1}}, paintSlur);
  EXPECT_EQ(countOps(ops, "path nonzero 1.925 M "), 1) << ops;
  view.viewState.zoom = 1;
  // A tuplet slur: two pieces around the number's gap.
  ops = paintLast({{5, 1, 10, 8, 8, 30, 2, -1, 0, 0, 0, 0, 0.65f, 0, 0, 3}}, paintSlur);
  EXPECT_EQ(countWords(ops, "M"), 2) << ops;
  // An ending: the bracket, stroked and not filled.
  ops = paintLast({{5, 1, 10, 12, 12, 30, 3, 1}}, paintSlur);
  EXPECT_EQ(countOps(ops, "path none 1 M "), 1) << ops;
  EXPECT_EQ(countWords(ops, "L"), 3) << ops;
}

TEST_F(CompletePaint, LineKinds) {
  // Dashed: one stroke of separate dashes; 20 units at a period of 10 steps.
  std::string ops = paintLast({{4, 1, 10, 2, 2, 30, 1, 0, 9}}, paintCompleteLine);
  EXPECT_EQ(countWords(ops, "M"), 3) << ops;
  // Arpeggio: six elements, filled; never a line to the left margin.
  ops = paintLast({{4, 1, 100, 1.5f, 10.5f, 0, -1}}, paintCompleteLine);
  EXPECT_EQ(countOps(ops, "path nonzero"), 1) << ops;
  EXPECT_EQ(countWords(ops, "M"), 6) << ops;
  EXPECT_EQ(countOps(ops, "moveto"), 0) << ops;
  // A straight line whose P6 is 0 stands at P3.
  ops = paintLast({{4, 1, 100, 2, 8, 0}}, paintCompleteLine);
  ASSERT_EQ(countOps(ops, "path none 1 M "), 1) << ops;
  std::string x = ops.substr(ops.find(" M ") + 3);
  x = x.substr(0, x.find(' '));
  EXPECT_NE(ops.find(" L " + x + " "), std::string::npos) << ops;
  // A hairpin, with its default opening.
  ops = paintLast({{4, 1, 10, 2, 999, 30}}, paintCompleteLine);
  EXPECT_EQ(countWords(ops, "L"), 2) << ops;
}

TEST_F(CompletePaint, BarlinesAndBrace) {
  // Repeat to the left over two staves: the thin bar, the thick bar, and
  // four dots.
  std::string ops = paintLast({{14, 1, 50, 2, 3}}, paintCompleteBarline);
  EXPECT_EQ(countOps(ops, "moveto"), 1) << "a thin bar no wider than a pixel: " << ops;
  EXPECT_EQ(countOps(ops, "path nonzero 1 "), 1) << ops;
  EXPECT_EQ(countOps(ops, "path nonzero 0 "), 1) << ops;
  EXPECT_EQ(countWords(ops, "Z"), 1 + 4) << ops;
  // The brace is one filled outline and draws no bar of its own.
  ops = paintLast({{14, 1, 0, 2, 8}}, paintCompleteBarline);
  EXPECT_EQ(countOps(ops, "path nonzero 1 M "), 1) << ops;
  EXPECT_EQ(countOps(ops, "path none"), 0) << ops;
  EXPECT_EQ(countOps(ops, "moveto"), 0) << ops;
  // At four times the size the thin bar is 0.589 pt: 3.14 pixels.
  view.viewState.zoom = 4;
  ops = paintLast({{14, 1, 50, 2, 3}}, paintCompleteBarline);
  EXPECT_EQ(countOps(ops, "path none 3.141 M "), 1) << ops;
  view.viewState.zoom = 1;
  // Spans past the staff tables and invisible bars draw nothing.
  EXPECT_EQ(paintLast({{14, 1, 0, 10000, 8}}, paintCompleteBarline), "");
  EXPECT_EQ(paintLast({{14, 1, 0, -1, 0}}, paintCompleteBarline), "");
}

TEST_F(CompletePaint, HostileParametersDrawBoundedOrNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const float big = std::numeric_limits<float>::max();
  const std::vector<ItemParams> items = {
      {5, 1, 10, 8, 8, 10, 2, 0},
      {5, 1, nan, 8, 8, 30, 2, 0},
      {5, 1, 10, 8, 8, 30, inf, 0},
      {5, 1, 10, 8, 8, big, big, 0, big},
      {5, 1, 10, 8, 8, 30, 2, 0, -big, big},
      {5, 1, 10, 8, 8, 30, 2, 1, big},
      {4, 1, 0, 0, 0, 200, 1, 1e-30f, 1e-30f},
      {4, 1, 0, -big, big, 0, -1},
      {4, 1, 0, 4, 0, big, -1},
      {4, 1, nan, nan, nan, nan, 1, nan, nan},
      {4, 1, 0, 2, 999, big, big},
      {14, 1, 50, 2, 7, 0, 0, 0, 1e-30f, 1e-30f},
      {14, 1, nan, 2, 9, 0, 0, 0, 1},
      {14, 1, big, 32, 8},
      {7, 1, 10, 12, 0, big},
      {7, 1, nan, nan, 45, nan},
      {7, 1, -big, 12, 70, big},
  };
  for (const ItemParams& item : items) {
    std::string ops;
    int code = static_cast<int>(item[0]);
    if (code == 5) ops = paintLast({item}, paintSlur);
    if (code == 4) ops = paintLast({item}, paintCompleteLine);
    if (code == 14) ops = paintLast({item}, paintCompleteBarline);
    if (code == 7) ops = paintLast({item}, paintTrill);
    EXPECT_LT(ops.size(), 2000000u) << item[0] << " " << item[1];
    EXPECT_EQ(ops.find("nan"), std::string::npos) << ops.substr(0, 200);
    EXPECT_EQ(ops.find("inf"), std::string::npos) << ops.substr(0, 200);
  }
}

}  // namespace
