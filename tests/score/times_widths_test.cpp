#include "score/times_widths.h"

#include <gtest/gtest.h>

#include <string>

#include "score/document.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/score_text.h"
#include "support/mus_bytes.h"

namespace {

TEST(TimesWidthsTest, AdvancesByFace) {
  struct Row {
    const char* name;
    int font;
    std::string text;
    double ems;
  };
  const Row rows[] = {
      {"roman", kTimesRoman, "An", 0.722 + 0.5},
      {"bold", kTimesBold, "Wm", 1.0 + 0.833},
      {"italic", kTimesItalic, "dolce", 0.5 + 0.5 + 0.278 + 0.444 + 0.444},
      {"bold italic", kTimesBoldItalic, "AV", 0.667 + 0.667},
      {"accented as its letter", kTimesRoman, "é", 0.444},
      {"curly quote", kTimesRoman, "’", 0.333},
      {"other fonts read as roman", 17, "An", 0.722 + 0.5},
      {"no Times glyph", kTimesRoman, "\xe2\x82\xac", 0.5},
      {"broken UTF-8 byte by byte", kTimesRoman, "\xc3", 0.5},
      {"empty", kTimesRoman, "", 0},
  };
  for (const Row& row : rows) {
    EXPECT_NEAR(timesAdvance(row.font, row.text), row.ems, 1e-9) << row.name;
  }
}

// SCORE stores each string's advance in P13, in units: the Times widths
// times the em of its size, 578.58 / 150 units at size 1 (on the measured
// staff size). These widths give it back on every string of the corpus.
TEST(TimesWidthsTest, CorpusStringWidthsMatchP13) {
  constexpr double kUnitsPerEm = 578.581 / 150;
  const char* pages[] = {"brahms-op76n7-p1.mus", "chopin2801.mus", "chor005.mus"};
  int strings = 0;
  for (const char* page : pages) {
    std::string path = corpusPath(page);
    if (path.empty()) continue;
    Document document;
    std::string error;
    ASSERT_TRUE(readMusFile(path, document, &error)) << error;
    for (int i = 1; i <= document.itemTable.itemCount; ++i) {
      const ItemRecord& item = itemAt(document.itemTable, i);
      if (!isTextItem(item)) continue;
      double advance = 0;
      for (const TextSpan& span : decodeScoreText(textOfItem(item))) {
        advance += timesAdvance(span.fontCode, span.text);
      }
      double stored = param(item, 13);
      EXPECT_NEAR(advance * kUnitsPerEm * param(item, 6) / stored, 1.0, 0.002)
          << page << " item " << i << ": " << textOfItem(item);
      ++strings;
    }
  }
  if (strings == 0) GTEST_SKIP() << "corpus folder absent";
  EXPECT_EQ(strings, 15);
}

}  // namespace
