// The raster shortcuts of QtSurface (axis-aligned lines filled as
// rectangles, polygons copied from stamps) against Qt drawing the same calls
// directly: every pixel must agree.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "layout/component_store.h"
#include "layout/layout.h"
#include "library/library_table.h"
#include "paint/painter.h"
#include "score/mus_file.h"
#include "shell/polygon_stamps.h"
#include "shell/qt_surface.h"
#include "support/fake_libraries.h"
#include "support/mus_bytes.h"
#include "view/view.h"

namespace {

constexpr int kSide = 48;

QImage whiteImage(int width = kSide, int height = kSide) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

struct LineCase {
  const char* name;
  QPoint from;
  QPoint to;
};

// Both directions, dots, every edge, far ends and a slanted line.
const LineCase kLines[] = {
    {"right", {3, 5}, {30, 5}},
    {"left", {30, 7}, {3, 7}},
    {"down", {9, 2}, {9, 40}},
    {"up", {11, 40}, {11, 2}},
    {"one pixel right", {4, 9}, {5, 9}},
    {"one pixel up", {4, 12}, {4, 11}},
    {"dot", {20, 20}, {20, 20}},
    {"across the left edge", {-10, 14}, {10, 14}},
    {"across the right edge", {40, 15}, {60, 15}},
    {"across the top edge", {16, -5}, {16, 6}},
    {"across the bottom edge", {17, 60}, {17, 40}},
    {"wholly outside", {-30, 3}, {-2, 3}},
    {"ending on the edge", {0, 22}, {kSide, 22}},
    {"far left", {-2147483647, 25}, {30, 25}},
    {"far down", {26, 0}, {26, 2147483647}},
    {"just within reach", {-16383, 27}, {16383, 27}},
    {"slanted", {2, 30}, {30, 44}},
};

// The line as Qt's stroker draws it with the given pen, origin and hints.
QImage stroked(const LineCase& line, QPoint origin, const QPen& pen, bool antialias) {
  QImage image = whiteImage();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, antialias);
  painter.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
  painter.setPen(pen);
  painter.drawLine(line.from, line.to);
  painter.end();
  return image;
}

TEST(QtSurfaceFastPaths, LinesHaveTheStrokersPixels) {
  struct Setting {
    const char* name;
    QPoint origin;
    int widePen;  // 0: the stock pen; -1: a wide pen selected and restored
    bool antialias;
  };
  const Setting settings[] = {
      {"plain", {0, 0}, 0, false},      {"moved origin", {7, -3}, 0, false},
      {"wide pen", {0, 0}, 3, false},   {"restored pen", {0, 0}, -1, false},
      {"antialiased", {0, 0}, 0, true},
  };
  for (const Setting& setting : settings) {
    QPen pen = QtSurface::stockPen();
    if (setting.widePen > 0) {
      pen = QPen(QBrush(Qt::black), setting.widePen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    }
    for (const LineCase& line : kLines) {
      QImage drawn = whiteImage();
      QPainter painter(&drawn);
      {
        QtSurface surface(painter);
        surface.setViewportOrigin(setting.origin.x(), setting.origin.y());
        if (setting.widePen != 0) surface.selectWidePen(std::abs(setting.widePen));
        if (setting.widePen < 0) surface.restorePen();
        painter.setRenderHint(QPainter::Antialiasing, setting.antialias);
        surface.moveTo(line.from.x(), line.from.y());
        surface.lineTo(line.to.x(), line.to.y());
      }
      painter.end();
      EXPECT_TRUE(drawn == stroked(line, setting.origin, pen, setting.antialias))
          << setting.name << ", " << line.name;
    }
  }
}

// A closed random polygon of up to `spread` pixels around (0, 0).
std::vector<Vector> randomPolygon(std::mt19937& random, int spread) {
  std::uniform_int_distribution<int> coordinate(-spread, spread);
  std::uniform_int_distribution<int> points(3, 24);
  std::vector<Vector> polygon(points(random));
  for (Vector& v : polygon) v = {coordinate(random), coordinate(random)};
  return polygon;
}

// Each shape drawn at many places, near the edges too, with both brushes and
// a moved origin: first sightings, stamps made, stamps reused, and polygons
// the stamps leave to Qt. The reference draws every one with Qt directly.
TEST(QtSurfaceFastPaths, PolygonsHaveQtsPixels) {
  clearPolygonStamps();
  std::mt19937 random(8);
  const int width = 160, height = 120;
  std::uniform_int_distribution<int> x(-20, width + 20), y(-20, height + 20);
  QImage drawn = whiteImage(width, height), expected = whiteImage(width, height);
  QPainter drawnPainter(&drawn), expectedPainter(&expected);
  QtSurface surface(drawnPainter);
  expectedPainter.setPen(QtSurface::stockPen());
  for (int shape = 0; shape < 40; ++shape) {
    std::vector<Vector> polygon = randomPolygon(random, shape % 2 == 0 ? 6 : 30);
    bool black = shape % 3 != 0;
    surface.selectStockBrush(black ? StockBrush::kBlack : StockBrush::kWhite);
    expectedPainter.setBrush(black ? Qt::black : Qt::white);
    for (int copy = 0; copy < 6; ++copy) {
      QPoint at(x(random), y(random));
      surface.setViewportOrigin(at.x(), at.y());
      expectedPainter.setTransform(QTransform::fromTranslate(at.x(), at.y()));
      surface.polygon(polygon.data(), static_cast<int>(polygon.size()));
      std::vector<QPoint> points;
      for (const Vector& v : polygon) points.emplace_back(v.x, v.y);
      expectedPainter.drawPolygon(points.data(), static_cast<int>(points.size()), Qt::OddEvenFill);
    }
  }
  drawnPainter.end();
  expectedPainter.end();
  EXPECT_TRUE(drawn == expected);
}

// The window's scroll step on real pages, the screen cut through the page at
// every offset: painted with the shortcuts, and with them shut out (the
// Source composition mode draws the same opaque pixels but leaves the
// shortcuts unused).
TEST(QtSurfaceFastPaths, ScrolledPagesHaveQtsPixels) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  std::string root = directory.path().toStdString();
  std::filesystem::create_directories(root + "/lib");
  std::string error;
  ASSERT_TRUE(loadLibraries(testLibraryDirectory(root + "/lib"), &error)) << error;
  std::vector<std::string> pages = {MELIBRON_SOURCE_DIR "/examples/demo.mus"};
  for (const char* name : {"chor005.mus", "chopin2801.mus", "brahms-op76n7-p1.mus"}) {
    if (!corpusPath(name).empty()) pages.push_back(corpusPath(name));
  }
  for (const std::string& page : pages) {
    Document document;
    View view;
    ASSERT_TRUE(readMusFile(page, document, &error)) << page << ": " << error;
    initViewState(view, 96);
    for (int offset : {0, 300, -500}) {
      view.viewState.viewOffsetY = offset;
      view.viewState.viewOffsetX = offset / 3;
      freeAllComponents(view.components);
      layoutScore(document, view);
      QImage images[2] = {whiteImage(640, 480), whiteImage(640, 480)};
      for (int k = 0; k < 2; ++k) {
        QPainter painter(&images[k]);
        if (k == 1) painter.setCompositionMode(QPainter::CompositionMode_Source);
        QtSurface surface(painter);
        paintScore(surface, document, view);
      }
      EXPECT_TRUE(images[0] == images[1]) << page << " at offset " << offset;
    }
  }
}

}  // namespace
