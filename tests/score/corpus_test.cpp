// Checks against real SCORE pages and SCORE's own listings of them; skipped
// when the corpus folder is absent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/pmx_export.h"
#include "score_fixture.h"
#include "support/mus_bytes.h"

namespace {

const char* const kPages[] = {"chor005", "chopin2801", "brahms-op76n7-p1"};

// One item of a listing: its numbers as printed, and for text items the text.
struct ListedItem {
  bool text = false;
  std::vector<std::string> numbers;
  std::string characters;
};

std::vector<std::string> splitLines(const std::string& listing) {
  std::vector<std::string> lines;
  std::istringstream in(listing);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<ListedItem> listedItems(const std::string& listing) {
  std::vector<std::string> lines = splitLines(listing);
  std::vector<ListedItem> items;
  for (size_t i = 0; i < lines.size(); ++i) {
    ListedItem item;
    std::istringstream tokens(lines[i]);
    for (std::string token; tokens >> token;) item.numbers.push_back(token);
    if (!item.numbers.empty() && item.numbers[0] == "t") {
      item.text = true;
      item.numbers.erase(item.numbers.begin());
      if (i + 1 < lines.size()) item.characters = lines[++i];
    }
    items.push_back(item);
  }
  return items;
}

int decimalsOf(const std::string& token) {
  size_t point = token.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(token.size() - point - 1);
}

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
    EXPECT_TRUE(readMusFile(path, &error)) << page << ": " << error;
    return true;
  }
};

}  // namespace

TEST_F(Corpus, EveryPageLoadsWithScoresItemCount) {
  for (const char* page : kPages) {
    if (!loadPage(page)) GTEST_SKIP() << "corpus absent";
    std::vector<ListedItem> listed = listedItems(fileText(corpusPath(std::string(page) + ".pmx")));
    EXPECT_EQ(itemTable.itemCount, static_cast<int>(listed.size())) << page;
    EXPECT_EQ(loadStatistics.scoreVersion, 3) << page;
    EXPECT_EQ(loadStatistics.units, 0) << page;
  }
}

TEST_F(Corpus, WritingAndReadingBackKeepsEveryItemBitForBit) {
  for (const char* page : kPages) {
    if (!loadPage(page)) GTEST_SKIP() << "corpus absent";
    std::vector<std::vector<uint8_t>> before;
    for (int i = 1; i <= itemTable.itemCount; ++i) before.push_back(itemWords(i));
    std::vector<uint8_t> written;
    std::string error;
    ASSERT_TRUE(musFileBytes(&written, &error)) << page << ": " << error;
    ASSERT_TRUE(readMusImage(written, &error)) << page << ": " << error;
    ASSERT_EQ(itemTable.itemCount, static_cast<int>(before.size())) << page;
    for (int i = 1; i <= itemTable.itemCount; ++i) {
      EXPECT_EQ(itemWords(i), before[i - 1]) << page << " item " << i;
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
    std::vector<ListedItem> ours = listedItems(pmxListing());
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
        double tolerance = 0.5 * std::pow(10.0, -decimalsOf(theirs[i].numbers[k])) + 0.0005 + 1e-9;
        EXPECT_NEAR(std::stod(ours[i].numbers[k]), std::stod(theirs[i].numbers[k]), tolerance)
            << where << " number " << k + 1;
      }
      for (size_t k = theirs[i].numbers.size(); k < ours[i].numbers.size() && !ours[i].text; ++k) {
        EXPECT_EQ(std::stod(ours[i].numbers[k]), 0.0) << where << " unlisted number " << k + 1;
      }
    }
  }
}
