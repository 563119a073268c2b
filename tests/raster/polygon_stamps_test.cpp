// Stamped polygons have the pixels of polygons drawn anew, wherever they
// fall on the page, and the cache keeps to its bounds.
#include "raster/polygon_stamps.h"

#include <gtest/gtest.h>

#include <vector>

#include "raster/cosmetic_line.h"
#include "raster/edge_fill.h"
#include "raster/raster_surface.h"

namespace {

using Shape = std::vector<Vector>;

const Shape kHead = {{0, 3}, {2, 0}, {7, 0}, {9, 2}, {9, 4}, {7, 7}, {2, 7}, {0, 5}};
const Shape kStar = {{0, 4}, {10, 4}, {2, 10}, {5, 0}, {8, 10}};  // crosses itself
const Shape kSliver = {{0, 0}, {6, 1}};

// A page of grey, so that pixels a shape leaves alone are told from white.
GreyPage greyPage(int width, int height) {
  GreyPage page = whitePage(width, height);
  for (size_t i = 0; i < page.pixels.size(); ++i) page.pixels[i] = i % 3 == 0 ? 90 : 160;
  return page;
}

// The polygon filled even-odd and outlined, drawn without stamps.
void drawDirectly(GreyPage& page, const Shape& shape, int dx, int dy, uint8_t level) {
  std::vector<PathPoint> moved;
  for (const Vector& v : shape) moved.push_back({double(v.x + dx), double(v.y + dy)});
  EdgeList edges;
  edges.addContour(moved);
  fillEdges(page, edges, FillRule::kEvenOdd, level, false);
  for (size_t i = 0; i < moved.size(); ++i) {
    const PathPoint& a = moved[i];
    const PathPoint& b = moved[(i + 1) % moved.size()];
    drawCosmeticLine(page, int64_t(a.x), int64_t(a.y), int64_t(b.x), int64_t(b.y), 0);
  }
}

TEST(PolygonStamps, SamePixelsAsDrawingAnewAcrossThePage) {
  for (const Shape* shape : {&kHead, &kStar, &kSliver}) {
    for (StockBrush brush : {StockBrush::kBlack, StockBrush::kWhite}) {
      uint8_t level = brush == StockBrush::kBlack ? 0 : 255;
      // Every position from beyond the left and top edges to beyond the
      // right and bottom ones, the stamp made at the first that fits.
      for (int at = -12; at <= 24; ++at) {
        GreyPage stamped = greyPage(20, 18), direct = greyPage(20, 18);
        RasterSurface surface(stamped);
        surface.selectStockBrush(brush);
        surface.setViewportOrigin(at, 17 - at);
        surface.polygon(shape->data(), static_cast<int>(shape->size()));
        drawDirectly(direct, *shape, at, 17 - at, level);
        ASSERT_EQ(stamped.pixels, direct.pixels) << "at " << at << ", level " << int(level);
      }
    }
  }
}

TEST(PolygonStamps, OneStampAShapeWhereverItIsDrawn) {
  PolygonStamps stamps(10, 1000);
  GreyPage page = whitePage(60, 60);
  EXPECT_TRUE(stamps.draw(page, kHead.data(), 8, 10, 10, 0));
  EXPECT_TRUE(stamps.draw(page, kHead.data(), 8, 30, 40, 0));
  EXPECT_EQ(stamps.shapes(), 1u);
  EXPECT_TRUE(stamps.draw(page, kHead.data(), 8, 30, 20, 255));  // another brush
  EXPECT_EQ(stamps.shapes(), 2u);
  EXPECT_FALSE(stamps.draw(page, kHead.data(), 8, 55, 20, 0));  // past the right edge
  const Shape large = {{0, 0}, {300, 0}, {300, 300}};
  GreyPage big = whitePage(400, 400);
  EXPECT_FALSE(stamps.draw(big, large.data(), 3, 10, 10, 0));
  EXPECT_EQ(stamps.shapes(), 2u);
}

TEST(PolygonStamps, EmptiedAtItsBounds) {
  GreyPage page = whitePage(60, 60);
  PolygonStamps fewShapes(2, 1000);
  for (const Shape* shape : {&kHead, &kStar, &kSliver}) {
    EXPECT_TRUE(fewShapes.draw(page, shape->data(), int(shape->size()), 20, 20, 0));
    EXPECT_LE(fewShapes.shapes(), 2u);
  }
  EXPECT_EQ(fewShapes.shapes(), 1u);
  PolygonStamps all(100, 1 << 20);
  all.draw(page, kHead.data(), 8, 20, 20, 0);
  const size_t headRuns = all.runs();
  PolygonStamps fewRuns(100, headRuns);
  EXPECT_TRUE(fewRuns.draw(page, kHead.data(), 8, 20, 20, 0));
  EXPECT_EQ(fewRuns.runs(), headRuns);
  fewRuns.draw(page, kStar.data(), 5, 20, 20, 0);
  EXPECT_LE(fewRuns.runs(), headRuns);
  EXPECT_EQ(fewRuns.shapes(), 1u);
  PolygonStamps tooFewRuns(100, headRuns - 1);
  EXPECT_FALSE(tooFewRuns.draw(page, kHead.data(), 8, 20, 20, 0));
  EXPECT_EQ(tooFewRuns.runs(), 0u);
}

}  // namespace
