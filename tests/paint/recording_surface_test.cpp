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

TEST(RecordingSurface, PathsListFillStrokeDashesAndSegments) {
  SurfacePath path;
  path.moveTo(1, 2.5);
  path.lineTo(-0.0001, 3.14159);
  path.cubicTo(1, 2, 3, 4, 5.25, 6);
  path.close();
  RecordingSurface s;
  s.drawPath(path, PathFill::kEvenOdd, {});
  s.drawPath(path, PathFill::kNone, {1.5, {3, 2.125}});
  s.drawPath(SurfacePath{}, PathFill::kNonZero, {0.3333, {}});
  EXPECT_EQ(s.listing(),
            "path evenodd 0 M 1 2.5 L 0 3.142 C 1 2 3 4 5.25 6 Z\n"
            "path none 1.5 dash 3 2.125 M 1 2.5 L 0 3.142 C 1 2 3 4 5.25 6 Z\n"
            "path nonzero 0.333\n");
}

TEST(RecordingSurface, MalformedPathListsNoSegments) {
  SurfacePath path;
  path.cubicTo(1, 2, 3, 4, 5, 6);
  path.points.pop_back();  // a cubic short of its end point
  RecordingSurface s;
  s.drawPath(path, PathFill::kNonZero, {});
  EXPECT_EQ(s.listing(), "path nonzero 0\n");
}

TEST(RecordingSurface, TextRunsQuoteTheirStringOnOneLine) {
  RecordingSurface s;
  s.drawText(
      {"Nimbus Roman", FontStyle::kBoldItalic, 12, 10.5, -3, 90, "Allegro \"ma\" non\\troppo"});
  s.drawText({"Nimbus Sans", FontStyle::kRoman, 7.25, 0, 0, -12.5, "line\nbreak \xc3\xa9"});
  EXPECT_EQ(s.listing(),
            "text Nimbus Roman bolditalic 12 10.5 -3 90 \"Allegro \\\"ma\\\" non\\\\troppo\"\n"
            "text Nimbus Sans roman 7.25 0 0 -12.5 \"line break \xc3\xa9\"\n");
}

TEST(RecordingSurface, ItemBracketsOnlyWhenAskedFor) {
  for (bool listsItems : {false, true}) {
    RecordingSurface s(listsItems);
    s.beginItem(7);
    s.moveTo(1, 2);
    s.endItem();
    EXPECT_EQ(s.listing(), listsItems ? "item 7\nmoveto 1 2\nend item\n" : "moveto 1 2\n")
        << "listsItems " << listsItems;
  }
}
