#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "paint_fixture.h"
#include "score/mus_file.h"

namespace {

using PainterTest = PaintTest;

TEST_F(PainterTest, EmptyTableDrawsNothingButFillsTheStaffTables) {
  EXPECT_EQ(paintAll(), "");
  EXPECT_FLOAT_EQ(view.staffTables.staffDefaultY[2], 18 * 4.2f);
}

struct DispatchCase {
  const char* name;
  ItemParams item;
  int components;  // attached, each a one-point polyline
  int drawn;       // how many of them paint draws
};

TEST_F(PainterTest, ComponentsDrawnPerItemCode) {
  const DispatchCase cases[] = {
      {"rest with five parameters", {2, 1, 10, 5, 0}, 2, 2},
      {"rest with P6 0", {2, 1, 10, 5, 0, 0}, 2, 2},
      {"rest with P6 -1 is invisible", {2, 1, 10, 5, 0, -1}, 2, 0},
      {"clef: first component only", {3, 1, 10, 5}, 2, 1},
      {"misc symbol: first component only", {9, 1, 10, 5}, 2, 1},
      {"key signature: all", {17, 1, 10, 5}, 3, 3},
      {"time signature: all", {18, 1, 10, 5}, 2, 2},
      {"time signature without a component", {18, 1, 10, 5}, 0, 0},
      {"clef without a component", {3, 1, 10, 5}, 0, 0},
      {"slur", {5, 1, 10, 5}, 1, 0},
      {"trill", {7, 1, 10, 5}, 1, 0},
      {"number", {10, 1, 10, 5}, 1, 0},
      {"user library symbol", {11, 1, 10, 5}, 1, 0},
      {"special shape", {12, 1, 10, 5}, 1, 0},
      {"dummy", {13, 1, 10, 5}, 1, 0},
      {"PostScript", {15, 1, 10, 5}, 1, 0},
      {"text", {16, 1, 10, 5}, 1, 0},
      {"code 0", {0, 1, 10, 5}, 1, 0},
      {"code 19", {19, 1, 10, 5}, 1, 0},
      {"code -1", {-1, 1, 10, 5}, 1, 0},
  };
  for (const DispatchCase& c : cases) {
    reset();
    loadItems(document, {{8, 1, 0, 0, 0, 0, -1}, c.item});
    for (int k = 0; k < c.components; ++k) attach(2, makeSymbol({{k, k}}, {{1, 1}}));
    std::string expected;
    for (int k = 0; k < c.drawn; ++k) {
      expected += "polyline 1 " + std::to_string(k) + " " + std::to_string(k) + "\n";
    }
    EXPECT_EQ(paintAll(), expected) << c.name;
  }
}

TEST_F(PainterTest, ItemsAreDrawnInItemOrder) {
  const std::vector<ItemParams> items = {
      {14, 1, 50}, {8, 1, 0, 0, 0, 0, 1}, {1, 1, 10, 5, 10}, {4, 1, 10, 3, 11, 50}};
  loadItems(document, items);
  prepareStaffTables(document, view);
  RecordingSurface each;
  paintBarline(each, document, view, 1);
  paintStaff(each, document, view, 2);
  paintNote(each, document, view, 3);
  paintLine(each, document, view, 4);
  EXPECT_EQ(paintAll(), each.listing());
  EXPECT_EQ(paintAll().substr(0, lineOps(228, 984, 228, 950).size()), lineOps(228, 984, 228, 950));
}

TEST_F(PainterTest, StaffTablesAreRefilledOnEveryPass) {
  loadItems(document, {{8, 1, 0, 0, 0, 0, -1}, {14, 1, 50}});
  EXPECT_EQ(paintAll(), lineOps(228, 984, 228, 950));
  setParam(itemAt(document.itemTable, 1), 4, 10.0f);  // staff 1 moves 10 steps (42 pixels) up
  EXPECT_EQ(paintAll(), lineOps(228, 942, 228, 908));
}

TEST_F(PainterTest, ListingIsStableBetweenTwoPaints) {
  loadItems(document, {{8, 1},
                       {8, 2, 0, 0, 0.75f},
                       {1, 1, 10, 14, 10},
                       {2, 2, 20, 5},
                       {6, 1, 10, 5, 5, 30, 12},
                       {4, 1, 10, 5, 999, 30, -4},
                       {14, 1, 50, 2, 2}});
  attach(3, makeSymbol(numberedPoints(8), {{1, 1}, {-1, 1}, {-1, 1}, {-1, 1}, {2, 4}}));
  attach(4, makeSymbol(numberedPoints(3), {{3, 3}}));
  std::string first = paintAll();
  EXPECT_EQ(countOps(first, "polygon"), 4) << first;
  EXPECT_EQ(paintAll(), first);
}

TEST_F(PainterTest, CorpusPagesPaintTheSameTwice) {
  const char* pages[] = {"brahms-op76n7-p1.mus", "chopin2801.mus", "chor005.mus"};
  bool any = false;
  for (const char* page : pages) {
    std::string path = corpusPath(page);
    if (path.empty()) continue;
    any = true;
    std::string error;
    ASSERT_TRUE(readMusFile(path, document, &error)) << page << ": " << error;
    std::string first = paintAll();
    EXPECT_GT(countOps(first, "lineto"), 100) << page;
    EXPECT_EQ(paintAll(), first) << page;
  }
  if (!any) GTEST_SKIP() << "corpus folder absent";
}

}  // namespace
