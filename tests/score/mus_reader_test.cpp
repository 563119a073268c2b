#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/pmx_export.h"
#include "score/words.h"
#include "score_fixture.h"
#include "support/mus_bytes.h"

namespace {

using Bytes = std::vector<uint8_t>;
class MusReader : public ScoreTest {};

const char kEndMarkMessage[] = "Final value in file scorfile.mus not -9999.0";

Bytes withWordCount(Bytes image, uint16_t n) {
  writeUint16At(image.data(), n);
  return image;
}

Bytes withFloatAt(Bytes image, long offsetFromEnd, float v) {
  writeFloatAt(image.data() + image.size() - offsetFromEnd, v);
  return image;
}

}  // namespace

TEST_F(MusReader, ReadsItemsAndStatistics) {
  loadImage(document, musImage({{8, 1, 0, 0, 0.75f, 200}, {}, {1, 1, 10.5f, 5, 20}}, -2, 1.0f));
  ASSERT_EQ(document.itemTable.itemCount, 3);
  EXPECT_EQ(itemAt(document.itemTable, 1).paramCount, 6);
  EXPECT_EQ(itemAt(document.itemTable, 2).paramCount, 0);
  EXPECT_EQ(param(itemAt(document.itemTable, 3), 3), 10.5f);
  // Parameters are read in place: P1 of item 1 is the word after its count word.
  EXPECT_EQ(itemAt(document.itemTable, 1).params, document.itemTable.fileImage.data() + 6);
  EXPECT_EQ(document.loadStatistics.fileSize,
            static_cast<int32_t>(document.itemTable.fileImage.size()));
  EXPECT_EQ(document.loadStatistics.serialNumber, 4294967294u);  // the raw integer, unsigned
  EXPECT_EQ(document.loadStatistics.scoreVersion, 3);
  EXPECT_EQ(document.loadStatistics.units, 1);
}

TEST_F(MusReader, UnitsAreTruncated) {
  loadImage(document, musImage({}, 1, 0.9f));
  EXPECT_EQ(document.loadStatistics.units, 0);
  loadImage(document, musImage({}, 1, -1.5f));
  EXPECT_EQ(document.loadStatistics.units, -1);
}

TEST_F(MusReader, EmptyDataAreaLoadsNoItems) {
  loadImage(document, musImage({}));
  EXPECT_EQ(document.itemTable.itemCount, 0);
  EXPECT_EQ(document.loadStatistics.fileSize, 26);
  EXPECT_EQ(countItemsByCode(document.itemTable), (std::array<uint32_t, kItemCodeCount>{}));
}

TEST_F(MusReader, EndMarkMustMatchEveryBit) {
  Bytes image = musImage({{8, 1, 0}});
  image[image.size() - 4] = 0x01;  // -9999.0 plus one unit in the last place
  std::string error;
  EXPECT_FALSE(readMusImage(image, document, &error));
  EXPECT_EQ(error, kEndMarkMessage);
}

// Files that break the layout without failing the two checks: nothing outside
// the buffer is read, and complete items before the damage are kept.
TEST_F(MusReader, HostileFiles) {
  struct Row {
    const char* name;
    Bytes image;
    bool loads;
    int items;
  };
  const Bytes one = musImage({{8, 1, 0}, {1, 1, 5}});
  const Bytes endMark = {0x00, 0x3C, 0x1C, 0xC6};
  const Row rows[] = {
      {"empty file", {}, false, 0},
      {"three bytes", {0x3C, 0x1C, 0xC6}, false, 0},
      {"end mark alone", endMark, true, 0},
      {"header and end mark", concatBytes({{9, 0}, endMark}), true, 0},
      {"21 bytes with junk", concatBytes({{200, 0}, Bytes(15, 0x41), endMark}), true, 0},
      {"word count beyond the file", withWordCount(one, 60000), true, 2},
      {"word count smaller than the items", withWordCount(one, 10), true, 1},
      {"huge trailer count", withFloatAt(one, 8, 1e9f), true, 0},
      {"negative trailer count", withFloatAt(one, 8, -3.0f), true, 5},
      {"negative count word",
       imageWithDataArea(concatBytes({floatBytes({2, 8, 1}), floatBytes({-3, 1, 1, 1})})), true, 1},
      {"huge count word",
       imageWithDataArea(concatBytes({floatBytes({2, 8, 1}), floatBytes({3e9f, 1})})), true, 1},
      {"item past the data area",
       imageWithDataArea(concatBytes({floatBytes({2, 8, 1}), floatBytes({10, 1, 1})})), true, 1},
      {"NaN count word is an empty item",
       imageWithDataArea(concatBytes({floatBytes({std::nanf("")}), floatBytes({1, 13})})), true, 2},
  };
  for (const Row& row : rows) {
    releaseItemTable(document.itemTable);
    std::string error;
    EXPECT_EQ(readMusImage(row.image, document, &error), row.loads) << row.name << ": " << error;
    EXPECT_EQ(document.itemTable.itemCount, row.items) << row.name;
    if (!row.loads) {
      EXPECT_EQ(error, kEndMarkMessage) << row.name;
    }
    for (int i = 1; i <= document.itemTable.itemCount; ++i) {
      const ItemRecord& item = itemAt(document.itemTable, i);
      const uint8_t* end =
          document.itemTable.fileImage.data() + document.itemTable.fileImage.size();
      EXPECT_LE(item.params + 4 * item.paramWords, end) << row.name << " item " << i;
    }
  }
}

