#include "paint/svg_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "layout/layout.h"
#include "paint/painter.h"
#include "support/mus_bytes.h"

namespace {

int occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Symbol 11 a filled triangle, symbol 12 a polyline, the rest empty.
class SvgSurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    libraryTable[11] = std::make_unique<LibrarySymbol>();
    libraryTable[11]->vectors = {{0, 0}, {40, -80}, {80, 0}};
    libraryTable[11]->drawList = {{kBlackPolygon, 3}};
    libraryTable[12] = std::make_unique<LibrarySymbol>();
    libraryTable[12]->vectors = {{0, 0}, {10, 10}};
    libraryTable[12]->drawList = {{kPolyline, 2}};
  }
  void TearDown() override {
    for (auto& slot : libraryTable) slot.reset();
  }

  Document document;
};

TEST_F(SvgSurfaceTest, PageInInchesWithAViewBoxInPixels) {
  SvgSurface surface(document, 20400, 26400, 2400, {});
  std::string svg = surface.svg();
  EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
  EXPECT_TRUE(contains(svg, "width=\"8.5in\" height=\"11in\" viewBox=\"0 0 20400 26400\""));
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

TEST_F(SvgSurfaceTest, EachItemIsAGroupWithItsKindAndStaff) {
  loadItems(document, {{8, 2}, {1, 1, 10, 5, 10}, {17, 3}, {5, 1}});
  SvgSurface surface(document, 100, 100, 2400, {});
  surface.beginItem(1);
  surface.moveTo(0, 5);
  surface.lineTo(50, 5);
  surface.endItem();
  surface.beginItem(3);
  surface.endItem();
  surface.beginItem(2);
  surface.drawText({"Nimbus Roman", FontStyle::kBoldItalic, 40, 10, 20, 90, "a<b & \"c\""});
  // An item still open when the document is asked for is closed.
  std::string svg = surface.svg();
  EXPECT_TRUE(contains(svg, "<g id=\"item-1\" class=\"staff\" data-staff=\"2\"><path"));
  EXPECT_TRUE(contains(svg, "<g id=\"item-3\" class=\"key-sig\" data-staff=\"3\"/>"))
      << "an item that draws nothing is an empty group";
  EXPECT_TRUE(contains(svg,
                       "<g id=\"item-2\" class=\"note\" data-staff=\"1\"><text x=\"10\" y=\"20\" "
                       "font-family=\"Nimbus Roman\" font-weight=\"bold\" font-style=\"italic\" "
                       "font-size=\"40\" transform=\"rotate(90 10 20)\" xml:space=\"preserve\">"
                       "a&lt;b &amp; &quot;c&quot;</text>\n</g>"))
      << svg;
  EXPECT_FALSE(contains(svg, "item-4")) << "item 4 was not drawn";
  EXPECT_EQ(occurrences(svg, "<g "), occurrences(svg, "</g>") + 1);
}

TEST_F(SvgSurfaceTest, TextKeepsOnlyCharactersXmlAllows) {
  SvgSurface surface(document, 100, 100, 2400, {});
  surface.drawText({"Times", FontStyle::kRoman, 10, 0, 0, 0, "\xc3\xa9\x01\xff\xe2\x82|x"});
  std::string svg = surface.svg();
  EXPECT_TRUE(contains(svg, ">\xc3\xa9|x</text>")) << svg;
}

TEST_F(SvgSurfaceTest, SymbolsAreDefinedOnceAndUsed) {
  SvgSurface surface(document, 1000, 1000, 2400, {});
  Component placed(*libraryTable[11]);
  for (int x : {100, 300, 500}) {
    // The component's own points are left out: the definition stands for them.
    surface.beginSymbol({11, 0.5f, x >= 300, x, 200});
    drawSymbol(surface, placed);
    surface.endSymbol();
  }
  std::string svg = surface.svg();
  EXPECT_EQ(occurrences(svg, "<g id=\"s11\">"), 1);
  EXPECT_TRUE(
      contains(svg, "<g id=\"s11\">\n<path d=\"M0 0l40 -80l40 80z\" fill-rule=\"evenodd\"/>"))
      << svg;
  EXPECT_TRUE(
      contains(svg, "<use id=\"u0\" xlink:href=\"#s11\" transform=\"matrix(0.5 0 0 0.5 0 0)\"/>"));
  EXPECT_TRUE(
      contains(svg, "<use id=\"u1\" xlink:href=\"#s11\" transform=\"matrix(0.5 0 0 -0.5 0 0)\"/>"));
  EXPECT_TRUE(contains(svg, "<use xlink:href=\"#u0\" x=\"100\" y=\"200\"/>"));
  EXPECT_TRUE(contains(svg, "<use xlink:href=\"#u1\" x=\"300\" y=\"200\"/>"));
  EXPECT_TRUE(contains(svg, "<use xlink:href=\"#u1\" x=\"500\" y=\"200\"/>"));
  EXPECT_EQ(occurrences(svg, "<use id="), 2) << "one definition per size";
  EXPECT_EQ(occurrences(svg, "<path"), 1);
}

TEST_F(SvgSurfaceTest, StrokedSymbolsAndUnknownOnesAreDrawnByTheirCalls) {
  SvgSurface surface(document, 1000, 1000, 2400, {});
  Component stroked(*libraryTable[12]);
  for (int symbol : {12, -1, 150}) {
    surface.beginSymbol({symbol, 1.0f, false, 0, 0});
    drawSymbol(surface, stroked);
    surface.endSymbol();
  }
  std::string svg = surface.svg();
  EXPECT_FALSE(contains(svg, "<use"));
  EXPECT_EQ(occurrences(svg, "M0 0l10 10"), 3) << svg;
}

TEST_F(SvgSurfaceTest, PenLinesAtTheirPrintedWeights) {
  SvgSurface surface(document, 1000, 1000, 2400, {16, 24, 16});
  surface.moveTo(0, 10);
  surface.lineTo(100, 10);
  surface.moveTo(0, 30);
  surface.lineTo(100, 30);
  surface.selectPenWeight(PenWeight::kLedgerLine);
  surface.moveTo(0, 50);
  surface.lineTo(100, 50);
  surface.selectPenWeight(PenWeight::kLine);
  surface.selectWidePen(60);
  surface.beginPath();
  surface.moveTo(5, 0);
  surface.lineTo(5, 90);
  surface.endPath();
  surface.strokePath();
  surface.restorePen();
  std::string svg = surface.svg();
  EXPECT_TRUE(contains(svg, ".l0{fill:none;stroke:currentColor;stroke-width:16}"));
  EXPECT_TRUE(contains(svg, ".l1{fill:none;stroke:currentColor;stroke-width:24}"));
  EXPECT_TRUE(contains(svg, ".l2{fill:none;stroke:currentColor;stroke-width:76}"))
      << "the wide pen and SCORE's outline of the heavy bar";
  EXPECT_TRUE(contains(svg, "<path class=\"l0\" d=\"M0 10l100 0M0 30l100 0\"/>"))
      << "lines of one pen are one path";
  EXPECT_TRUE(contains(svg, "<path class=\"l1\" d=\"M0 50l100 0\"/>"));
  EXPECT_TRUE(contains(svg, "<path d=\"M5 0l0 90\" class=\"l2\"/>")) << svg;
}

TEST_F(SvgSurfaceTest, OnePixelPenWhereTheWeightsAreNotWider) {
  SvgSurface surface(document, 100, 100, 96, {});
  surface.moveTo(0, 10);
  surface.lineTo(50, 10);
  EXPECT_TRUE(contains(surface.svg(), "stroke-width:1}"));
}

TEST_F(SvgSurfaceTest, PathsKeepTheirRulesDashesAndOrigin) {
  SvgSurface surface(document, 1000, 1000, 2400, {});
  surface.setViewportOrigin(10, 20);
  SurfacePath path;
  path.moveTo(0.4, 0.6);
  path.cubicTo(10, 0, 20, 10, 30.2, 10);
  path.close();
  surface.drawPath(path, PathFill::kEvenOdd, {});
  surface.drawPath(path, PathFill::kNone, {3, {6, 2}});
  surface.drawPath(path, PathFill::kNone, {});  // neither filled nor stroked
  std::string svg = surface.svg();
  EXPECT_TRUE(contains(svg, "<path d=\"M10 21c10 -1 20 9 30 9z\" fill-rule=\"evenodd\"/>")) << svg;
  EXPECT_TRUE(contains(svg, "class=\"l0\" stroke-dasharray=\"6 2\"/>"));
  EXPECT_EQ(occurrences(svg, "<path"), 2);
}

TEST_F(SvgSurfaceTest, HostileValuesDrawNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  SvgSurface surface(document, 100, 100, 2400, {nan, inf, -inf});
  SurfacePath path;
  path.moveTo(nan, 0);
  path.lineTo(1e300, 5);
  surface.drawPath(path, PathFill::kNonZero, {inf, {nan, -1}});
  surface.drawText({"Times", FontStyle::kRoman, nan, 0, 0, 0, "x"});
  surface.beginSymbol({11, std::numeric_limits<float>::infinity(), false, 0, 0});
  surface.polygon(nullptr, 5);
  surface.endSymbol();
  surface.selectWidePen(2147483647);
  surface.moveTo(-2147483647 - 1, 0);
  surface.lineTo(2147483647, 0);
  std::string svg = surface.svg();
  EXPECT_FALSE(contains(svg, "nan"));
  EXPECT_FALSE(contains(svg, "inf"));
  EXPECT_FALSE(contains(svg, "<text"));
  EXPECT_FALSE(contains(svg, "<use"));
  EXPECT_TRUE(contains(svg, "M-2147483648 0l4294967295 0"));
}

}  // namespace
