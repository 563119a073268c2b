// Paths, strokes and text runs of the Qt surface.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <functional>
#include <limits>
#include <string>

#include "shell/qt_surface.h"

namespace {

// A white 60 x 60 image with `draw` run on a QtSurface over it.
QImage drawn(const std::function<void(QtSurface&)>& draw) {
  QImage image(60, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  {
    QtSurface surface(painter);
    draw(surface);
  }
  painter.end();
  return image;
}

bool ink(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

std::string row(const QImage& image, int y, int x0, int x1) {
  std::string pixels;
  for (int x = x0; x <= x1; ++x) pixels += ink(image, x, y) ? '#' : '.';
  return pixels;
}

int greyPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      int grey = qGray(image.pixel(x, y));
      count += grey > 0 && grey < 255;
    }
  }
  return count;
}

// Two nested squares drawn the same way round.
SurfacePath nestedSquares() {
  SurfacePath path;
  for (int inset : {0, 10}) {
    path.moveTo(10 + inset, 10 + inset);
    path.lineTo(50 - inset, 10 + inset);
    path.lineTo(50 - inset, 50 - inset);
    path.lineTo(10 + inset, 50 - inset);
    path.close();
  }
  return path;
}

TEST(QtSurfacePaths, FillRulesDecideTheInnerSquare) {
  QImage evenOdd = drawn([](QtSurface& s) { s.drawPath(nestedSquares(), PathFill::kEvenOdd, {}); });
  QImage nonZero = drawn([](QtSurface& s) { s.drawPath(nestedSquares(), PathFill::kNonZero, {}); });
  EXPECT_TRUE(ink(evenOdd, 15, 30));
  EXPECT_FALSE(ink(evenOdd, 30, 30)) << "even-odd leaves the hole";
  EXPECT_TRUE(ink(nonZero, 30, 30)) << "same winding fills it";
  QImage unfilled = drawn([](QtSurface& s) { s.drawPath(nestedSquares(), PathFill::kNone, {}); });
  EXPECT_FALSE(ink(unfilled, 15, 30)) << "no fill and no stroke draws nothing";
}

TEST(QtSurfacePaths, StrokeWidthAndDashesAreDevicePixels) {
  SurfacePath line;
  line.moveTo(5, 30);
  line.lineTo(55, 30);
  QImage solid = drawn([&](QtSurface& s) { s.drawPath(line, PathFill::kNone, {4, {}}); });
  EXPECT_EQ(row(solid, 29, 3, 8), "..####") << "flat cap at x 5";
  EXPECT_TRUE(ink(solid, 30, 28) && ink(solid, 30, 31) && !ink(solid, 30, 27) &&
              !ink(solid, 30, 32))
      << "four pixels wide";
  QImage dashed = drawn([&](QtSurface& s) { s.drawPath(line, PathFill::kNone, {4, {10, 5}}); });
  EXPECT_EQ(row(dashed, 30, 5, 34), "##########.....##########.....")
      << "10 on, 5 off, whatever the width";
}

TEST(QtSurfacePaths, CurvesBendThroughTheirControlPoints) {
  SurfacePath arc;
  arc.moveTo(10, 50);
  arc.cubicTo(10, 10, 50, 10, 50, 50);
  QImage image = drawn([&](QtSurface& s) { s.drawPath(arc, PathFill::kNone, {2, {}}); });
  EXPECT_TRUE(ink(image, 30, 20)) << "the top of the arc, three quarters of the way up";
  EXPECT_FALSE(ink(image, 30, 45)) << "nothing on the chord";
}

TEST(QtSurfacePaths, HostilePathsDrawNothing) {
  SurfacePath broken = nestedSquares();
  broken.points.pop_back();
  SurfacePath far = nestedSquares();
  far.points[2].x = std::numeric_limits<double>::quiet_NaN();
  QImage image = drawn([&](QtSurface& s) {
    s.drawPath(broken, PathFill::kNonZero, {1, {}});
    s.drawPath(far, PathFill::kNonZero, {1, {}});
    s.drawPath(nestedSquares(), PathFill::kNone, {std::numeric_limits<double>::infinity(), {}});
  });
  EXPECT_EQ(greyPixels(image), 0);
  EXPECT_FALSE(ink(image, 15, 30));
}

TEST(QtSurfacePaths, TextIsAntialiasedOnAnAliasedPage) {
  QImage image = drawn([](QtSurface& s) {
    s.drawText({"Nimbus Roman", FontStyle::kRoman, 20, 5, 40, 0, "Ag"});
  });
  EXPECT_GT(greyPixels(image), 0) << "grey edges";
  bool above = false, below = false;
  for (int x = 0; x < 60; ++x) {
    for (int y = 20; y < 40; ++y) above |= ink(image, x, y);
    for (int y = 41; y < 48; ++y) below |= ink(image, x, y);
  }
  EXPECT_TRUE(above) << "letters stand on the baseline";
  EXPECT_TRUE(below) << "the descender of g hangs below it";
}

TEST(QtSurfacePaths, RotatedTextRunsDownward) {
  QImage image = drawn([](QtSurface& s) {
    s.drawText({"Nimbus Sans", FontStyle::kBold, 14, 30, 5, 90, "HHHH"});
  });
  int top = 60, bottom = -1, left = 60, right = -1;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 60; ++x) {
      if (!ink(image, x, y)) continue;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  ASSERT_GE(bottom, 0) << "no text drawn";
  EXPECT_GT(bottom - top, 2 * (right - left)) << "a quarter turn clockwise stands the line up";
  EXPECT_GE(left, 29) << "the letters' tops face right of the baseline";
}

}  // namespace
