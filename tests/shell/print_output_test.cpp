// Pages for print: SCORE's line weights at high resolutions, PDF and SVG at
// the print resolution, and the SVG document parsed back.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <filesystem>
#include <set>
#include <string>

#include "library/library_table.h"
#include "score/mus_file.h"
#include "shell/page_painting.h"
#include "shell/support/cli_run.h"
#include "shell/support/fake_libraries.h"
#include "support/mus_bytes.h"

namespace {

QImage renderPage(const Document& document, const PageOptions& options) {
  View view;
  layoutPage(document, view, options);
  QImage image(qtPageSize(options), QImage::Format_RGB32);
  QPainter painter(&image);
  paintPage(painter, document, view, image.size(), options.antialias);
  return image;
}

// The length of the run of ink through (x, y), down the column or along the row.
int inkRun(const QImage& image, int x, int y, bool down) {
  auto ink = [&](int u, int v) {
    return u >= 0 && v >= 0 && u < image.width() && v < image.height() &&
           qGray(image.pixel(u, v)) < 128;
  };
  if (!ink(x, y)) return 0;
  int low = 0, high = 0;
  while (down ? ink(x, y - low - 1) : ink(x - low - 1, y)) ++low;
  while (down ? ink(x, y + high + 1) : ink(x + high + 1, y)) ++high;
  return low + high + 1;
}

TEST(PrintOutput, VectorFormatsAreDrawnAtThePrintResolution) {
  PageOptions options{96, 2.0, true, DrawingMode::kBasic};
  for (PageFormat format : {PageFormat::kSvg, PageFormat::kPdf}) {
    PageOptions drawn = drawingOptions(format, options);
    EXPECT_EQ(drawn.pixelsPerInch, kPrintPixelsPerInch);
    EXPECT_DOUBLE_EQ(drawn.zoom, 2.0);
    EXPECT_EQ(drawn.drawingMode, DrawingMode::kBasic);
  }
  for (PageFormat format : {PageFormat::kPng, PageFormat::kOps}) {
    EXPECT_EQ(drawingOptions(format, options).pixelsPerInch, 96) << "--dpi keeps its meaning";
  }
}

// The basic drawing's pens at 600 pixels per inch: staff lines and stems at
// 0.48 pt (4 pixels), ledger lines at 0.72 pt (6), the final bar's wide pen
// with SCORE's outline; at 96 the one-pixel pen as ever. Aliased, a stroke
// takes a pixel more or less by where its edges fall.
TEST(PrintOutput, PensAtScoresWeights) {
  Document document;
  // A staff, a note with a stem and two ledger lines above, a final bar.
  loadItems(document, {{8, 1}, {1, 1, 50, 14, 10}, {14, 1, 150, 0, 2}});
  struct Case {
    int pixelsPerInch;
    int line, ledger, wideBar;
  };
  for (const Case& c : {Case{600, 4, 6, 26}, Case{96, 1, 1, 3}}) {
    PageOptions options{c.pixelsPerInch, 1.0, false, DrawingMode::kBasic};
    QImage image = renderPage(document, options);
    View view;
    layoutPage(document, view, options);
    int x = toWindowX(view, 100 * view.viewState.hUnit);
    int bottom = toWindowY(view, 0);
    EXPECT_NEAR(inkRun(image, x, bottom, true), c.line, c.line / 4)
        << c.pixelsPerInch << " ppi: staff line";
    int ledger = toWindowY(view, 10 * view.viewState.stepUnit);
    int xLedger = toWindowX(view, 49.5 * view.viewState.hUnit);  // left of the head
    EXPECT_NEAR(inkRun(image, xLedger, ledger, true), c.ledger, c.ledger / 6)
        << c.pixelsPerInch << " ppi: ledger line";
    int xBar = toWindowX(view, 149.5 * view.viewState.hUnit);
    int middle = toWindowY(view, 3 * view.viewState.stepUnit);
    EXPECT_NEAR(inkRun(image, xBar, middle, false), c.wideBar, 1) << c.pixelsPerInch << " ppi: bar";
  }
}

// Every element of the SVG parsed: the document is well-formed, each item
// of the page is one group, each <use> names a definition.
struct SvgSummary {
  bool wellFormed = false;
  std::set<std::string> itemGroups;
  std::set<std::string> definitions;
  std::set<std::string> used;
  QString viewBox, width;
};

SvgSummary readSvg(const std::string& path) {
  QFile file(QString::fromStdString(path));
  SvgSummary summary;
  if (!file.open(QIODevice::ReadOnly)) return summary;
  QXmlStreamReader reader(&file);
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    QXmlStreamAttributes attributes = reader.attributes();
    std::string id = attributes.value("id").toString().toStdString();
    if (reader.name() == u"svg") {
      summary.viewBox = attributes.value("viewBox").toString();
      summary.width = attributes.value("width").toString();
    } else if (reader.name() == u"g" && id.rfind("item-", 0) == 0) {
      EXPECT_TRUE(summary.itemGroups.insert(id).second) << id << " twice";
      EXPECT_FALSE(attributes.value("class").isEmpty()) << id;
      EXPECT_FALSE(attributes.value("data-staff").isEmpty()) << id;
    } else if (!id.empty()) {
      summary.definitions.insert(id);
    } else if (reader.name() == u"use") {
      summary.used.insert(
          attributes.value("http://www.w3.org/1999/xlink", "href").toString().mid(1).toStdString());
    }
  }
  summary.wellFormed = !reader.hasError();
  EXPECT_FALSE(reader.hasError()) << path << ": " << reader.errorString().toStdString();
  return summary;
}

TEST(PrintOutput, CorpusSvgIsValidWithAGroupPerItem) {
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
    std::string svg = root + "/" + name + ".svg";
    ASSERT_TRUE(exportPage(svg, PageFormat::kSvg, document, {}, &error)) << name << ": " << error;
    SvgSummary summary = readSvg(svg);
    EXPECT_TRUE(summary.wellFormed) << name;
    EXPECT_EQ(summary.viewBox, "0 0 20400 26400") << name;
    EXPECT_EQ(summary.width, "8.5in") << name;
    EXPECT_EQ(summary.itemGroups.size(), static_cast<size_t>(document.itemTable.itemCount)) << name;
    EXPECT_FALSE(summary.used.empty()) << name;
    for (const std::string& id : summary.used) {
      EXPECT_TRUE(summary.definitions.count(id)) << name << ": #" << id << " is not defined";
    }
    if (std::string(name) == "chopin2801.mus") {
      // The page took 430 KB as Qt's SVG, every glyph written out in full.
      EXPECT_LT(readFile(svg).size(), 250000u);
    }
  }
  if (!anyPage) GTEST_SKIP() << "corpus folder absent";
}

}  // namespace
