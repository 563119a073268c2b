// The raster surface, which draws melibron's PNG pages, against the Qt
// surface, which draws the window: the same ink to within a pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <filesystem>

#include "library/library_table.h"
#include "score/score_input.h"
#include "shell/page_painting.h"
#include "shell/support/fake_libraries.h"

namespace {

bool inkAt(const std::vector<uint8_t>& ink, int width, int height, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      int nx = x + dx, ny = y + dy;
      if (nx >= 0 && ny >= 0 && nx < width && ny < height && ink[ny * width + nx]) return true;
    }
  }
  return false;
}

// The share of a's ink that has b's ink within one pixel.
double covered(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int width,
               int height) {
  int inked = 0, near = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (!a[y * width + x]) continue;
      ++inked;
      near += inkAt(b, width, height, x, y);
    }
  }
  return inked == 0 ? 1.0 : static_cast<double>(near) / inked;
}

TEST(RasterAgreement, PagesHaveQtsInkWithinAPixel) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  std::string root = directory.path().toStdString();
  std::filesystem::create_directories(root + "/lib");
  std::string error;
  ASSERT_TRUE(loadLibraries(testLibraryDirectory(root + "/lib"), &error)) << error;
  std::vector<std::string> pages = {MELIBRON_SOURCE_DIR "/examples/demo.mus"};
  for (const char* name : {"chopin2801", "chor005", "brahms-op76n7-p1"}) {
    std::string path = std::string(MELIBRON_CORPUS_DIR) + "/" + name + ".mus";
    if (std::filesystem::exists(path)) pages.push_back(path);
  }
  const PageOptions options[] = {{96, 1.0, false, DrawingMode::kBasic},
                                 {96, 1.0, false, DrawingMode::kComplete},
                                 {200, 1.0, false, DrawingMode::kComplete},
                                 {96, 1.0, true, DrawingMode::kComplete}};
  for (const std::string& page : pages) {
    Document document;
    ASSERT_TRUE(openScore(page, document, &error)) << error;
    for (const PageOptions& option : options) {
      View view;
      layoutPage(document, view, option);
      PagePixels size = pageSize(option);
      GreyPage raster = paintGreyPage(document, view, size, option.antialias);
      QImage qt(qtPageSize(option), QImage::Format_RGB32);
      QPainter painter(&qt);
      paintPage(painter, document, view, qt.size(), option.antialias);
      painter.end();
      std::vector<uint8_t> rasterInk(raster.pixels.size()), qtInk(raster.pixels.size());
      for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
          rasterInk[y * size.width + x] = raster.row(y)[x] < 128;
          qtInk[y * size.width + x] = qGray(qt.pixel(x, y)) < 128;
        }
      }
      std::string row = page + " at " + std::to_string(option.pixelsPerInch) +
                        (option.antialias ? " dpi, antialiased" : " dpi") +
                        (option.drawingMode == DrawingMode::kBasic ? ", basic" : "");
      EXPECT_GE(covered(qtInk, rasterInk, size.width, size.height), 0.99)
          << row << ": Qt's ink missed";
      EXPECT_GE(covered(rasterInk, qtInk, size.width, size.height), 0.99)
          << row << ": ink Qt has not";
    }
  }
}

}  // namespace