TEST_F(MusReader, ShortFileReadsOnlyTrailerWordsItHas) {
  // Ten bytes: header, serial-less trailer of T and end mark.
  loadImage(document, concatBytes({{2, 0}, floatBytes({1, -9999})}));
  EXPECT_EQ(document.itemTable.itemCount, 0);
  EXPECT_EQ(document.loadStatistics.serialNumber, 0u);
  EXPECT_EQ(document.loadStatistics.scoreVersion, 0);
  EXPECT_EQ(document.loadStatistics.fileSize, 10);
}

TEST_F(MusReader, KeepsMoreThan2047Items) {
  std::vector<ItemParams> items(3000, ItemParams{13});
  items.back() = {8, 2, 0};
  loadItems(document, items);
  ASSERT_EQ(document.itemTable.itemCount, 3000);
  EXPECT_EQ(itemCode(itemAt(document.itemTable, 3000)), 8);
  EXPECT_EQ(countItemsByCode(document.itemTable)[12], 2999u);
}

TEST_F(MusReader, FailedReadLeavesTheTableAsItWas) {
  loadItems(document, {{8, 1, 0}, {3, 1, 1.5f}});
  const LoadStatistics before = document.loadStatistics;
  const uint8_t* params = itemAt(document.itemTable, 2).params;
  std::string error;
  Bytes broken = musImage({{1, 1, 1}});
  broken.back() = 0;
  EXPECT_FALSE(readMusImage(broken, document, &error));
  EXPECT_FALSE(readMusFile("/nonexistent/scorfile.mus", document, &error));
  EXPECT_EQ(error, "Unable to open file scorfile.mus");
  ASSERT_EQ(document.itemTable.itemCount, 2);
  EXPECT_EQ(itemAt(document.itemTable, 2).params, params);
  EXPECT_EQ(param(itemAt(document.itemTable, 2), 3), 1.5f);
  EXPECT_EQ(document.loadStatistics.fileSize, before.fileSize);
  EXPECT_EQ(document.loadStatistics.serialNumber, before.serialNumber);
}

TEST_F(MusReader, ReadsFilesAndRefusesWhatIsNotOne) {
  std::filesystem::path folder = scratchFolder("read");
  std::string error;
  writeBytes(folder / "page.mus", musImage({{8, 1, 0}}));
  ASSERT_TRUE(readMusFile((folder / "page.mus").string(), document, &error)) << error;
  EXPECT_EQ(document.itemTable.itemCount, 1);

  EXPECT_FALSE(readMusFile(folder.string(), document, &error));
  EXPECT_EQ(error, "Unable to open file scorfile.mus");

  // The size is checked before anything is read: the big file is sparse.
  const std::filesystem::path big = folder / "big.mus";
  writeBytes(big, {});
  std::filesystem::resize_file(big, kMaxMusFileSize + 1);
  EXPECT_FALSE(readMusFile(big.string(), document, &error));
  EXPECT_NE(error.find(std::to_string(kMaxMusFileSize)), std::string::npos) << error;
  EXPECT_EQ(document.itemTable.itemCount, 1);
  std::filesystem::remove_all(folder);
}

// Cut and damaged pages: whatever loads must stay inside its image, and the
// listing and the writer must cope with it (the sanitizer build checks the reads).
TEST_F(MusReader, CutAndDamagedPagesStayInsideTheirImage) {
  const Bytes page = imageWithDataArea(concatBytes(
      {floatBytes({3, 8, 1, 0}), floatBytes({15}),
       textItemWords({16, 1, 10, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0}, "Hello"), floatBytes({2, 14, 1})}));
  const Bytes endMark = floatBytes({-9999.0f});
  std::vector<Bytes> variants;
  for (size_t cut = 0; cut < page.size(); ++cut) {
    variants.push_back(concatBytes({Bytes(page.begin(), page.begin() + cut), endMark}));
  }
  for (size_t at = 0; at + 4 < page.size(); ++at) {
    for (uint8_t value : {0x00, 0x80, 0xFF}) {
      Bytes damaged = page;
      damaged[at] = value;
      variants.push_back(damaged);
    }
  }
  for (size_t v = 0; v < variants.size(); ++v) {
    releaseItemTable(document.itemTable);
    std::string error;
    ASSERT_TRUE(readMusImage(variants[v], document, &error)) << "variant " << v << ": " << error;
    const uint8_t* end = document.itemTable.fileImage.data() + document.itemTable.fileImage.size();
    for (int i = 1; i <= document.itemTable.itemCount; ++i) {
      EXPECT_LE(itemAt(document.itemTable, i).params + 4 * itemAt(document.itemTable, i).paramWords,
                end)
          << "variant " << v;
      EXPECT_LE(textOfItem(itemAt(document.itemTable, i)).size(),
                4u * itemAt(document.itemTable, i).paramWords)
          << "variant " << v;
    }
    pmxListing(document);
    Bytes written;
    EXPECT_TRUE(musFileBytes(document, &written, &error)) << "variant " << v << ": " << error;
  }
}
