// PNG pages are written in the smallest format that holds them; read back,
// they must have exactly the pixels that were painted, by the raster
// surface for pages and by Qt for the images the Qt program writes.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <cstring>
#include <filesystem>

#include "library/library_table.h"
#include "score/mus_file.h"
#include "shell/page_painting.h"
#include "shell/support/fake_libraries.h"

namespace {

TEST(PagePng, ReadsBackAsPainted) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  std::string root = directory.path().toStdString();
  std::filesystem::create_directories(root + "/lib");
  std::string error;
  ASSERT_TRUE(loadLibraries(testLibraryDirectory(root + "/lib"), &error)) << error;
  Document document;
  ASSERT_TRUE(readMusFile(MELIBRON_SOURCE_DIR "/examples/demo.mus", document, &error)) << error;
  struct Row {
    const char* name;
    PageOptions options;
    QImage::Format written;  // black and white pages take one bit a pixel
  };
  const Row rows[] = {
      {"aliased", {96, 1.0, false, DrawingMode::kBasic}, QImage::Format_Mono},
      {"aliased, a width not a multiple of 8",
       {97, 1.0, false, DrawingMode::kBasic},
       QImage::Format_Mono},
      // Text is antialiased whatever the lines are.
      {"aliased, with text", {96, 1.0, false}, QImage::Format_Grayscale8},
      {"antialiased", {72, 1.5, true}, QImage::Format_Grayscale8},
  };
  for (const Row& row : rows) {
    std::string path = root + "/" + row.name + ".png";
    ASSERT_TRUE(exportPage(path, PageFormat::kPng, document, row.options, &error))
        << row.name << ": " << error;
    View view;
    layoutPage(document, view, row.options);
    GreyPage painted = paintGreyPage(document, view, pageSize(row.options), row.options.antialias);
    QImage read(QString::fromStdString(path));
    EXPECT_EQ(read.format(), row.written) << row.name;
    QImage grey = read.convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(grey.width(), painted.width) << row.name;
    ASSERT_EQ(grey.height(), painted.height) << row.name;
    int differing = 0;
    for (int y = 0; y < painted.height; ++y) {
      differing += std::memcmp(grey.constScanLine(y), painted.row(y), painted.width) != 0;
    }
    EXPECT_EQ(differing, 0) << row.name << ": rows not as painted";
  }
}

// Every kind of pixel, at widths that end rows in the middle of a byte.
TEST(PagePng, SmallImagesReadBackExactly) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  struct Row {
    const char* name;
    int width;
    QRgb odd;  // the colour of every third pixel, the rest white
    QImage::Format written;
  };
  const Row rows[] = {
      {"black one pixel", 1, qRgb(0, 0, 0), QImage::Format_Mono},
      {"black and white", 13, qRgb(0, 0, 0), QImage::Format_Mono},
      {"grey", 9, qRgb(128, 128, 128), QImage::Format_Grayscale8},
      {"colour", 17, qRgb(0, 0, 255), QImage::Format_RGB32},
  };
  for (const Row& row : rows) {
    QImage image(row.width, 3, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        image.setPixel(x, y, (x + y) % 3 == 0 ? row.odd : qRgb(255, 255, 255));
      }
    }
    std::string path = directory.path().toStdString() + "/" + row.name + ".png";
    std::string error;
    ASSERT_TRUE(savePngImage(path, image, &error)) << row.name << ": " << error;
    QImage read(QString::fromStdString(path));
    EXPECT_EQ(read.format(), row.written) << row.name;
    EXPECT_TRUE(read.convertToFormat(QImage::Format_RGB32) == image) << row.name;
  }
}

}  // namespace
