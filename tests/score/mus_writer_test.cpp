#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/words.h"
#include "score_fixture.h"
#include "support/mus_bytes.h"

namespace {

using Bytes = std::vector<uint8_t>;
class MusWriter : public ScoreTest {};

// 0.0, serial 19660, 3.0, 0.0, 5.0, -9999.0.
const Bytes kWrittenTrailer = {0, 0, 0, 0, 0xCC, 0x4C, 0,    0,    0,    0,    0x40, 0x40,
                               0, 0, 0, 0, 0,    0,    0xA0, 0x40, 0x00, 0x3C, 0x1C, 0xC6};

Bytes writtenBytes(const Document& document) {
  Bytes bytes;
  std::string error;
  EXPECT_TRUE(musFileBytes(document, &bytes, &error)) << error;
  return bytes;
}

}  // namespace

TEST_F(MusWriter, EmptyTableIs26Bytes) {
  EXPECT_EQ(writtenBytes(document), concatBytes({{6, 0}, kWrittenTrailer}));
}

TEST_F(MusWriter, OneItemFileHasTheExactBytes) {
  loadItems(document, {{8, 1, 0}});
  const Bytes expected =
      concatBytes({{0x0A, 0x00, 0, 0, 0x40, 0x40, 0, 0, 0, 0x41, 0, 0, 0x80, 0x3F, 0, 0, 0, 0},
                   kWrittenTrailer});
  Bytes written = writtenBytes(document);
  ASSERT_EQ(written, expected);

  std::string error;
  ASSERT_TRUE(readMusImage(written, document, &error)) << error;
  ASSERT_EQ(document.itemTable.itemCount, 1);
  EXPECT_EQ(itemWords(document, 1), floatBytes({8, 1, 0}));
  EXPECT_EQ(document.loadStatistics.serialNumber, 19660u);
  EXPECT_EQ(document.loadStatistics.scoreVersion, 3);
}

TEST_F(MusWriter, ZeroParameterItemIsJustItsCountWord) {
  loadItems(document, {{}});
  EXPECT_EQ(writtenBytes(document), concatBytes({{7, 0, 0, 0, 0, 0}, kWrittenTrailer}));
}

TEST_F(MusWriter, TextItemsAreCountedAndPadded) {
  struct Row {
    const char* name;
    Bytes item;      // count word + words as read
    Bytes expected;  // count word + words as written
  };
  const Bytes hello = textItemWords({16, 1, 10, 0, 0, 0, 0, 0, 0, 0, 0, 5, 7.5f}, "Hello");
  const Bytes empty = floatBytes({16, 1, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7.5f});
  Bytes helloNonSpacePadding = hello;
  helloNonSpacePadding.back() = 'x';
  const Bytes lengthTooLarge = concatBytes(
      {floatBytes({16, 1, 10, 0, 0, 0, 0, 0, 0, 0, 0, 99, 7.5f}), Bytes{'a', 'b', 'c', 'd'}});
  const Row rows[] = {
      {"L = 5", concatBytes({floatBytes({15}), hello}), concatBytes({floatBytes({15}), hello})},
      {"L = 0", concatBytes({floatBytes({13}), empty}), concatBytes({floatBytes({13}), empty})},
      {"padding becomes spaces", concatBytes({floatBytes({15}), helloNonSpacePadding}),
       concatBytes({floatBytes({15}), hello})},
      {"extra words after the text are dropped",
       concatBytes({floatBytes({17}), hello, floatBytes({1, 2})}),
       concatBytes({floatBytes({15}), hello})},
      {"length held to the item's words", concatBytes({floatBytes({14}), lengthTooLarge}),
       concatBytes({floatBytes({14}), lengthTooLarge})},
  };
  for (const Row& row : rows) {
    releaseItemTable(document.itemTable);
    loadImage(document, imageWithDataArea(row.item));
    ASSERT_EQ(document.itemTable.itemCount, 1) << row.name;
    Bytes header(2);
    writeUint16At(header.data(), static_cast<uint16_t>((row.expected.size() + 24) / 4));
    EXPECT_EQ(writtenBytes(document), concatBytes({header, row.expected, kWrittenTrailer}))
        << row.name;
  }
}

TEST_F(MusWriter, ItemWithMoreThan255ParametersKeepsAllOfThem) {
  ItemParams item(300, 2.5f);
  item[0] = 12;
  loadItems(document, {item});
  ASSERT_EQ(itemAt(document.itemTable, 1).paramCount, 300 & 0xFF);
  ASSERT_EQ(itemAt(document.itemTable, 1).paramWords, 300);
  Bytes before = itemWords(document, 1);
  std::string error;
  ASSERT_TRUE(readMusImage(writtenBytes(document), document, &error)) << error;
  EXPECT_EQ(itemAt(document.itemTable, 1).paramWords, 300);
  EXPECT_EQ(itemWords(document, 1), before);
}

TEST_F(MusWriter, RefusesMoreWordsThanTheHeaderHolds) {
  // Only a hostile file loads more than 65,535 words: a negative trailer count
  // stretches the data area over the whole file, trailer words included.
  ItemParams item(65529, 0.0f);
  item[0] = 13;
  Bytes image = musImage({item});
  writeUint16At(image.data(), 65535);
  writeFloatAt(image.data() + image.size() - 8, -1000.0f);
  loadImage(document, image);
  std::filesystem::path folder = scratchFolder("too-many-words");
  std::string error;
  EXPECT_FALSE(writeMusFile((folder / "out.mus").string(), document, &error));
  EXPECT_NE(error.find("65535"), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  std::filesystem::remove_all(folder);

  item.resize(65528);  // 65,529 item words + 6 trailer words fit exactly
  releaseItemTable(document.itemTable);
  loadItems(document, {item});
  EXPECT_EQ(readUint16At(writtenBytes(document).data()), 65535);
}

TEST_F(MusWriter, WritesThroughATemporaryFileAndReportsFailures) {
  std::filesystem::path folder = scratchFolder("write");
  const std::filesystem::path target = folder / "tempfile.mus";
  writeBytes(target, Bytes(100, 0xEE));
  loadItems(document, {{8, 1, 0}});
  std::string error;
  ASSERT_TRUE(writeMusFile(target.string(), document, &error)) << error;
  EXPECT_EQ(fileBytes(target), writtenBytes(document));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            1);

  const std::filesystem::path missingFolder = folder / "absent" / "tempfile.mus";
  EXPECT_FALSE(writeMusFile(missingFolder.string(), document, &error));
  EXPECT_NE(error.find(missingFolder.string()), std::string::npos) << error;

  // A folder in the way: the rename fails and the temporary file is removed.
  const std::filesystem::path blocked = folder / "blocked";
  std::filesystem::create_directories(blocked / "inside");
  EXPECT_FALSE(writeMusFile(blocked.string(), document, &error));
  EXPECT_NE(error.find(blocked.string()), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(folder / "blocked.part"));
  std::filesystem::remove_all(folder);
}
