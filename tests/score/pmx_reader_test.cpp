#include "score/pmx_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/pmx_export.h"
#include "score_fixture.h"
#include "support/mus_bytes.h"

namespace {

using Bytes = std::vector<uint8_t>;
class PmxReader : public ScoreTest {};

Bytes textItem(const ItemParams& p1to13, const std::string& text) {
  Bytes words = textItemWords(p1to13, text);
  return concatBytes({floatBytes({static_cast<float>(words.size() / 4)}), words});
}

ItemParams textHead(float length) {
  return {16, 2, 10.5f, -4, 1, 1.25f, 0, 0, 0, 0, -1.125f, length, 0};
}

Bytes writtenImage(const Document& document) {
  Bytes bytes;
  std::string error;
  EXPECT_TRUE(musFileBytes(document, &bytes, &error)) << error;
  return bytes;
}

}  // namespace

// Values with at most three decimals survive our listing exactly, so the page
// built from the listing is the page our writer writes, byte for byte.
TEST_F(PmxReader, OurListingReadsBackAsTheSamePage) {
  const Bytes plain = floatBytes({3, 1, 10.25f, -2.5f, 0, 0.125f});
  Bytes dataArea = concatBytes({floatBytes({6}), plain});
  for (const std::string& text :
       {std::string(), std::string("a"), std::string("abcd"), std::string("_00Hello")}) {
    dataArea = concatBytes({dataArea, textItem(textHead(static_cast<float>(text.size())), text)});
  }
  dataArea = concatBytes({dataArea, floatBytes({2, 14, 1})});
  loadImage(document, imageWithDataArea(dataArea));
  ASSERT_EQ(document.itemTable.itemCount, 6);
  const Bytes expected = writtenImage(document);
  const std::string listing = pmxListing(document);

  std::string error;
  Bytes image;
  ASSERT_TRUE(pmxFileImage(listing, &image, &error)) << error;
  EXPECT_EQ(image, expected);
  ASSERT_TRUE(readPmxText(listing, document, &error)) << error;
  EXPECT_EQ(document.itemTable.itemCount, 6);
  EXPECT_EQ(textOfItem(itemAt(document.itemTable, 5)), "_00Hello");
  EXPECT_EQ(itemAt(document.itemTable, 2).paramWords, 13);
  EXPECT_EQ(itemAt(document.itemTable, 5).paramWords, 15);
}

TEST_F(PmxReader, AcceptsScoresNumberFormsAndLineEnds) {
  struct Row {
    const char* name;
    std::string listing;
    std::vector<ItemParams> items;
  };
  const Row rows[] = {
      {"SCORE's columns with CR LF",
       "8.  1.0    .000      .00      .75   200.00\r\n1.  1.0  13.114     5.00    20.00      .00  "
       "    .5000    -1.50\r\n",
       {{8, 1, 0, 0, 0.75f, 200}, {1, 1, 13.114f, 5, 20, 0, 0.5f, -1.5f}}},
      {"plain numbers, no final line end",
       "9 1 10 -11 70\n2 1 23.474 0 1 0 0.5",
       {{9, 1, 10, -11, 70}, {2, 1, 23.474f, 0, 1, 0, 0.5f}}},
      {"leading minus points", "5. 1.0 -.7500 -0.004\n", {{5, 1, -0.75f, -0.004f}}},
      {"exponents and tabs", "1e1\t2.5E-1  -3e+0\n", {{10, 0.25f, -3}}},
      {"blank lines skipped", "\n4 1\r\n   \n\t\n6 2\n\n", {{4, 1}, {6, 2}}},
      {"empty listing", "", {}},
  };
  for (const Row& row : rows) {
    std::string error;
    ASSERT_TRUE(readPmxText(row.listing, document, &error)) << row.name << ": " << error;
    ASSERT_EQ(document.itemTable.itemCount, static_cast<int>(row.items.size())) << row.name;
    for (size_t i = 0; i < row.items.size(); ++i) {
      const ItemRecord& item = itemAt(document.itemTable, static_cast<int>(i) + 1);
      ASSERT_EQ(item.paramWords, static_cast<int>(row.items[i].size()))
          << row.name << " item " << i + 1;
      for (size_t k = 0; k < row.items[i].size(); ++k) {
        EXPECT_EQ(param(item, static_cast<int>(k) + 1), row.items[i][k])
            << row.name << " item " << i + 1 << " P" << k + 1;
      }
    }
  }
}

