// The library writer and the program's reader agree on every layout of the
// stream: empty symbols, streams ending on and between block boundaries.
#include "drw_writer.h"

#include <gtest/gtest.h>

#include <cstring>

#include "library/library_table.h"

namespace {

constexpr int kLibrary = 3;  // any library slot; the tests fill 30..39

DrwSymbol symbolWith(const std::string& name, int entries, int16_t seed) {
  DrwSymbol symbol{name, {}};
  for (int i = 0; i < entries; ++i) {
    int16_t op = i % 5 == 0 ? 2 : 0;
    symbol.entries.push_back(
        {static_cast<int16_t>(seed + i), static_cast<int16_t>(-seed - 3 * i), op});
  }
  return symbol;
}

std::vector<uint8_t> imageOf(const DrwLibrary& library) {
  std::vector<uint8_t> image;
  std::string error;
  EXPECT_TRUE(buildLibraryImage(library, &image, &error)) << error;
  return image;
}

// Every symbol read back holds the written points (y inverted) and draw
// entries split where the opcodes say.
void expectReadBack(const DrwLibrary& library, const std::string& row) {
  loadLibraryImage(kLibrary, imageOf(library));
  for (int k = 0; k < 10; ++k) {
    const LibrarySymbol* read = findLibrarySymbol(10 * kLibrary + k);
    ASSERT_NE(read, nullptr) << row << " symbol " << k;
    const DrwSymbol& written = library[k];
    EXPECT_EQ(std::string(read->name, strnlen(read->name, 5)), written.name)
        << row << " symbol " << k;
    ASSERT_EQ(read->vectors.size(), written.entries.size()) << row << " symbol " << k;
    size_t starts = 0;
    for (size_t i = 0; i < written.entries.size(); ++i) {
      EXPECT_EQ(read->vectors[i].x, written.entries[i].x)
          << row << " symbol " << k << " point " << i;
      EXPECT_EQ(read->vectors[i].y, -written.entries[i].y)
          << row << " symbol " << k << " point " << i;
      if (written.entries[i].op != 0) ++starts;
    }
    EXPECT_EQ(read->drawList.size(), starts) << row << " symbol " << k;
  }
}

struct StreamCase {
  const char* name;
  std::vector<int> counts;  // entries of symbols 0..9
  size_t imageSize;
};

TEST(DrwWriter, ReaderGetsBackWhatWasWritten) {
  const StreamCase cases[] = {
      // 64 entries are 384 bytes: exactly three blocks, each with its filler.
      {"ends on a block boundary", {20, 0, 44, 0, 0, 0, 0, 0, 0, 0}, 76 + 3 * 130},
      // 10 entries are 60 bytes: one short block of 60 data bytes and 2 filler.
      {"ends mid-block", {3, 7, 0, 0, 0, 0, 0, 0, 0, 0}, 76 + 60 + 2},
      {"one entry past a boundary", {65, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 76 + 3 * 130 + 6 + 2},
      {"only empty symbols", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 76},
      {"empty symbols between full ones", {0, 5, 0, 0, 9, 0, 1, 0, 0, 4}, 76 + 114 + 2},
  };
  for (const StreamCase& c : cases) {
    DrwLibrary library;
    for (int k = 0; k < 10; ++k) {
      library[k] = symbolWith(k % 2 ? "abcde" : "ab", c.counts[k], static_cast<int16_t>(100 * k));
    }
    EXPECT_EQ(imageOf(library).size(), c.imageSize) << c.name;
    expectReadBack(library, c.name);
  }
}

TEST(DrwWriter, EndPositionsCountWordsFromOne) {
  DrwLibrary library;
  library[0] = symbolWith("a", 3, 0);
  library[2] = symbolWith("c", 1, 0);
  std::vector<uint8_t> image = imageOf(library);
  const int expected[10] = {10, 10, 13, 13, 13, 13, 13, 13, 13, 13};
  for (int k = 0; k < 10; ++k) {
    int end = image[4 + 2 * k] | image[5 + 2 * k] << 8;
    EXPECT_EQ(end, expected[k]) << "symbol " << k;
  }
}

TEST(DrwWriter, ThreeEntryPolylineReadsAsOneDrawEntry) {
  DrwLibrary library;
  library[0] = {"line", {{0, 0, 1}, {10, 0, 0}, {10, 10, 0}}};
  loadLibraryImage(kLibrary, imageOf(library));
  const LibrarySymbol* read = findLibrarySymbol(10 * kLibrary);
  ASSERT_NE(read, nullptr);
  ASSERT_EQ(read->vectors.size(), 3u);
  EXPECT_EQ(read->vectors[2].x, 10);
  EXPECT_EQ(read->vectors[2].y, -10);
  ASSERT_EQ(read->drawList.size(), 1u);
  EXPECT_EQ(read->drawList[0].op, 1);
  EXPECT_EQ(read->drawList[0].pointCount, 3);
}

TEST(DrwWriter, ExtremeCoordinatesSurvive) {
  DrwLibrary library;
  library[4] = {"edge", {{-32768, 32767, 2}, {32767, -32767, 0}, {0, -1, -1}}};
  expectReadBack(library, "extreme coordinates");
}

TEST(DrwWriter, FullestLibraryFitsAndOneMoreEntryDoesNot) {
  DrwLibrary library;
  library[0] = symbolWith("big", kMaxLibraryEntries - 1, 0);
  library[9] = symbolWith("last", 1, 0);
  expectReadBack(library, "fullest library");
  std::vector<uint8_t> image = imageOf(library);
  EXPECT_EQ(image[4 + 18] | image[5 + 18] << 8, 32767);

  library[9].entries.push_back({0, 0, 0});
  std::string error;
  EXPECT_FALSE(buildLibraryImage(library, &image, &error));
  EXPECT_NE(error.find("symbol 9"), std::string::npos) << error;
}

TEST(DrwWriter, RefusesNamesLongerThanFive) {
  DrwLibrary library;
  library[1].name = "toolong";
  std::vector<uint8_t> image;
  std::string error;
  EXPECT_FALSE(buildLibraryImage(library, &image, &error));
  EXPECT_NE(error.find("toolong"), std::string::npos) << error;
}

}  // namespace
