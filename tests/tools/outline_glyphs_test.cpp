// The outline glyphs the build compiled in: read from the fonts as curves,
// written as C++ and read back unchanged.
#include "library/outline_glyphs.h"

#include <gtest/gtest.h>

#include <string>

#include "glyph_path.h"
#include "outline_source.h"

namespace {

// Points each verb takes, summed; false when a contour is left open.
bool wellFormed(const OutlineGlyph& glyph) {
  size_t points = 0;
  bool open = false;
  for (OutlineVerb verb : glyph.verbs) {
    switch (verb) {
      case OutlineVerb::kMove:
        if (open) return false;
        open = true;
        points += 1;
        break;
      case OutlineVerb::kLine: points += 1; break;
      case OutlineVerb::kCubic: points += 3; break;
      case OutlineVerb::kClose: open = false; break;
    }
  }
  return !open && points == glyph.points.size() && !glyph.verbs.empty();
}

TEST(OutlineGlyphs, AreTheFontsGlyphs) {
  std::string error;
  FontFile* font = openFont(MELIBRON_SYMBOL_FONT, &error);
  ASSERT_NE(font, nullptr) << error;
  GlyphPath path;
  ASSERT_TRUE(loadGlyphPath(*font, "scripts.arpeggio", &path, &error)) << error;
  closeFont(font);
  const OutlineGlyph& arpeggio = arpeggioGlyph();
  ASSERT_EQ(arpeggio.points.size(), path.points.size());
  for (size_t i = 0; i < path.points.size(); ++i) {
    EXPECT_EQ(arpeggio.points[i].x, static_cast<float>(path.points[i].x));
    EXPECT_EQ(arpeggio.points[i].y, static_cast<float>(path.points[i].y));
  }
  EXPECT_EQ(arpeggio.left, static_cast<float>(path.left));
  EXPECT_EQ(arpeggio.top, static_cast<float>(path.top));
  // The wiggle elements are one shape on its side: the arpeggio repeats
  // upward with the trill element's advance.
  const OutlineGlyph& trill = trillElementGlyph();
  EXPECT_FLOAT_EQ(arpeggio.top - arpeggio.bottom, trill.right - trill.left);
  EXPECT_GT(trillElementGlyph().advance, 0);
}

TEST(OutlineGlyphs, AllWellFormed) {
  EXPECT_TRUE(wellFormed(arpeggioGlyph()));
  EXPECT_TRUE(wellFormed(trillElementGlyph()));
  EXPECT_TRUE(wellFormed(bracketTipUpGlyph()));
  EXPECT_TRUE(wellFormed(bracketTipDownGlyph()));
  std::span<const OutlineGlyph> braces = braceGlyphs();
  ASSERT_GE(braces.size(), 10u);
  for (size_t i = 0; i < braces.size(); ++i) {
    EXPECT_TRUE(wellFormed(braces[i])) << i;
    if (i == 0) continue;
    const OutlineGlyph& a = braces[i - 1];
    const OutlineGlyph& b = braces[i];
    EXPECT_GT(b.top - b.bottom, a.top - a.bottom) << i;
    EXPECT_LT((b.right - b.left) / (b.top - b.bottom), (a.right - a.left) / (a.top - a.bottom))
        << i;
  }
}

TEST(OutlineSource, WritesFloatLiterals) {
  GlyphPath path;
  path.verbs = {GlyphVerb::kMove, GlyphVerb::kLine, GlyphVerb::kCubic, GlyphVerb::kClose};
  path.points = {{0, 0}, {75, -2.5}, {1, 2}, {3, 4}, {1e9, 0.1}};
  path.right = 75;
  std::string text = outlineDefinition("kTest", path);
  EXPECT_NE(text.find("OutlineVerb::kMove, OutlineVerb::kLine, OutlineVerb::kCubic, "
                      "OutlineVerb::kClose"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("{75.0f, -2.5f}"), std::string::npos) << text;
  EXPECT_NE(text.find("{1e+09f, 0.100000001f}"), std::string::npos) << text;
  EXPECT_NE(text.find("constexpr OutlineGlyph kTest{kTestVerbs, kTestPoints, "), std::string::npos)
      << text;
}

}  // namespace
