// Item boxes: what each item drew, kept while the drawing goes on to the
// surface behind, and the item found at a point.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "paint/item_bounds_surface.h"
#include "paint_fixture.h"

namespace {

void expectBox(const ItemBox* box, double left, double top, double right, double bottom) {
  ASSERT_NE(box, nullptr);
  EXPECT_DOUBLE_EQ(box->left, left);
  EXPECT_DOUBLE_EQ(box->top, top);
  EXPECT_DOUBLE_EQ(box->right, right);
  EXPECT_DOUBLE_EQ(box->bottom, bottom);
}

TEST(ItemBoundsSurface, EveryCallGoesOnToTheSurfaceBehind) {
  RecordingSurface plain(true);
  RecordingSurface behind(true);
  ItemBoundsSurface bounds(behind);
  const Vector points[] = {{1, 2}, {3, 4}, {5, 6}, {7, 8}};
  for (DrawingSurface* surface :
       {static_cast<DrawingSurface*>(&plain), static_cast<DrawingSurface*>(&bounds)}) {
    surface->beginItem(3);
    surface->setViewportOrigin(5, 6);
    surface->moveTo(1, 2);
    surface->lineTo(3, 4);
    surface->selectWidePen(4);
    surface->polyline(points, 2);
    surface->restorePen();
    surface->selectPenWeight(PenWeight::kLedgerLine);
    surface->beginSymbol(ComponentPlacement{3, 2.0f, true, 4, 5});
    surface->endSymbol();
    surface->selectStockBrush(StockBrush::kBlack);
    surface->polygon(points, 3);
    surface->polyBezier(points, 4);
    surface->beginPath();
    surface->endPath();
    surface->strokePath();
    surface->fillRectangle(1, 1, 2, 2);
    surface->textOut(0, 0, "ab", 2);
    SurfacePath path;
    path.moveTo(0, 0);
    path.lineTo(1, 1);
    surface->drawPath(path, PathFill::kNone, StrokeStyle{1, {}});
    surface->drawText(TextRun{"Nimbus Roman", FontStyle::kRoman, 10, 0, 0, 0, "x"});
    surface->endItem();
  }
  EXPECT_EQ(behind.listing(), plain.listing());
}

struct BoxCase {
  const char* name;
  std::function<void(DrawingSurface&)> draw;
  double left, top, right, bottom;
};

TEST(ItemBoundsSurface, EachCallWidensTheBoxByWhatItDraws) {
  const Vector triangle[] = {{10, 20}, {30, 25}, {15, 40}};
  const BoxCase cases[] = {
      {"line with the stock pen",
       [](DrawingSurface& s) {
         s.moveTo(10, 20);
         s.lineTo(30, 20);
       },
       9.5, 19.5, 30.5, 20.5},
      {"line with a wide pen",
       [](DrawingSurface& s) {
         s.selectWidePen(6);
         s.moveTo(10, 20);
         s.lineTo(10, 50);
         s.restorePen();
       },
       7, 17, 13, 53},
      {"pen restored before the line",
       [](DrawingSurface& s) {
         s.selectWidePen(6);
         s.restorePen();
         s.moveTo(10, 20);
         s.lineTo(10, 50);
       },
       9.5, 19.5, 10.5, 50.5},
      {"polygon", [&](DrawingSurface& s) { s.polygon(triangle, 3); }, 9.5, 19.5, 30.5, 40.5},
      {"moved origin",
       [&](DrawingSurface& s) {
         s.setViewportOrigin(100, 200);
         s.polyline(triangle, 2);
       },
       109.5, 219.5, 130.5, 225.5},
      {"rectangle", [](DrawingSurface& s) { s.fillRectangle(5, 6, 10, 4); }, 5, 6, 15, 10},
      {"path stroked 2 wide",
       [](DrawingSurface& s) {
         SurfacePath path;
         path.moveTo(1, 2);
         path.lineTo(11, 32);
         s.drawPath(path, PathFill::kNone, StrokeStyle{2, {}});
       },
       0, 1, 12, 33},
      {"text run of two characters, size 10",
       [](DrawingSurface& s) {
         s.drawText(TextRun{"Nimbus Roman", FontStyle::kRoman, 10, 50, 100, 0, "ab"});
       },
       50, 92, 62, 102.5},
      {"text run turned a quarter clockwise",
       [](DrawingSurface& s) {
         s.drawText(TextRun{"Nimbus Roman", FontStyle::kRoman, 10, 50, 100, 90, "ab"});
       },
       47.5, 100, 58, 112},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingSurface behind;
    ItemBoundsSurface bounds(behind);
    bounds.beginItem(1);
    c.draw(bounds);
    bounds.endItem();
    ASSERT_EQ(bounds.boxes().size(), 1u);
    const ItemBox& box = bounds.boxes()[0];
    EXPECT_EQ(box.item, 1);
    EXPECT_NEAR(box.left, c.left, 1e-9);
    EXPECT_NEAR(box.top, c.top, 1e-9);
    EXPECT_NEAR(box.right, c.right, 1e-9);
    EXPECT_NEAR(box.bottom, c.bottom, 1e-9);
  }
}

TEST(ItemBoundsSurface, NothingDrawnOrHostileGivesNoBox) {
  RecordingSurface behind;
  ItemBoundsSurface bounds(behind);
  double nan = std::numeric_limits<double>::quiet_NaN();
  bounds.fillRectangle(0, 0, 5, 5);  // outside any item
  bounds.beginItem(1);
  bounds.moveTo(3, 3);  // a move alone draws nothing
  bounds.fillRectangle(0, 0, -5, 5);
  const Vector points[] = {{1, 1}, {2, 2}};
  bounds.polyBezier(points, 2);  // not 3k + 1 points
  bounds.polygon(points, 0);
  bounds.drawText(TextRun{"Nimbus Roman", FontStyle::kRoman, nan, 0, 0, 0, "x"});
  bounds.drawText(TextRun{"Nimbus Roman", FontStyle::kRoman, 10, 0, 0, nan, "x"});
  SurfacePath far;
  far.moveTo(1e30, nan);
  bounds.drawPath(far, PathFill::kNonZero, StrokeStyle{});
  bounds.endItem();
  EXPECT_TRUE(bounds.boxes().empty());
}

TEST(ItemBoundsSurface, APaintedPageHasABoxForEveryItemThatDrew) {
  Document document;
  View view;
  initViewState(view, 96);
  view.drawingMode = DrawingMode::kBasic;
  // Two staves and a line between them; nothing is laid out, so only items
  // that draw without components show.
  loadItems(document, {{8, 1, 0, 0}, {8, 2, 0, 0}, {4, 1, 20, 0, 40}});
  RecordingSurface behind;
  ItemBoundsSurface bounds(behind);
  paintScore(bounds, document, view);
  ASSERT_EQ(bounds.boxes().size(), 3u);
  const ItemBox* lower = boxOfItem(bounds.boxes(), 1);
  const ItemBox* upper = boxOfItem(bounds.boxes(), 2);
  ASSERT_NE(lower, nullptr);
  ASSERT_NE(upper, nullptr);
  EXPECT_LT(upper->bottom, lower->top) << "staff 2 lies above staff 1";
  EXPECT_GT(lower->right - lower->left, 500) << "a staff spans the page";
  EXPECT_EQ(boxOfItem(bounds.boxes(), 4), nullptr);
}

TEST(ItemAtPoint, TheSmallestBoxWinsAndThinLinesCanBeHit) {
  const std::vector<ItemBox> boxes = {
      {1, 0, 100, 600, 140},  // a staff
      {2, 50, 110, 60, 120},  // a note on it
      {3, 50, 110, 60, 120},  // a second one drawn on top of it
      {4, 0, 200, 600, 200},  // a line of no height
  };
  struct Case {
    const char* name;
    double x, y;
    int item;
  } cases[] = {
      {"on the staff between notes", 300, 130, 1},
      {"on the notes: the later of two equal", 55, 115, 3},
      {"just beside a note", 62, 115, 3},
      {"beside the line", 300, 202, 4},
      {"off everything", 300, 170, 0},
      {"left of the page", -10, 130, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(itemAtPoint(boxes, c.x, c.y, 3), c.item);
  }
  EXPECT_EQ(itemAtPoint({}, 0, 0, 3), 0);
  expectBox(boxOfItem(boxes, 2), 50, 110, 60, 120);
  EXPECT_EQ(boxOfItem(boxes, 9), nullptr);
}

}  // namespace
