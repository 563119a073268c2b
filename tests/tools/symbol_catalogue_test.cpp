// Reading the symbol catalogue: fields, placements and the lines it refuses.
#include "symbol_catalogue.h"

#include <gtest/gtest.h>

namespace {

TEST(SymbolCatalogue, ReadsEveryField) {
  std::vector<CatalogueEntry> entries;
  std::string error;
  ASSERT_TRUE(
      parseCatalogue("# heading\n\n"
                     "7 sharp accidentals.sharp 1 right-12 origin  # note\n"
                     "54 mp m+p 0.9:1.1 left+2.5 middle+65.33\n",
                     &entries, &error))
      << error;
  ASSERT_EQ(entries.size(), 2u);
  const CatalogueEntry& sharp = entries[0];
  EXPECT_EQ(sharp.number, 7);
  EXPECT_EQ(sharp.name, "sharp");
  EXPECT_EQ(sharp.glyphs, std::vector<std::string>{"accidentals.sharp"});
  EXPECT_EQ(sharp.scaleX, 1);
  EXPECT_EQ(sharp.scaleY, 1);
  EXPECT_EQ(sharp.x.anchor, Anchor::kHigh);
  EXPECT_EQ(sharp.x.offset, -12);
  EXPECT_EQ(sharp.y.anchor, Anchor::kOrigin);
  EXPECT_EQ(sharp.line, 3);
  const CatalogueEntry& mp = entries[1];
  EXPECT_EQ(mp.glyphs, (std::vector<std::string>{"m", "p"}));
  EXPECT_DOUBLE_EQ(mp.scaleX, 0.9);
  EXPECT_DOUBLE_EQ(mp.scaleY, 1.1);
  EXPECT_EQ(mp.x.anchor, Anchor::kLow);
  EXPECT_DOUBLE_EQ(mp.x.offset, 2.5);
  EXPECT_EQ(mp.y.anchor, Anchor::kCentre);
  EXPECT_DOUBLE_EQ(mp.y.offset, 65.33);
}

TEST(SymbolCatalogue, AnchorsOfBothAxes) {
  const struct {
    const char* x;
    const char* y;
    Anchor ax;
    Anchor ay;
  } rows[] = {
      {"left", "bottom", Anchor::kLow, Anchor::kLow},
      {"centre", "middle", Anchor::kCentre, Anchor::kCentre},
      {"right", "top", Anchor::kHigh, Anchor::kHigh},
      {"origin", "origin", Anchor::kOrigin, Anchor::kOrigin},
  };
  for (const auto& row : rows) {
    std::vector<CatalogueEntry> entries;
    std::string error;
    std::string line = std::string("1 a g 1 ") + row.x + " " + row.y;
    ASSERT_TRUE(parseCatalogue(line, &entries, &error)) << line << ": " << error;
    EXPECT_EQ(entries[0].x.anchor, row.ax) << line;
    EXPECT_EQ(entries[0].y.anchor, row.ay) << line;
  }
}

TEST(SymbolCatalogue, RefusesMalformedLines) {
  const struct {
    const char* name;
    const char* text;
    const char* message;
  } rows[] = {
      {"missing field", "1 a g 1 left", "line 1: expected six fields"},
      {"extra field", "1 a g 1 left top mirror", "line 1: expected six fields"},
      {"number too big", "200 a g 1 left top", "from 0 to 199"},
      {"negative number", "-1 a g 1 left top", "from 0 to 199"},
      {"fractional number", "1.5 a g 1 left top", "from 0 to 199"},
      {"long name", "1 sixsix g 1 left top", "longer than five"},
      {"empty glyph", "1 a g++h 1 left top", "empty glyph"},
      {"zero scale", "1 a g 0 left top", "scale"},
      {"bad scale", "1 a g 1:x left top", "scale"},
      {"y word on x", "1 a g 1 top top", "x placement"},
      {"x word on y", "1 a g 1 left right", "y placement"},
      {"bad offset", "1 a g 1 left+x top", "x placement"},
      {"repeated number", "1 a g 1 left top\n# gap\n1 b g 1 left top",
       "line 3: symbol 1 is already"},
  };
  for (const auto& row : rows) {
    std::vector<CatalogueEntry> entries;
    std::string error;
    EXPECT_FALSE(parseCatalogue(row.text, &entries, &error)) << row.name;
    EXPECT_NE(error.find(row.message), std::string::npos) << row.name << ": " << error;
  }
}

}  // namespace
