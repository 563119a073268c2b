#include "score/pmx_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "score/item_table.h"
#include "score_fixture.h"
#include "support/mus_bytes.h"

namespace {

class PmxExport : public ScoreTest {};

std::vector<uint8_t> textItem(const ItemParams& p1to13, const std::string& text) {
  std::vector<uint8_t> words = textItemWords(p1to13, text);
  return concatBytes({floatBytes({static_cast<float>(words.size() / 4)}), words});
}

}  // namespace

TEST_F(PmxExport, PlainItemLines) {
  struct Row {
    const char* name;
    ItemParams params;
    std::string line;
  };
  const Row rows[] = {
      {"note", {1, 1, 10.5f}, "1.000 1.000 10.500 \n"},
      {"no parameters", {}, "\n"},
      {"zero and negative", {4, 0, -2.5f}, "4.000 0.000 -2.500 \n"},
      {"rounding to three decimals", {1, 0.0005f, 2.0004f}, "1.000 0.001 2.000 \n"},
      {"P1 of 16.5 is not text", {16.5f, 1}, "16.500 1.000 \n"},
  };
  for (const Row& row : rows) {
    releaseItemTable(document.itemTable);
    loadItems(document, {row.params});
    EXPECT_EQ(pmxListing(document), row.line) << row.name;
  }
}

TEST_F(PmxExport, TextItemLines) {
  struct Row {
    const char* name;
    ItemParams head;
    std::string text;
    std::string lines;
  };
  const Row rows[] = {
      {"hello",
       {16, 1, 10, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0},
       "Hello",
       "t  1.     10.000 .000   .000   .000   .000   .000   .000   .000   .000   \nHello\n"},
      {"staff 0 and negatives",
       {16, 0, -2.5f, 1, 0, 0, 0, 0, 0, 0, -1.0125f, 2, 33},
       "ab",
       "t  0.     -2.500 1.000 .000   .000   .000   .000   .000   .000   -1.013 \nab\n"},
      {"empty text",
       {16, 7.9f, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       "",
       "t  7.     1.000 .000   .000   .000   .000   .000   .000   .000   .000   \n\n"},
      {"text ends at a NUL",
       {16, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0},
       std::string("ab\0cd", 5),
       "t  1.     1.000 .000   .000   .000   .000   .000   .000   .000   .000   \nab\n"},
  };
  for (const Row& row : rows) {
    releaseItemTable(document.itemTable);
    loadImage(document, imageWithDataArea(textItem(row.head, row.text)));
    EXPECT_EQ(pmxListing(document), row.lines) << row.name;
  }
}

TEST_F(PmxExport, ItemsFollowTableOrder) {
  loadItems(document, {{8, 1}, {14, 1, 0, 2}});
  EXPECT_EQ(pmxListing(document), "8.000 1.000 \n14.000 1.000 0.000 2.000 \n");
}

TEST_F(PmxExport, WritesTheListingOrNothing) {
  std::filesystem::path folder = scratchFolder("pmx");
  const std::filesystem::path target = folder / "tempfile.pmx";
  std::string error;
  ASSERT_TRUE(exportPmx(target.string(), document, &error)) << error;
  EXPECT_FALSE(std::filesystem::exists(target)) << "an empty table writes no file";

  loadItems(document, {{1, 1, 10.5f}});
  ASSERT_TRUE(exportPmx(target.string(), document, &error)) << error;
  const std::vector<uint8_t> bytes = fileBytes(target);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), pmxListing(document));

  const std::filesystem::path unwritable = folder / "no" / "tempfile.pmx";
  EXPECT_FALSE(exportPmx(unwritable.string(), document, &error));
  EXPECT_NE(error.find(unwritable.string()), std::string::npos) << error;
  std::filesystem::remove_all(folder);
}
