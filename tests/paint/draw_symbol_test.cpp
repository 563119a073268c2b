#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "paint/painter.h"
#include "paint/recording_surface.h"
#include "paint_fixture.h"

namespace {

struct SymbolCase {
  const char* name;
  int pointCount;  // points (i, 10 i), i = 0 .. pointCount - 1
  std::vector<DrawEntry> drawList;
  const char* listing;
  StockBrush brushAfter;
};

const SymbolCase kCases[] = {
    {"empty draw list draws nothing", 4, {}, "", StockBrush::kWhite},
    {"polyline then black quadrilateral",
     7,
     {{1, 3}, {2, 4}},
     "polyline 3 0 0 1 10 2 20\n"
     "polygon black 4 3 30 4 40 5 50 6 60\n",
     StockBrush::kBlack},
    {"Bezier run drawn before the black polygon",
     8,
     {{1, 1}, {-1, 1}, {-1, 1}, {-1, 1}, {2, 4}},
     "polyline 1 0 0\n"
     "polybezier 4 0 0 1 10 2 20 3 30\n"
     "polygon black 4 4 40 5 50 6 60 7 70\n",
     StockBrush::kBlack},
    {"Bezier run left pending is never drawn",
     4,
     {{1, 1}, {-1, 1}, {-1, 1}, {-1, 1}},
     "polyline 1 0 0\n",
     StockBrush::kWhite},
    {"white then black quadrilateral leaves black",
     8,
     {{3, 4}, {2, 4}},
     "polygon white 4 0 0 1 10 2 20 3 30\n"
     "polygon black 4 4 40 5 50 6 60 7 70\n",
     StockBrush::kBlack},
    {"black then white quadrilateral leaves white",
     8,
     {{2, 4}, {3, 4}},
     "polygon black 4 0 0 1 10 2 20 3 30\n"
     "polygon white 4 4 40 5 50 6 60 7 70\n",
     StockBrush::kWhite},
    {"unknown opcode passes over its points",
     7,
     {{7, 5}, {1, 2}},
     "polyline 2 5 50 6 60\n",
     StockBrush::kWhite},
    {"white polygon keeps the run pending and lies inside it",
     7,
     {{1, 1}, {-1, 1}, {3, 2}, {-1, 1}, {-1, 1}, {2, 1}},
     "polyline 1 0 0\n"
     "polygon white 2 2 20 3 30\n"
     "polybezier 4 0 0 1 10 2 20 3 30\n"
     "polygon black 1 6 60\n",
     StockBrush::kBlack},
    {"run length counts entries, not their points",
     6,
     {{1, 1}, {-1, 2}, {2, 1}},
     "polyline 1 0 0\n"
     "polybezier 2 0 0 1 10\n"
     "polygon black 1 3 30\n",
     StockBrush::kBlack},
    // Lists no library holds: whatever they ask, nothing outside the
    // vector list is read.
    {"run with no point before it is skipped",
     4,
     {{-1, 1}, {-1, 1}, {-1, 1}, {2, 1}},
     "polygon black 1 3 30\n",
     StockBrush::kBlack},
    {"run after empty entries has no start point either",
     4,
     {{1, 0}, {-1, 1}, {2, 1}},
     "polygon black 1 1 10\n",
     StockBrush::kBlack},
    {"point counts past the list are cut at its end",
     4,
     {{1, 2}, {2, 5}, {3, 10}},
     "polyline 2 0 0 1 10\n"
     "polygon black 2 2 20 3 30\n",
     StockBrush::kWhite},
    {"run reaching past the list is cut at its end",
     3,
     {{1, 1}, {-1, 1}, {-1, 1}, {-1, 1}, {2, 1}},
     "polyline 1 0 0\n"
     "polybezier 3 0 0 1 10 2 20\n",
     StockBrush::kBlack},
    {"run starting past the list draws nothing",
     2,
     {{1, 5}, {-1, 1}, {-1, 1}, {2, 1}},
     "polyline 2 0 0 1 10\n",
     StockBrush::kBlack},
    {"negative point count owns no points",
     3,
     {{1, -3}, {1, 2}},
     "polyline 2 0 0 1 10\n",
     StockBrush::kWhite},
};

TEST(DrawSymbol, DrawListCases) {
  for (const SymbolCase& c : kCases) {
    RecordingSurface surface;
    drawSymbol(surface, makeSymbol(numberedPoints(c.pointCount), c.drawList));
    EXPECT_EQ(surface.listing(), c.listing) << c.name;
    EXPECT_EQ(surface.brush(), c.brushAfter) << c.name;
  }
}

TEST(DrawSymbol, BrushOfTheLastPolygonStaysForLaterPolygons) {
  RecordingSurface surface;
  drawSymbol(surface, makeSymbol(numberedPoints(4), {{2, 4}}));
  drawSymbol(surface, makeSymbol(numberedPoints(2, 10), {{1, 2}}));
  Vector later[3] = {{0, 0}, {5, 0}, {5, 5}};
  surface.polygon(later, 3);
  EXPECT_EQ(surface.listing(),
            "polygon black 4 0 0 1 10 2 20 3 30\n"
            "polyline 2 10 100 11 110\n"
            "polygon black 3 0 0 5 0 5 5\n");
}

}  // namespace
