// The surface's calls, and what hostile values make of them.
#include "raster/raster_surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "layout/layout.h"
#include "paint/painter.h"
#include "raster_test_page.h"
#include "support/mus_bytes.h"

namespace {

SurfacePath rectanglePath(double left, double top, double right, double bottom) {
  SurfacePath path;
  path.moveTo(left, top);
  path.lineTo(right, top);
  path.lineTo(right, bottom);
  path.lineTo(left, bottom);
  path.close();
  return path;
}

TEST(RasterSurface, PolygonsFillByTheBrushAndKeepTheirOutline) {
  GreyPage page = whitePage(6, 6);
  RasterSurface surface(page);
  const Vector box[] = {{1, 1}, {4, 1}, {4, 4}, {1, 4}};
  surface.selectStockBrush(StockBrush::kBlack);
  surface.polygon(box, 4);
  // Each side leaves out its greater end, as Qt's outline does: so does the
  // outline the corner where two such ends meet.
  EXPECT_EQ(picture(page), "......\n.####.\n.####.\n.####.\n.###..\n......\n");
  // A white polygon inside keeps its black outline round a white middle.
  surface.selectStockBrush(StockBrush::kWhite);
  surface.setViewportOrigin(-1, -1);
  const Vector inner[] = {{3, 3}, {5, 3}, {5, 5}, {3, 5}};
  surface.polygon(inner, 4);
  EXPECT_EQ(picture(page), "......\n.####.\n.####.\n.##.#.\n.###..\n......\n");
  surface.setViewportOrigin(0, 0);
  surface.fillRectangle(2, 2, 2, 2);
  EXPECT_EQ(picture(page), "......\n.####.\n.#..#.\n.#..#.\n.###..\n......\n");
}

TEST(RasterSurface, PrintedWidthsForLinesNotForOutlines) {
  PenWidths widths;
  widths.line = 3;
  GreyPage page = whitePage(8, 7);
  RasterSurface surface(page, widths);
  surface.moveTo(1, 1);
  surface.lineTo(7, 1);  // 3 wide round the pixel centres of row 1, columns 1 to 7
  const Vector box[] = {{1, 4}, {6, 4}, {6, 6}, {1, 6}};
  surface.polygon(box, 4);  // the white brush, the one-pixel outline
  EXPECT_EQ(picture(page),
            "..######\n..######\n..######\n........\n.######.\n.#....#.\n.#####..\n");
  GreyPage wide = whitePage(8, 4);
  RasterSurface wideSurface(wide, widths);
  wideSurface.selectWidePen(2);
  wideSurface.moveTo(1, 2);
  wideSurface.lineTo(7, 2);  // the wide pen's own width, not the printed one
  wideSurface.restorePen();
  EXPECT_EQ(picture(wide), "........\n.######.\n.######.\n........\n");
}

TEST(RasterSurface, ZeroLengthDashes) {
  const SurfacePath line = [] {
    SurfacePath path;
    path.moveTo(0, 5);
    path.lineTo(20, 5);
    return path;
  }();
  auto draw = [&](std::vector<double> dashes) {
    GreyPage page = whitePage(20, 10);
    RasterSurface surface(page);
    surface.drawPath(line, PathFill::kNone, {4, std::move(dashes)});
    return picture(page);
  };
  std::string solid = draw({});
  EXPECT_NE(solid.find('#'), std::string::npos);
  EXPECT_EQ(draw({0, 0}), solid) << "a pattern of no length draws solid";
  EXPECT_EQ(draw({0}), solid) << "an odd pattern of no length too";
  EXPECT_EQ(draw({0, 3}), draw({-1, 3})) << "negative lengths count as 0";
  EXPECT_EQ(draw({0, 3}).find('#'), std::string::npos) << "dashes of no length draw nothing";
  EXPECT_EQ(draw({std::nan(""), 2}).find('#'), std::string::npos);
}

TEST(RasterSurface, HostileValuesDrawNothingOrStayOnThePage) {
  struct Row {
    const char* name;
    void (*draw)(RasterSurface&);
    bool ink;
  };
  const Row rows[] = {
      {"path through NaN",
       [](RasterSurface& s) {
         s.drawPath(rectanglePath(0, 0, std::nan(""), 5), PathFill::kNonZero, {});
       },
       false},
      {"path to infinity",
       [](RasterSurface& s) {
         s.drawPath(rectanglePath(0, 0, std::numeric_limits<double>::infinity(), 5),
                    PathFill::kEvenOdd, {1, {}});
       },
       false},
      {"path of 1e300",
       [](RasterSurface& s) { s.drawPath(rectanglePath(0, 0, 1e300, 5), PathFill::kNonZero, {}); },
       false},
      {"stroke of NaN width",
       [](RasterSurface& s) {
         s.drawPath(rectanglePath(1, 1, 5, 5), PathFill::kNone, {std::nan(""), {}});
       },
       false},
      {"text of NaN size",
       [](RasterSurface& s) {
         TextRun run;
         run.size = std::nan("");
         run.text = "p";
         s.drawText(run);
       },
       false},
      {"text of a huge size",
       [](RasterSurface& s) {
         TextRun run;
         run.size = 1e9;
         run.text = "p";
         s.drawText(run);
       },
       false},
      {"polygon to the integer limits",
       [](RasterSurface& s) {
         const Vector far[] = {
             {INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
         s.selectStockBrush(StockBrush::kBlack);
         s.polygon(far, 4);
       },
       true},
      {"rectangle as wide as an int",
       [](RasterSurface& s) {
         s.selectStockBrush(StockBrush::kBlack);
         s.setViewportOrigin(INT_MIN, 0);
         s.fillRectangle(INT_MAX, 2, INT_MAX, -INT_MAX);
       },
       true},
      {"widest pen, far line",
       [](RasterSurface& s) {
         s.selectWidePen(INT_MAX);
         s.moveTo(INT_MIN, 4);
         s.lineTo(INT_MAX, 4);
       },
       true},
      {"curve to the integer limits",
       [](RasterSurface& s) {
         const Vector curve[] = {{0, 0}, {INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}, {8, 8}};
         s.polyBezier(curve, 4);
       },
       true},
  };
  for (const Row& row : rows) {
    GreyPage page = whitePage(8, 8);
    RasterSurface surface(page);
    row.draw(surface);
    EXPECT_EQ(blackPixels(page) > 0, row.ink) << row.name;
  }
}

TEST(RasterSurface, HostilePagesPaint) {
  // Window coordinates saturate at the integer limits and the barline pen
  // would be billions of pixels wide; the page still comes out, white
  // where nothing can reach.
  const float huge = 1e30f;
  Document document;
  loadItems(document, {{8, 1, -huge, 0, 1, huge, 5},
                       {14, 1, huge, 0, 2},
                       {8, 2, 0, 0, huge},
                       {14, 2, 50, 0, 2},
                       {4, 1, -huge, huge, 0, huge, -huge},
                       {6, 1, -huge, huge, 5, huge, -huge, 1}});
  for (bool antialiased : {false, true}) {
    View view;
    initViewState(view, 96);
    layoutScore(document, view);
    GreyPage page = whitePage(816, 1056);
    RasterSurface surface(page);
    surface.setAntialiased(antialiased);
    paintScore(surface, document, view);
    EXPECT_LT(page.row(984)[400], 128) << "the endless staff line, antialiased " << antialiased;
    EXPECT_EQ(page.row(10)[10], 255) << antialiased;
  }
}

}  // namespace
