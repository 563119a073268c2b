#include <gtest/gtest.h>

#include "ink_alignment.h"
#include "synthetic_page.h"

namespace {

struct ShiftCase {
  const char* name;
  int dx;
  int dy;
  SearchWindow window;
  int scale;
};

// Ours is SCORE's page drawn from another origin; the shift found must undo it.
TEST(FindBestShift, UndoesAKnownShift) {
  const ShiftCase cases[] = {
      {"none", 0, 0, {80, 320}, 1},
      {"small window, single pixels only", 3, -2, {5, 5}, 1},
      {"one way", 11, 0, {80, 80}, 1},
      {"down the page, by nearly a staff", 0, 65, {80, 80}, 1},
      {"both ways, three staff spaces and a pixel", -37, 22, {80, 320}, 1},
      {"at the window's corner", 80, -80, {80, 80}, 1},
      {"up the page by two staves", 6, -141, {80, 320}, 1},
      {"at 200 dpi, with its window", -121, 297, {167, 667}, 2},
  };
  for (const ShiftCase& c : cases) {
    const int width = 420 * c.scale;
    const int height = 520 * c.scale;
    const InkImage reference = syntheticPage(width, height, 120, 90, c.scale);
    const InkImage ours = syntheticPage(width, height, 120 - c.dx, 90 - c.dy, c.scale);
    const PixelShift found = findBestShift(reference, ours, c.window);
    EXPECT_EQ(found.dx, c.dx) << c.name;
    EXPECT_EQ(found.dy, c.dy) << c.name;
  }
}

// Our drawing lacks some of SCORE's ink and has some of its own, as real pages do.
TEST(FindBestShift, IgnoresInkOnlyOnePageHas) {
  const InkImage reference = syntheticPage(420, 520, 120, 90);
  InkImage ours = syntheticPage(420, 520, 120 - 14, 90 + 9);
  inkRect(ours, 0, 0, 420, 60);      // a title block SCORE does not print
  inkRect(ours, 300, 200, 30, 120);  // and a large stray shape
  const PixelShift found = findBestShift(reference, ours, {80, 320});
  EXPECT_EQ(found.dx, 14);
  EXPECT_EQ(found.dy, -9);
}

TEST(FindBestShift, ReturnsNoShiftForEmptyPages) {
  const PixelShift found = findBestShift(blankImage(50, 40), blankImage(50, 40), {20, 30});
  EXPECT_EQ(found.dx, 0);
  EXPECT_EQ(found.dy, 0);
}

TEST(InkOverlap, CountsExactlyCoincidingPixels) {
  InkImage reference = blankImage(20, 10);
  InkImage ours = blankImage(20, 10);
  inkRect(reference, 2, 2, 6, 1);
  inkRect(ours, 4, 3, 6, 1);
  EXPECT_EQ(inkOverlap(reference, ours, {0, -1}), 4);
  EXPECT_EQ(inkOverlap(reference, ours, {-2, -1}), 6);
  EXPECT_EQ(inkOverlap(reference, ours, {0, 0}), 0);
}

}  // namespace
