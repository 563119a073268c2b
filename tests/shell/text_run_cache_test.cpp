// The window lays text runs out once and draws them from its cache on every
// repaint: what it draws must be what a surface without the cache draws,
// wherever the page has moved to. (A baseline exactly half a pixel off a
// row may round to either row; the runs here keep clear of that.)
#include "shell/text_run_cache.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "shell/qt_surface.h"

namespace {

QImage drawRuns(const std::vector<TextRun>& runs, TextRunCache* cache) {
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtSurface surface(painter, {}, cache);
  for (const TextRun& run : runs) surface.drawText(run);
  painter.end();
  return image;
}

// Pixels whose grey differs by more than a rounding step.
int differingPixels(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x)
      count += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 2;
  }
  return count;
}

TextRun run(const std::string& text, double size, double x, double y) {
  TextRun r;
  r.family = "Nimbus Roman";
  r.text = text;
  r.size = size;
  r.x = x;
  r.y = y;
  return r;
}

TEST(TextRunCache, CachedRunsDrawWhatUncachedRunsDraw) {
  TextRun italic = run("An Wasserflüssen", 21.7, 20.25, 60.3);
  italic.style = FontStyle::kItalic;
  TextRun spaced = run("BWV 267", 14.3, 30, 120);
  spaced.spacing = 1.4;
  TextRun turned = run("dim.", 18, 200, 200);
  turned.rotation = 30;
  TextRun tall = run("3", 16, 300, 250);
  tall.verticalScale = 1.5;
  std::vector<TextRun> runs = {italic, spaced, turned, tall};

  TextRunCache cache;
  drawRuns(runs, &cache);  // laid out here, drawn from the cache below
  for (int shift : {0, 20, -37}) {
    std::vector<TextRun> moved = runs;
    for (TextRun& r : moved) r.y += shift;
    EXPECT_EQ(differingPixels(drawRuns(moved, &cache), drawRuns(moved, nullptr)), 0)
        << "moved by " << shift;
  }
}

TEST(TextRunCache, RunsDifferingOnlyInSizeOrFaceAreLaidOutApart) {
  TextRunCache cache;
  TextRun small = run("Babylon", 12, 10, 50);
  TextRun large = run("Babylon", 24, 10, 50);
  TextRun bold = small;
  bold.style = FontStyle::kBold;
  for (const TextRun& r : {small, large, bold}) {
    drawRuns({small}, &cache);
    EXPECT_EQ(differingPixels(drawRuns({r}, &cache), drawRuns({r}, nullptr)), 0) << r.size;
  }
}

}  // namespace
