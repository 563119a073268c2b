// Text runs on the Qt surface: antialiased while the lines are not, in the
// named family, and nothing at all for sizes no real text has.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <limits>

#include "shell/qt_surface.h"
#include "shell/text_fonts.h"

namespace {

struct Pixels {
  int black = 0;  // grey below 64
  int grey = 0;   // between, the antialiased edges
};

Pixels drawRun(const TextRun& run) {
  QImage image(200, 80, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtSurface surface(painter);
  surface.drawText(run);
  painter.end();
  Pixels pixels;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      int grey = qGray(image.pixel(x, y));
      pixels.black += grey < 64;
      pixels.grey += grey >= 64 && grey < 250;
    }
  }
  return pixels;
}

TextRun run(double size, const std::string& text = "Babylon") {
  TextRun r;
  r.family = "Nimbus Roman";
  r.size = size;
  r.x = 10;
  r.y = 50;
  r.text = text;
  return r;
}

TEST(QtSurfaceText, TheTimesFacesAreInstalled) {
  EXPECT_TRUE(textFamilyInstalled("Nimbus Roman")) << "install fonts-urw-base35";
  EXPECT_FALSE(textFamilyInstalled("No Such Family Of Fonts"));
}

TEST(QtSurfaceText, RunsAreAntialiasedOnAnAliasedSurface) {
  Pixels pixels = drawRun(run(30));
  EXPECT_GT(pixels.black, 50);
  EXPECT_GT(pixels.grey, 20) << "antialiased edges";
}

TEST(QtSurfaceText, HostileRunsDrawNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  TextRun rows[] = {run(nan), run(0), run(-1), run(1e30), run(30, "")};
  TextRun far = run(30);
  far.x = 1e30;
  TextRun turned = run(30);
  turned.rotation = nan;
  TextRun stretched = run(30);
  stretched.verticalScale = 1e9;
  TextRun spaced = run(30);
  spaced.spacing = nan;
  for (const TextRun& r :
       {rows[0], rows[1], rows[2], rows[3], rows[4], far, turned, stretched, spaced}) {
    Pixels pixels = drawRun(r);
    EXPECT_EQ(pixels.black + pixels.grey, 0) << r.size << " " << r.x << " " << r.text;
  }
}

TEST(QtSurfaceText, SpacingAndVerticalScaleStretchTheRun) {
  auto extent = [](const TextRun& r, bool across) {
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtSurface surface(painter);
    surface.drawText(r);
    painter.end();
    int low = 1 << 20, high = -1;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) >= 128) continue;
        low = std::min(low, across ? x : y);
        high = std::max(high, across ? x : y);
      }
    }
    return high - low;
  };
  TextRun plain = run(30, "HHHH");
  plain.y = 150;
  TextRun spaced = plain, tall = plain;
  spaced.spacing = 2;
  tall.verticalScale = 2;
  EXPECT_NEAR(extent(spaced, true), 2 * extent(plain, true), 25);
  EXPECT_NEAR(extent(tall, false), 2 * extent(plain, false), 3);
}

}  // namespace
