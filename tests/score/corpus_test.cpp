// Checks against real SCORE pages and SCORE's own listings of them; skipped
// when the corpus folder is absent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "listing_tokens.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/pmx_export.h"
#include "score/pmx_reader.h"
#include "score/words.h"
#include "score_fixture.h"
#include "support/mus_bytes.h"

namespace {

const char* const kPages[] = {"chor005", "chopin2801", "brahms-op76n7-p1"};

std::string fileText(const std::string& path) {
  std::vector<uint8_t> bytes = fileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

class Corpus : public ScoreTest {
 protected:
  // Loads page.mus; false (with the test skipped) when the corpus is absent.
  bool loadPage(const std::string& page) {
    std::string path = corpusPath(page + ".mus");
    if (path.empty()) return false;
    std::string error;
    EXPECT_TRUE(readMusFile(path, document, &error)) << page << ": " << error;
    return true;
  }
};

}  // namespace

TEST_F(Corpus, EveryPageLoadsWithScoresItemCount) {
  for (const char* page : kPages) {
    if (!loadPage(page)) GTEST_SKIP() << "corpus absent";
    std::vector<ListedItem> listed = listedItems(fileText(corpusPath(std::string(page) + ".pmx")));
    EXPECT_EQ(document.itemTable.itemCount, static_cast<int>(listed.size())) << page;
    EXPECT_EQ(document.loadStatistics.scoreVersion, 3) << page;
    EXPECT_EQ(document.loadStatistics.units, 0) << page;
  }
}

TEST_F(Corpus, WritingAndReadingBackKeepsEveryItemBitForBit) {
  for (const char* page : kPages) {
    if (!loadPage(page)) GTEST_SKIP() << "corpus absent";
    std::vector<std::vector<uint8_t>> before;
    for (int i = 1; i <= document.itemTable.itemCount; ++i)
      before.push_back(itemWords(document, i));
    std::vector<uint8_t> written;
    std::string error;
    ASSERT_TRUE(musFileBytes(document, &written, &error)) << page << ": " << error;
    ASSERT_TRUE(readMusImage(written, document, &error)) << page << ": " << error;
    ASSERT_EQ(document.itemTable.itemCount, static_cast<int>(before.size())) << page;
    for (int i = 1; i <= document.itemTable.itemCount; ++i) {
      EXPECT_EQ(itemWords(document, i), before[i - 1]) << page << " item " << i;
    }
  }
}

// Our listing and SCORE's print the same floats, each to its own precision;
// SCORE leaves out trailing zero parameters, and lists text items without
// P12/P13 (or with them, in its later format).
TEST_F(Corpus, ListingMatchesScoresToItsPrintedPrecision) {
  for (const char* page : kPages) {
    if (!loadPage(page)) GTEST_SKIP() << "corpus absent";
    std::vector<ListedItem> theirs = listedItems(fileText(corpusPath(std::string(page) + ".pmx")));
    std::vector<ListedItem> ours = listedItems(pmxListing(document));
    ASSERT_EQ(ours.size(), theirs.size()) << page;
    for (size_t i = 0; i < ours.size(); ++i) {
      const std::string where = std::string(page) + " item " + std::to_string(i + 1);
      ASSERT_EQ(ours[i].text, theirs[i].text) << where;
      EXPECT_EQ(ours[i].characters, theirs[i].characters) << where;
      size_t compared = std::min(ours[i].numbers.size(), theirs[i].numbers.size());
      if (!ours[i].text) {
        EXPECT_LE(theirs[i].numbers.size(), ours[i].numbers.size()) << where;
      }
      for (size_t k = 0; k < compared; ++k) {
        double tolerance = printedTolerance(theirs[i].numbers[k]) + 0.0005;
        EXPECT_NEAR(std::stod(ours[i].numbers[k]), std::stod(theirs[i].numbers[k]), tolerance)
            << where << " number " << k + 1;
      }
      for (size_t k = theirs[i].numbers.size(); k < ours[i].numbers.size() && !ours[i].text; ++k) {
        EXPECT_EQ(std::stod(ours[i].numbers[k]), 0.0) << where << " unlisted number " << k + 1;
      }
    }
  }
}

namespace {

struct ItemSnapshot {
  std::vector<float> params;  // all of the item's words as floats
  std::string text;
};

std::vector<ItemSnapshot> snapshotItems(const Document& document) {
  std::vector<ItemSnapshot> items;
  for (int i = 1; i <= document.itemTable.itemCount; ++i) {
    const ItemRecord& item = itemAt(document.itemTable, i);
    ItemSnapshot snapshot;
    for (int k = 0; k < item.paramWords; ++k) {
      snapshot.params.push_back(readFloatAt(item.params + 4 * k));
    }
    if (isTextItem(item)) snapshot.text = textOfItem(item);
    items.push_back(snapshot);
  }
  return items;
}

}  // namespace

// SCORE's own listing, read back, gives the page's items to the precision the
// listing printed; text items keep their characters and their length.
TEST_F(Corpus, ScoresListingReadsBackAsItsPage) {
  for (const char* page : kPages) {
    if (!loadPage(page)) GTEST_SKIP() << "corpus absent";
    const std::vector<ItemSnapshot> original = snapshotItems(document);
    const std::string pmxPath = corpusPath(std::string(page) + ".pmx");
    const std::vector<ListedItem> listed = listedItems(fileText(pmxPath));
    std::string error;
    ASSERT_TRUE(readPmxFile(pmxPath, document, &error)) << page << ": " << error;
    const std::vector<ItemSnapshot> read = snapshotItems(document);
    ASSERT_EQ(read.size(), original.size()) << page;
    for (size_t i = 0; i < read.size(); ++i) {
      const std::string where = std::string(page) + " item " + std::to_string(i + 1);
      const size_t first = listed[i].text ? 1 : 0;  // a text line starts at P2
      const size_t compared = listed[i].text ? 10 : read[i].params.size();
      const size_t expectedWords =
          listed[i].text ? original[i].params.size() : listed[i].numbers.size();
      ASSERT_EQ(read[i].params.size(), expectedWords) << where;
      for (size_t k = first; k < first + compared && k < read[i].params.size(); ++k) {
        const float expected = k < original[i].params.size() ? original[i].params[k] : 0.0f;
        // The listed decimal is itself stored to single precision once more.
        const double tolerance =
            printedTolerance(listed[i].numbers[k - first]) + 2 * std::fabs(expected) * FLT_EPSILON;
        EXPECT_NEAR(read[i].params[k], expected, tolerance) << where << " P" << k + 1;
      }
      if (listed[i].text) {
        EXPECT_EQ(read[i].text, original[i].text) << where;
        EXPECT_EQ(read[i].params[kTextLengthParam - 1], original[i].params[kTextLengthParam - 1])
            << where;
      }
    }
  }
}
