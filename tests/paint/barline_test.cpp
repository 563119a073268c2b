#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "paint_fixture.h"

namespace {

std::string thick(int width, int x, int yBottom, int yTop) {
  return "pen " + std::to_string(width) + "\nbeginpath\n" + lineOps(x, yBottom, x, yTop) +
         "endpath\nstrokepath\npen restore\n";
}

// Draws the barline, the last item, after staves 1 and 2 of size 1 (bottom
// lines at 984 and 908, top lines at 950 and 875).
class BarlineTest : public PaintTest {
 protected:
  std::string barline(const ItemParams& params,
                      const std::vector<ItemParams>& staves = {{8, 1}, {8, 2}}) {
    reset();
    std::vector<ItemParams> items = staves;
    items.push_back(params);
    return paintOne(items, static_cast<int>(items.size()), paintBarline);
  }
};

TEST_F(BarlineTest, WorkedExamples) {
  EXPECT_EQ(barline({14, 1, 50}), lineOps(228, 984, 228, 950)) << "single";
  EXPECT_EQ(barline({14, 1, 50, 0, 1}), lineOps(228, 984, 228, 950) + lineOps(223, 984, 223, 950))
      << "double";
  EXPECT_EQ(barline({14, 1, 50, 0, 2}), lineOps(220, 984, 220, 950) + thick(3, 226, 984, 950))
      << "final";
}

struct BarlineCase {
  const char* name;
  ItemParams barline;
  std::string ops;
};

TEST_F(BarlineTest, SpansAndKinds) {
  const std::string single = lineOps(228, 984, 228, 950);
  const std::string twoStaves = lineOps(228, 984, 228, 875);
  const BarlineCase cases[] = {
      {"P4 2 reaches the top line of the staff above", {14, 1, 50, 2}, twoStaves},
      {"P4 2.9 is the same", {14, 1, 50, 2.9f}, twoStaves},
      {"P4 0.5 spans its own staff", {14, 1, 50, 0.5f}, single},
      {"P4 0 spans its own staff", {14, 1, 50, 0}, single},
      {"double over two staves", {14, 1, 50, 2, 1}, twoStaves + lineOps(223, 984, 223, 875)},
      {"final over two staves",
       {14, 1, 50, 2, 2},
       lineOps(220, 984, 220, 875) + thick(3, 226, 984, 875)},
      {"P4 -1 hides a single barline", {14, 1, 50, -1, 0}, ""},
      {"P4 -1 hides a final barline", {14, 1, 50, -1, 2}, ""},
      {"P5 -1 draws nothing", {14, 1, 50, 0, -1}, ""},
      {"P5 3 draws nothing", {14, 1, 50, 0, 3}, ""},
      {"P5 0.5 draws nothing", {14, 1, 50, 0, 0.5f}, ""},
      {"staff 0 draws nothing", {14, 0, 50}, ""},
      {"staff 33 draws nothing", {14, 33, 50}, ""},
      {"span past staff 32 draws nothing", {14, 32, 50, 2}, ""},
      {"huge span draws nothing", {14, 2, 50, 3e38f}, ""},
  };
  for (const BarlineCase& c : cases) EXPECT_EQ(barline(c.barline), c.ops) << c.name;
}

TEST_F(BarlineTest, SpanEndingOnStaff32IsDrawn) {
  std::string ops = barline({14, 31, 50, 2}, {{8, 31}, {8, 32}});
  // Staff 31 stands 540 steps (2268 pixels) above staff 1; the top line of
  // staff 32 lies 558 + 8 steps above it: far above the page, but placed.
  EXPECT_EQ(ops, lineOps(228, -1284, 228, -1393));
}

TEST_F(BarlineTest, ThickPenFollowsSizeNotZoom) {
  EXPECT_EQ(countOps(barline({14, 1, 50, 0, 2}, {{8, 1, 0, 0, 2}}), "pen 7"), 1) << "size 2";
  view.viewState.zoom = 2.0;
  loadItems(document, {{8, 1}, {14, 1, 50, 0, 2}});
  prepareStaffTables(document, view);
  RecordingSurface surface;
  paintBarline(surface, document, view, 2);
  EXPECT_EQ(countOps(surface.listing(), "pen 3"), 1) << "zoom 2";
}

}  // namespace