TEST_F(PmxReader, TextLinesInBothOfScoresForms) {
  const std::string listing =
      "t  4.  126.353   -4.000     1.000    1.000     .000     .000     .000     .000   -2.000\r\n"
      "_02dolce\r\n"
      "t 11 108.5 -6 1 1 0 0 0 0 0 10 9.865\n"
      "  spaced  \xe9t\xe9 \n"
      "t\n"
      "\n";
  std::string error;
  ASSERT_TRUE(readPmxText(listing, document, &error)) << error;
  ASSERT_EQ(document.itemTable.itemCount, 3);
  EXPECT_EQ(textOfItem(itemAt(document.itemTable, 1)), "_02dolce");
  EXPECT_EQ(param(itemAt(document.itemTable, 1), 11), -2.0f);
  EXPECT_EQ(param(itemAt(document.itemTable, 1), 12), 8.0f);
  EXPECT_EQ(param(itemAt(document.itemTable, 1), 13), 0.0f);
  EXPECT_EQ(itemAt(document.itemTable, 1).paramWords, 15);
  // The character count comes from the characters, not from the listed P12.
  EXPECT_EQ(textOfItem(itemAt(document.itemTable, 2)), "  spaced  \xe9t\xe9 ");
  EXPECT_EQ(param(itemAt(document.itemTable, 2), 12), 14.0f);
  EXPECT_EQ(param(itemAt(document.itemTable, 2), 13), 9.865f);
  EXPECT_EQ(itemAt(document.itemTable, 2).paramWords, 17);
  EXPECT_TRUE(isTextItem(itemAt(document.itemTable, 3)));
  EXPECT_EQ(itemAt(document.itemTable, 3).paramWords, 13);
  EXPECT_EQ(textOfItem(itemAt(document.itemTable, 3)), "");
}

TEST_F(PmxReader, MalformedListingsLoadNothing) {
  struct Row {
    const char* name;
    std::string listing;
    std::string message;
  };
  std::string tooLong = "13";
  for (int k = 0; k < 65530; ++k) tooLong += " 0";
  const Row rows[] = {
      {"two points", "8 1\n\n1 1 1.2.3\n", "line 3: not a number: 1.2.3"},
      {"word", "1 1 x\n", "line 1: not a number: x"},
      {"lone minus", "1 -\n", "line 1: not a number: -"},
      {"lone point", ". 1\n", "line 1: not a number: ."},
      {"plus sign", "+1\n", "line 1: not a number: +1"},
      {"comma decimal", "1,5\n", "line 1: not a number: 1,5"},
      {"beyond single precision", "1 1e39\n", "line 1: number out of range: 1e39"},
      {"beyond double precision", "1 1e999\n", "line 1: number out of range: 1e999"},
      {"t glued to a number", "t4. 1\nabc\n", "line 1: not a number: t4."},
      {"text line missing", "8 1\nt 1 2\n", "line 2: text item without its line of characters"},
      {"text line with thirteen numbers", "t 1 2 3 4 5 6 7 8 9 10 11 12 13\nabc\n",
       "line 1: too many numbers for a text item"},
      {"more words than a page holds", tooLong + "\n",
       "line 1: more words than a SCORE file can hold (65535)"},
  };
  loadItems(document, {{8, 1, 0}});
  for (const Row& row : rows) {
    std::string error;
    EXPECT_FALSE(readPmxText(row.listing, document, &error)) << row.name;
    EXPECT_EQ(error, row.message) << row.name;
    ASSERT_EQ(document.itemTable.itemCount, 1) << row.name;
    EXPECT_EQ(itemCode(itemAt(document.itemTable, 1)), 8) << row.name;
  }
}

TEST_F(PmxReader, ReadsListingFiles) {
  std::filesystem::path folder = scratchFolder("pmx-read");
  const std::filesystem::path path = folder / "page.pmx";
  std::string error;
  EXPECT_FALSE(readPmxFile(path.string(), document, &error));
  EXPECT_EQ(error, "Unable to open file " + path.string());
  EXPECT_FALSE(readPmxFile(folder.string(), document, &error));
  EXPECT_EQ(error, "Unable to open file " + folder.string());

  const std::string listing = "8 1 0 0 1 200\r\nt 1 20 12\r\nTitle\r\n";
  writeBytes(path, Bytes(listing.begin(), listing.end()));
  ASSERT_TRUE(readPmxFile(path.string(), document, &error)) << error;
  ASSERT_EQ(document.itemTable.itemCount, 2);
  EXPECT_EQ(textOfItem(itemAt(document.itemTable, 2)), "Title");
  std::filesystem::remove_all(folder);
}

// printf writes infinities and NaNs as words; they come back as such.
TEST_F(PmxReader, InfinitiesAndNaNsOfOurListingComeBack) {
  const float inf = std::numeric_limits<float>::infinity();
  loadItems(document, {{1, inf, -inf, std::nanf(""), -std::nanf("")}});
  std::string error;
  ASSERT_TRUE(readPmxText(pmxListing(document), document, &error)) << error;
  const ItemRecord& item = itemAt(document.itemTable, 1);
  ASSERT_EQ(item.paramWords, 5);
  EXPECT_EQ(param(item, 2), inf);
  EXPECT_EQ(param(item, 3), -inf);
  EXPECT_TRUE(std::isnan(param(item, 4)));
  EXPECT_TRUE(std::isnan(param(item, 5)));
}
