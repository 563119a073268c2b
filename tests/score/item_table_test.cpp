#include "score/item_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "score_fixture.h"
#include "support/mus_bytes.h"

namespace {
class ItemTableTest : public ScoreTest {};
}  // namespace

TEST_F(ItemTableTest, AbsentParametersReadAsZeroOrFallback) {
  loadItems(document, {{1, 2, 30}});
  ItemRecord& item = itemAt(document.itemTable, 1);
  EXPECT_EQ(param(item, 3), 30.0f);
  EXPECT_EQ(param(item, 4), 0.0f);
  EXPECT_EQ(param(item, 0), 0.0f);
  EXPECT_EQ(paramOr(item, 4, 7.0f), 7.0f);
  EXPECT_EQ(paramOr(item, 2, 7.0f), 2.0f);
  setParam(item, 3, 31.5f);
  setParam(item, 4, 99.0f);  // absent: ignored, the next word stays intact
  EXPECT_EQ(param(item, 3), 31.5f);
  EXPECT_EQ(readFloatAt(item.params + 12), 0.0f);  // first trailer word
}

TEST_F(ItemTableTest, EightBitCountGovernsPresence) {
  ItemParams item(260, 4.0f);
  item[0] = 9;
  loadItems(document, {item});
  EXPECT_EQ(itemAt(document.itemTable, 1).paramCount, 4);
  EXPECT_EQ(param(itemAt(document.itemTable, 1), 4), 4.0f);
  EXPECT_EQ(param(itemAt(document.itemTable, 1), 5), 0.0f);
}

TEST_F(ItemTableTest, CodesAndText) {
  loadItems(document, {{16.5f, 1}, {16, 1}, {-3.7f}, {}});
  EXPECT_FALSE(isTextItem(itemAt(document.itemTable, 1)));
  EXPECT_EQ(itemCode(itemAt(document.itemTable, 1)), 16);
  EXPECT_TRUE(isTextItem(itemAt(document.itemTable, 2)));
  EXPECT_EQ(itemCode(itemAt(document.itemTable, 3)), -3);
  EXPECT_EQ(itemCode(itemAt(document.itemTable, 4)), 0);
}

TEST_F(ItemTableTest, TextIsCutToTheItemsWords) {
  struct Row {
    const char* name;
    float length;
    int extraWords;  // words after P13
    std::string expected;
  };
  const Row rows[] = {
      {"whole text", 5, 2, "Hello"},
      {"negative length", -4, 2, ""},
      {"length past the item", 100, 2, "Hello   "},
      {"no character words", 3, 0, ""},
      {"NaN length", std::nanf(""), 2, ""},
  };
  for (const Row& row : rows) {
    releaseItemTable(document.itemTable);
    ItemParams head = {16, 1, 10, 0, 0, 0, 0, 0, 0, 0, 0, row.length, 0};
    std::string characters = row.extraWords == 0 ? "" : "Hello";
    std::vector<uint8_t> words = textItemWords(head, characters);
    words.resize(4 * (13 + row.extraWords), ' ');
    loadImage(document,
              imageWithDataArea(concatBytes({floatBytes({13.0f + row.extraWords}), words})));
    EXPECT_EQ(itemAt(document.itemTable, 1).paramWords, 13 + row.extraWords) << row.name;
    EXPECT_EQ(textOfItem(itemAt(document.itemTable, 1)), row.expected) << row.name;
  }
}

TEST_F(ItemTableTest, NamesOfCodes) {
  EXPECT_STREQ(itemName(1), "NOTE");
  EXPECT_STREQ(itemName(9), "SYMBOL LIB");
  EXPECT_STREQ(itemName(13), "-");
  EXPECT_STREQ(itemName(0), "-");
  EXPECT_STREQ(itemName(19), "-");
  EXPECT_STREQ(itemTypeName(12), "circle  ");
  EXPECT_STREQ(itemTypeName(18), "time sig");
  EXPECT_STREQ(itemTypeName(-1), "unknown ");
  for (int code = 1; code <= kItemCodeCount; ++code) {
    EXPECT_EQ(std::string(itemTypeName(code)).size(), 8u) << code;
  }
}

// The File Info fields count the codes in order, each label numbered by its
// code; a row out of place would count one kind under another's name.
TEST_F(ItemTableTest, FileInfoLabelsNumberTheirCodes) {
  EXPECT_STREQ(itemKind(kMiscSymbolCode).fileInfoLabel, "9. Misc. symbols");
  EXPECT_STREQ(itemKind(kTimeSignatureCode).fileInfoLabel, "18. Time sigs.");
  for (int code = 1; code <= kItemCodeCount; ++code) {
    std::string label = itemKind(code).fileInfoLabel;
    EXPECT_EQ(label.substr(0, label.find(' ')), std::to_string(code) + ".") << label;
    EXPECT_EQ(itemKind(code).code, code);
  }
  EXPECT_FALSE(isKnownCode(0));
  EXPECT_FALSE(isKnownCode(kItemCodeCount + 1));
}

TEST_F(ItemTableTest, CountsByCodeIncludeDummiesOnly) {
  loadItems(document, {{1}, {13}, {13.9f}, {0}, {19}, {18.5f}, {-1}, {}});
  std::array<uint32_t, kItemCodeCount> expected{};
  expected[0] = 1;
  expected[12] = 2;
  expected[17] = 1;
  EXPECT_EQ(countItemsByCode(document.itemTable), expected);
}

TEST_F(ItemTableTest, ReleaseEmptiesTheTable) {
  loadItems(document, {{8, 1, 0}});
  releaseItemTable(document.itemTable);
  EXPECT_EQ(document.itemTable.itemCount, 0);
  EXPECT_TRUE(document.itemTable.fileImage.empty());
  EXPECT_EQ(countItemsByCode(document.itemTable), (std::array<uint32_t, kItemCodeCount>{}));
}
