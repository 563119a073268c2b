#include "score/score_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "score/number_text.h"

namespace {

struct SpanRow {
  const char* name;
  std::string raw;
  std::vector<TextSpan> expected;
};

bool sameSpans(const std::vector<TextSpan>& a, const std::vector<TextSpan>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].fontCode != b[i].fontCode || a[i].text != b[i].text) return false;
  }
  return true;
}

std::string describe(const std::vector<TextSpan>& spans) {
  std::string out;
  for (const TextSpan& span : spans)
    out += "[" + std::to_string(span.fontCode) + " " + span.text + "]";
  return out;
}

}  // namespace

TEST(ScoreTextTest, FontCodesSplitTheString) {
  const SpanRow rows[] = {
      {"roman", "_00BWV 267", {{kTimesRoman, "BWV 267"}}},
      {"bold digit after the code", "_015", {{kTimesBold, "5"}}},
      {"italic", "_02dolce", {{kTimesItalic, "dolce"}}},
      {"bold italic", "_03Fine", {{kTimesBoldItalic, "Fine"}}},
      {"no code is roman", "Lento", {{kTimesRoman, "Lento"}}},
      {"change inside", "_00Allegro _02con brio", {{0, "Allegro "}, {2, "con brio"}}},
      {"other font number kept", "_17abc", {{17, "abc"}}},
      {"code only", "_01", {}},
      {"codes only", "_00_01_02", {}},
      {"underscore without two digits", "_0a_", {{0, "_0a_"}}},
      {"empty", "", {}},
  };
  for (const SpanRow& row : rows) {
    std::vector<TextSpan> spans = decodeScoreText(row.raw);
    EXPECT_TRUE(sameSpans(spans, row.expected)) << row.name << ": " << describe(spans);
  }
}

TEST(ScoreTextTest, AccentPrefixesAndEncodedBytes) {
  struct Row {
    const char* name;
    std::string raw;
    std::string expected;
  };
  const Row rows[] = {
      {"dieresis", "Wasserfl%%ussen", "Wasserflüssen"},
      {"acute", "Fr<<ed<<eric", "Frédéric"},
      {"grave", ">>a la >>Eglise", "à la Èglise"},
      {"circumflex", "^^a^^e^^i^^o^^u^^O", "âêîôûÔ"},
      {"tilde", "Espa~~na ~~a~~o~~N", "España ãõÑ"},
      {"dieresis on every vowel", "%%a%%e%%i%%o%%y%%A%%U%%Y", "äëïöÿÄÜŸ"},
      {"acute on capitals", "<<A<<E<<I<<O<<U", "ÁÉÍÓÚ"},
      {"prefix before a letter it cannot accent", "%%x<<y~~e", "%%x<<y~~e"},
      {"prefix at the end", "ab%%", "ab%%"},
      {"escapes only", "%%%%<<<<>>", "%%%%<<<<>>"},
      {"single prefix character", "50% <e", "50% <e"},
      {"encoded low codes", std::string("\x18\x08\x1b\x1d\x06", 5), "üéš©−"},
      {"encoded capitals", "\x98\x88\x9d\x86", "ÜÉ™®"},
      {"encoded fractions", "\xf3\xf2\xf6", "½¼²"},
      {"curly quotes of the standard encoding", "don't `x'", "don’t ‘x’"},
      {"bytes without a character",
       "a\x7f\xc8\x1e"
       "b",
       "a\uFFFD\uFFFD\uFFFDb"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(joinedText(decodeScoreText(row.raw)), row.expected) << row.name;
  }
}

TEST(ScoreTextTest, FontNames) {
  EXPECT_EQ(fontName(kTimesRoman), "Times-Roman");
  EXPECT_EQ(fontName(kTimesBold), "Times-Bold");
  EXPECT_EQ(fontName(kTimesItalic), "Times-Italic");
  EXPECT_EQ(fontName(kTimesBoldItalic), "Times-BoldItalic");
  EXPECT_EQ(fontName(12), "font 12");
}

TEST(NumberTextTest, DigitsLettersAndNothing) {
  struct Row {
    float p5;
    const char* expected;
  };
  const Row rows[] = {
      {0, "0"},    {4, "4"},    {13.9f, "13"}, {999, "999"},        {1000, ""},
      {1001, "A"}, {1026, "Z"}, {1027, ""},    {1031, "a"},         {1056, "z"},
      {1057, ""},  {-1, ""},    {1e12f, ""},   {std::nanf(""), ""},
  };
  for (const Row& row : rows) EXPECT_EQ(numberText(row.p5), row.expected) << row.p5;
}

TEST(NumberTextTest, FontByP7) {
  EXPECT_EQ(numberFontCode(0), kTimesRoman);
  EXPECT_EQ(numberFontCode(1), kTimesItalic);
  EXPECT_EQ(numberFontCode(9701), kTimesBold);
  EXPECT_EQ(numberFontCode(9734), 34);
  EXPECT_EQ(numberFontCode(9735), kTimesRoman);
  EXPECT_EQ(numberFontCode(std::nanf("")), kTimesRoman);
}
