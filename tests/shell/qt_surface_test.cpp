#include "shell/qt_surface.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

namespace {

// A white image with a QtSurface over it; pixels are read after end().
class SurfaceImage {
 public:
  SurfaceImage() : image_(60, 60, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    painter_.begin(&image_);
    surface_ = std::make_unique<QtSurface>(painter_);
  }

  QtSurface& surface() { return *surface_; }

  const QImage& finish() {
    surface_.reset();
    painter_.end();
    return image_;
  }

 private:
  QImage image_;
  QPainter painter_;
  std::unique_ptr<QtSurface> surface_;
};

bool ink(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// The inked columns of one row, as a string of '#' and '.'.
std::string row(const QImage& image, int y, int x0, int x1) {
  std::string pixels;
  for (int x = x0; x <= x1; ++x) pixels += ink(image, x, y) ? '#' : '.';
  return pixels;
}

std::string column(const QImage& image, int x, int y0, int y1) {
  std::string pixels;
  for (int y = y0; y <= y1; ++y) pixels += ink(image, x, y) ? '#' : '.';
  return pixels;
}

TEST(QtSurface, LineLeavesOutItsEndPixel) {
  SurfaceImage page;
  page.surface().moveTo(5, 5);
  page.surface().lineTo(10, 5);
  page.surface().lineTo(10, 9);
  const QImage& image = page.finish();
  EXPECT_EQ(row(image, 5, 4, 11), ".######.") << "the second line starts where the first ended";
  EXPECT_EQ(column(image, 10, 5, 10), "####..");
}

TEST(QtSurface, EvenOddPolygonLeavesItsHoleOpen) {
  SurfaceImage page;
  // Outer square, then the inner square inside the same polygon.
  std::vector<Vector> points = {{10, 10}, {50, 10}, {50, 50}, {10, 50}, {10, 10},
                                {20, 20}, {40, 20}, {40, 40}, {20, 40}, {20, 20}};
  page.surface().selectStockBrush(StockBrush::kBlack);
  page.surface().polygon(points.data(), static_cast<int>(points.size()));
  const QImage& image = page.finish();
  EXPECT_TRUE(ink(image, 15, 30)) << "between the outlines";
  EXPECT_FALSE(ink(image, 30, 30)) << "inside the hole";
  EXPECT_FALSE(ink(image, 55, 30)) << "outside";
}

TEST(QtSurface, WhitePolygonIsOutlinedWithThePen) {
  SurfaceImage page;
  std::vector<Vector> square = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
  page.surface().polygon(square.data(), 4);
  const QImage& image = page.finish();
  EXPECT_EQ(row(image, 20, 9, 31), ".#...................#.");
}

TEST(QtSurface, SelectedBrushStaysUntilTheNextSelection) {
  SurfaceImage page;
  std::vector<Vector> first = {{5, 5}, {15, 5}, {15, 15}, {5, 15}};
  std::vector<Vector> second = {{25, 5}, {35, 5}, {35, 15}, {25, 15}};
  std::vector<Vector> third = {{45, 5}, {55, 5}, {55, 15}, {45, 15}};
  page.surface().selectStockBrush(StockBrush::kBlack);
  page.surface().polygon(first.data(), 4);
  page.surface().polygon(second.data(), 4);
  page.surface().selectStockBrush(StockBrush::kWhite);
  page.surface().polygon(third.data(), 4);
  page.surface().fillRectangle(0, 40, 10, 10);  // white on white: nothing to see
  const QImage& image = page.finish();
  EXPECT_TRUE(ink(image, 10, 10));
  EXPECT_TRUE(ink(image, 30, 10)) << "the black brush was still selected";
  EXPECT_FALSE(ink(image, 50, 10)) << "the white brush fills white";
  EXPECT_FALSE(ink(image, 5, 45));
}

TEST(QtSurface, FillRectangleUsesTheBrushAndNoOutline) {
  SurfaceImage page;
  page.surface().selectStockBrush(StockBrush::kBlack);
  page.surface().fillRectangle(5, 5, 10, 10);
  const QImage& image = page.finish();
  EXPECT_EQ(row(image, 5, 4, 15), ".##########.");
  EXPECT_EQ(column(image, 5, 4, 15), ".##########.");
}

TEST(QtSurface, WidePenStrokesWithFlatCapsThenRestoresTheThinPen) {
  SurfaceImage page;
  QtSurface& surface = page.surface();
  surface.selectWidePen(3);
  surface.beginPath();
  surface.moveTo(20, 40);
  surface.lineTo(20, 10);
  surface.endPath();
  surface.strokePath();
  surface.restorePen();
  surface.moveTo(40, 10);
  surface.lineTo(40, 40);
  const QImage& image = page.finish();
  EXPECT_EQ(row(image, 25, 17, 23), "..###..") << "three pixels centred on x 20";
  EXPECT_EQ(column(image, 20, 8, 11), "..##") << "flat cap: nothing beyond y 10";
  EXPECT_EQ(column(image, 20, 38, 41), "##..") << "flat cap: the stroke ends at y 40";
  EXPECT_EQ(row(image, 25, 38, 42), "..#..") << "the thin pen is back";
}

TEST(QtSurface, PathIsDrawnOnlyWhenStrokedFromThePenPosition) {
  SurfaceImage page;
  QtSurface& surface = page.surface();
  surface.moveTo(10, 10);
  surface.beginPath();
  surface.lineTo(30, 10);  // a path begun without a move starts at the pen position
  surface.endPath();
  surface.moveTo(10, 30);
  surface.lineTo(30, 30);
  const QImage& unstroked = page.finish();
  EXPECT_FALSE(ink(unstroked, 20, 10)) << "recorded, never stroked";
  EXPECT_TRUE(ink(unstroked, 20, 30)) << "drawn after the path was closed";

  SurfaceImage stroked;
  stroked.surface().moveTo(10, 10);
  stroked.surface().beginPath();
  stroked.surface().lineTo(30, 10);
  stroked.surface().endPath();
  stroked.surface().strokePath();
  EXPECT_EQ(row(stroked.finish(), 10, 9, 30), ".####################.");
}

TEST(QtSurface, BezierNeedsThreePointsPerSegmentPlusOne) {
  struct Case {
    const char* name;
    int count;
    bool drawn;
  };
  const Case cases[] = {{"one segment", 4, true},   {"two segments", 7, true},
                        {"three points", 3, false}, {"five points", 5, false},
                        {"one point", 1, false},    {"none", 0, false}};
  std::vector<Vector> points = {{5, 30}, {10, 5}, {20, 5}, {25, 30}, {30, 55}, {40, 55}, {45, 30}};
  for (const Case& c : cases) {
    SurfaceImage page;
    page.surface().polyBezier(points.data(), c.count);
    const QImage& image = page.finish();
    bool anyInk = false;
    for (int y = 0; y < image.height() && !anyInk; ++y) {
      for (int x = 0; x < image.width() && !anyInk; ++x) anyInk = ink(image, x, y);
    }
    EXPECT_EQ(anyInk, c.drawn) << c.name;
  }
}

TEST(QtSurface, ViewportOriginMovesLaterDrawing) {
  SurfaceImage page;
  page.surface().setViewportOrigin(30, 20);
  page.surface().moveTo(0, 0);
  page.surface().lineTo(5, 0);
  page.surface().setViewportOrigin(0, 0);
  page.surface().moveTo(0, 50);
  page.surface().lineTo(5, 50);
  const QImage& image = page.finish();
  EXPECT_EQ(row(image, 20, 29, 35), ".#####.");
  EXPECT_TRUE(ink(image, 2, 50)) << "origin set back to (0, 0)";
}

TEST(QtSurface, TextHangsBelowItsPoint) {
  SurfaceImage page;
  page.surface().textOut(10, 20, "HHH", 3);
  const QImage& image = page.finish();
  int top = -1;
  for (int y = 0; y < image.height() && top < 0; ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (ink(image, x, y)) {
        top = y;
        break;
      }
    }
  }
  ASSERT_GE(top, 0) << "no text was drawn";
  EXPECT_GE(top, 20);
  EXPECT_LT(top, 40);
}

TEST(QtSurface, UnusableWidePenWidthsDrawAThinLine) {
  for (int width : {0, -5}) {
    SurfaceImage page;
    page.surface().selectWidePen(width);
    page.surface().moveTo(10, 30);
    page.surface().lineTo(10, 10);
    const QImage& image = page.finish();
    EXPECT_EQ(row(image, 20, 8, 12), "..#..") << "width " << width;
  }
}

}  // namespace
