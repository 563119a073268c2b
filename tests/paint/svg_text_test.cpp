// Text items in SVG pages: one text element per run, with its family,
// face, size and the decoded Unicode string, so that pages can be searched.
#include <gtest/gtest.h>

#include <string>

#include "paint/pen_widths.h"
#include "paint/svg_surface.h"
#include "paint_fixture.h"
#include "score/mus_file.h"

namespace {

// A text item with P2..P9 and its characters.
ItemParams textItem(ItemParams p2to9, const std::string& characters) {
  p2to9.insert(p2to9.begin(), 16);
  return textItemParams(p2to9, characters);
}

class SvgText : public PaintTest {
 protected:
  std::string svgOf(const std::vector<ItemParams>& items) {
    loadItems(document, items);
    view.drawingMode = DrawingMode::kComplete;
    SvgSurface surface(document, 816, 1056, 96, penWidths(view.viewState));
    paintScore(surface, document, view);
    return surface.svg();
  }
};

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(SvgText, TextItemsAreTextElements) {
  std::string svg = svgOf({{8, 1, 0, 0, 0.75f},
                           textItem({1, 10, 5, 1, 1}, "_02dolce"),
                           textItem({1, 50, 14, 1, 1.3767f}, "_00Fr<<ed<<eric Chopin"),
                           textItem({1, 90, 14, 1, 2.36f}, "_015"),
                           {10, 1, 0, 13, 13, 0, 1, 0, 0, 0, 0, 0, 0, 0, -1.8f}});
  EXPECT_TRUE(contains(svg,
                       "font-family=\"Nimbus Roman\" font-style=\"italic\" "
                       "font-size=\"13.9\" xml:space=\"preserve\">dolce</text>"))
      << svg;
  EXPECT_TRUE(contains(svg, "font-size=\"19.1\" xml:space=\"preserve\">Frédéric Chopin</text>"))
      << svg;
  EXPECT_TRUE(contains(svg,
                       "font-weight=\"bold\" font-size=\"32.8\" "
                       "xml:space=\"preserve\">5</text>"))
      << svg;
  EXPECT_TRUE(contains(svg, "<g id=\"item-5\" class=\"number\" data-staff=\"1\"><text "));
  EXPECT_TRUE(contains(svg, ">13</text>")) << svg;
}

TEST_F(SvgText, SpacingAndVerticalSize) {
  std::string svg = svgOf({{8, 1, 0, 0, 0.75f}, textItem({1, 10, 5, 2, 1, 2}, "_00ab")});
  // "ab" is 0.944 em wide; twice that at spacing 2 (at 96 pixels per
  // inch lengths keep a decimal).
  EXPECT_TRUE(contains(svg, "textLength=\"26.2\" lengthAdjust=\"spacing\"")) << svg;
  EXPECT_TRUE(contains(svg, "transform=\"translate(84 977.7) scale(1 2) translate(-84 -977.7)\""))
      << svg;
}

TEST_F(SvgText, CorpusTitleIsText) {
  std::string path = corpusPath("chor005.mus");
  if (path.empty()) GTEST_SKIP() << "corpus folder absent";
  std::string error;
  ASSERT_TRUE(readMusFile(path, document, &error)) << error;
  view.drawingMode = DrawingMode::kComplete;
  SvgSurface surface(document, 816, 1056, 96, penWidths(view.viewState));
  paintScore(surface, document, view);
  EXPECT_TRUE(contains(surface.svg(), ">An Wasserflüssen Babylon</text>"));
  EXPECT_TRUE(contains(surface.svg(), ">BWV 267</text>"));
}

}  // namespace
