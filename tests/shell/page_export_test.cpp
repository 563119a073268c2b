#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <filesystem>

#include "library/library_table.h"
#include "score/mus_file.h"
#include "shell/page_painting.h"
#include "shell/support/cli_run.h"
#include "shell/support/fake_libraries.h"
#include "support/mus_bytes.h"
#include "view/view.h"

namespace {

bool ink(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

int inkedPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += ink(image, x, y);
  }
  return count;
}

QImage renderPage(const Document& document, const PageOptions& options) {
  View view;
  layoutPage(document, view, options);
  QImage image(qtPageSize(options), QImage::Format_RGB32);
  image.fill(Qt::red);  // the page must cover every pixel with white
  QPainter painter(&image);
  paintPage(painter, document, view, image.size(), options.antialias);
  return image;
}

TEST(PageExport, LayoutUsesTheOptionsWithZeroOffsets) {
  Document document;
  View view;
  view.viewState.viewOffsetX = 55;
  view.viewState.viewOffsetY = -20;
  layoutPage(document, view, {120, 1.5, false, DrawingMode::kBasic});
  EXPECT_EQ(view.viewState.pixelsPerInch, 120);
  EXPECT_DOUBLE_EQ(view.viewState.zoom, 1.5);
  EXPECT_EQ(view.viewState.viewOffsetX, 0);
  EXPECT_EQ(view.viewState.viewOffsetY, 0);
  EXPECT_EQ(view.drawingMode, DrawingMode::kBasic);
}

TEST(PageExport, PageSizeIsRoundedUp) {
  struct Case {
    PageOptions options;
    QSize size;
  };
  const Case cases[] = {{{96, 1.0}, {816, 1056}},
                        {{120, 1.0}, {1020, 1320}},
                        {{96, 2.0}, {1632, 2112}},
                        {{10, 0.05}, {5, 6}},  // 4.25 x 5.5
                        {{100, 0.33}, {281, 363}}};
  for (const Case& c : cases) {
    EXPECT_EQ(qtPageSize(c.options), c.size)
        << c.options.pixelsPerInch << " ppi, zoom " << c.options.zoom;
  }
}

TEST(PageExport, StaffWorkedExample) {
  // Five lines from x 48 to 768 at y 984, 976, 968, 959, 951 (96 ppi, zoom 1).
  Document document;
  loadItems(document, {{8, 1}});
  QImage image = renderPage(document, {});
  EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(815, 1055), qRgb(255, 255, 255));
  for (int y : {984, 976, 968, 959, 951}) {
    EXPECT_FALSE(ink(image, 47, y)) << "y " << y;
    EXPECT_TRUE(ink(image, 48, y)) << "y " << y;
    EXPECT_TRUE(ink(image, 767, y)) << "y " << y;
    EXPECT_FALSE(ink(image, 768, y)) << "the end pixel is left out, y " << y;
  }
  EXPECT_EQ(inkedPixels(image), 5 * 720);
}

TEST(PageExport, OperationsAreWhatThePainterDraws) {
  Document document;
  loadItems(document, {{8, 1, 0, 0, 1, 10, 1}});
  View view;
  layoutPage(document, view, {96, 1.0, false, DrawingMode::kBasic});
  EXPECT_EQ(pageOperations(document, view), "moveto 48 984\nlineto 84 984\n");
  layoutPage(document, view, {});
  EXPECT_EQ(pageOperations(document, view), "item 1\nmoveto 48 984\nlineto 84 984\nend item\n")
      << "the complete listing brackets each item's calls";
}

TEST(PageExport, AntialiasingOnlyWhenAsked) {
  Document document;
  loadItems(document, {{8, 1}, {4, 1, 10, 0, 0, 150, 20}});  // a staff and a slanted line
  auto greyPixels = [](const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        int grey = qGray(image.pixel(x, y));
        count += grey > 0 && grey < 255;
      }
    }
    return count;
  };
  EXPECT_EQ(greyPixels(renderPage(document, {96, 1.0, false})), 0);
  EXPECT_GT(greyPixels(renderPage(document, {96, 1.0, true})), 0);
}

TEST(PageExport, ExtremeParametersStayHarmless) {
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
  QImage image = renderPage(document, {});
  EXPECT_TRUE(ink(image, 400, 984)) << "the endless staff line";
  EXPECT_FALSE(ink(image, 10, 10));
}

// Real pages render to all three formats with ink on them.
TEST(PageExport, CorpusPages) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  std::string root = directory.path().toStdString();
  std::filesystem::create_directories(root + "/lib");
  std::string error;
  ASSERT_TRUE(loadLibraries(testLibraryDirectory(root + "/lib"), &error)) << error;
  bool anyPage = false;
  for (const char* name : {"chor005.mus", "chopin2801.mus", "brahms-op76n7-p1.mus"}) {
    std::string path = corpusPath(name);
    if (path.empty()) continue;
    anyPage = true;
    Document document;
    ASSERT_TRUE(readMusFile(path, document, &error)) << name << ": " << error;
    std::string base = root + "/" + name;
    ASSERT_TRUE(exportPage(base + ".png", PageFormat::kPng, document, {}, &error))
        << name << ": " << error;
    ASSERT_TRUE(exportPage(base + ".svg", PageFormat::kSvg, document, {}, &error))
        << name << ": " << error;
    ASSERT_TRUE(exportPage(base + ".pdf", PageFormat::kPdf, document, {}, &error))
        << name << ": " << error;
    QImage image(QString::fromStdString(base + ".png"));
    EXPECT_GT(inkedPixels(image), 10000) << name;
    EXPECT_GT(readFile(base + ".svg").size(), 10000u) << name;
    EXPECT_GT(readFile(base + ".pdf").size(), 1000u) << name;
  }
  if (!anyPage) GTEST_SKIP() << "corpus folder absent";
}

}  // namespace
