#include "paint/recording_surface.h"

#include <gtest/gtest.h>

#include <string>

TEST(RecordingSurface, WritesEveryCallAsOneLineInCallOrder) {
  RecordingSurface s;
  Vector pts[3] = {{1, -2}, {30, 40}, {-5, 6}};
  s.moveTo(10, -20);
  s.lineTo(30, 40);
  s.polyline(pts, 3);
  s.polyBezier(pts, 1);
  s.selectWidePen(3);
  s.beginPath();
  s.endPath();
  s.strokePath();
  s.restorePen();
  s.setViewportOrigin(100, 200);
  s.textOut(7, 8, "abc", 3);
  s.fillRectangle(1, 2, 30, 40);
  EXPECT_EQ(s.listing(),
            "moveto 10 -20\n"
            "lineto 30 40\n"
            "polyline 3 1 -2 30 40 -5 6\n"
            "polybezier 1 1 -2\n"
            "pen 3\n"
            "beginpath\n"
            "endpath\n"
            "strokepath\n"
            "pen restore\n"
            "origin 100 200\n"
            "text 7 8 abc\n"
            "fill 1 2 30 40\n");
}

TEST(RecordingSurface, PolygonNamesTheBrushSelectedAtTheCall) {
  RecordingSurface s;
  Vector pts[2] = {{1, 2}, {3, 4}};
  EXPECT_EQ(s.brush(), StockBrush::kWhite) << "a cleared page holds the white brush";
  s.polygon(pts, 2);
  s.selectStockBrush(StockBrush::kBlack);
  EXPECT_EQ(s.brush(), StockBrush::kBlack);
  s.polygon(pts, 1);
  s.selectStockBrush(StockBrush::kWhite);
  s.selectStockBrush(StockBrush::kBlack);
  s.polygon(pts, 2);
  EXPECT_EQ(s.listing(),
            "polygon white 2 1 2 3 4\n"
            "polygon black 1 1 2\n"
            "polygon black 2 1 2 3 4\n");
}

TEST(RecordingSurface, TextKeepsToOneLineAndToItsLength) {
  RecordingSurface s;
  s.textOut(0, 0, "a\nb\rcdef", 5);
  s.textOut(1, 1, "", 0);
  EXPECT_EQ(s.listing(), "text 0 0 a b c\ntext 1 1 \n");
}
