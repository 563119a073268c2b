// Building a library symbol from font glyphs: scale, anchors and offsets put
// the outline exactly where the catalogue line says.
#include "symbol_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

struct Extent {
  int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
};

Extent extentOf(const DrwSymbol& s) {
  Extent e;
  for (const DrwEntry& d : s.entries) {
    e.minX = std::min<int>(e.minX, d.x);
    e.maxX = std::max<int>(e.maxX, d.x);
    e.minY = std::min<int>(e.minY, d.y);
    e.maxY = std::max<int>(e.maxY, d.y);
  }
  return e;
}

class SymbolBuilder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    font = openFont(MELIBRON_SYMBOL_FONT, &error);
    ASSERT_NE(font, nullptr) << error;
    staffSpace = unitsPerEm(*font) / 4.0;
  }
  void TearDown() override { closeFont(font); }

  DrwSymbol build(std::vector<std::string> glyphs, double scale, Placement x, Placement y) {
    CatalogueEntry entry;
    entry.name = "test";
    entry.glyphs = std::move(glyphs);
    entry.scaleX = entry.scaleY = scale;
    entry.x = x;
    entry.y = y;
    DrwSymbol symbol;
    std::string error;
    EXPECT_TRUE(buildSymbol(*font, staffSpace, entry, &symbol, &error)) << error;
    return symbol;
  }

  FontFile* font = nullptr;
  double staffSpace = 0;
};

TEST_F(SymbolBuilder, AnchorsPutTheOutlineWhereTheLineSays) {
  const struct {
    const char* name;
    Placement x, y;
    int Extent::*field;
    int expected;
  } rows[] = {
      {"left edge", {Anchor::kLow, 5}, {}, &Extent::minX, 5},
      {"right edge", {Anchor::kHigh, -10}, {}, &Extent::maxX, -10},
      {"bottom edge", {}, {Anchor::kLow, 3}, &Extent::minY, 3},
      {"top edge", {}, {Anchor::kHigh, -7}, &Extent::maxY, -7},
      // The black head's own origin is its left edge on its middle.
      {"font origin", {Anchor::kOrigin, 0}, {}, &Extent::minX, 0},
  };
  for (const auto& row : rows) {
    DrwSymbol s = build({"noteheads.s2"}, 1, row.x, row.y);
    EXPECT_EQ(extentOf(s).*row.field, row.expected) << row.name;
  }
  Extent centred = extentOf(build({"noteheads.s2"}, 1, {Anchor::kCentre, 0}, {Anchor::kCentre, 9}));
  EXPECT_NEAR(centred.minX + centred.maxX, 0, 1);
  EXPECT_NEAR(centred.minY + centred.maxY, 18, 1);
}

TEST_F(SymbolBuilder, ScaleIsStaffSpacesOfFiftySixUnits) {
  // The black head is 272 font units high, 1.088 staff spaces of 250.
  Extent one = extentOf(build({"noteheads.s2"}, 1, {}, {}));
  Extent two = extentOf(build({"noteheads.s2"}, 2, {}, {}));
  EXPECT_NEAR(one.maxY - one.minY, 272 * 56 / 250.0, 1);
  EXPECT_NEAR(two.maxY - two.minY, 2 * 272 * 56 / 250.0, 1);
}

TEST_F(SymbolBuilder, GlyphsStandSideBySideByTheirAdvance) {
  Extent p = extentOf(build({"p"}, 1, {}, {}));
  Extent pp = extentOf(build({"p", "p"}, 1, {}, {}));
  // p advances 364 font units.
  EXPECT_NEAR(pp.maxX - p.maxX, 364 * 56 / 250.0, 1);
  EXPECT_EQ(pp.minY, p.minY);
}

TEST_F(SymbolBuilder, EachPieceIsOneBlackPolygon) {
  // The half head is one piece with a hole: a single polygon. The bass clef
  // has three pieces: the body and two dots.
  const struct {
    const char* glyph;
    int polygons;
  } rows[] = {{"noteheads.s1", 1}, {"clefs.F", 3}, {"accidentals.sharp", 1}};
  for (const auto& row : rows) {
    DrwSymbol s = build({row.glyph}, 1, {}, {});
    ASSERT_FALSE(s.entries.empty()) << row.glyph;
    EXPECT_EQ(s.entries[0].op, 2) << row.glyph;
    long starts = std::count_if(s.entries.begin(), s.entries.end(),
                                [](const DrwEntry& e) { return e.op != 0; });
    EXPECT_EQ(starts, row.polygons) << row.glyph;
    for (const DrwEntry& e : s.entries) EXPECT_TRUE(e.op == 0 || e.op == 2) << row.glyph;
  }
}

TEST_F(SymbolBuilder, MissingGlyphIsNamed) {
  CatalogueEntry entry;
  entry.glyphs = {"noteheads.s2", "no.such.glyph"};
  DrwSymbol symbol;
  std::string error;
  EXPECT_FALSE(buildSymbol(*font, staffSpace, entry, &symbol, &error));
  EXPECT_NE(error.find("no.such.glyph"), std::string::npos) << error;
}

TEST_F(SymbolBuilder, PointsOutsideSixteenBitsAreRefused) {
  CatalogueEntry entry;
  entry.number = 3;
  entry.glyphs = {"clefs.G"};
  entry.scaleX = entry.scaleY = 200;
  DrwSymbol symbol;
  std::string error;
  EXPECT_FALSE(buildSymbol(*font, staffSpace, entry, &symbol, &error));
  EXPECT_NE(error.find("symbol 3"), std::string::npos) << error;
}

}  // namespace
