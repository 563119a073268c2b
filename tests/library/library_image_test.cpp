#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "library/drw_writer.h"
#include "library/library_table.h"
#include "score/words.h"

namespace {

using Pairs = std::vector<std::pair<int, int>>;

Pairs pointsOf(const LibrarySymbol& symbol) {
  Pairs points;
  for (const Vector& v : symbol.vectors) points.emplace_back(v.x, v.y);
  return points;
}

Pairs drawListOf(const LibrarySymbol& symbol) {
  Pairs list;
  for (const DrawEntry& e : symbol.drawList) list.emplace_back(e.op, e.pointCount);
  return list;
}

std::string nameOf(const LibrarySymbol& symbol) { return std::string(symbol.name, 5); }

class LibraryImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& slot : libraryTable) slot.reset();
  }
  const LibrarySymbol& symbol(int number) {
    const LibrarySymbol* s = findLibrarySymbol(number);
    EXPECT_NE(s, nullptr) << "symbol " << number;
    static const LibrarySymbol empty;
    return s ? *s : empty;
  }
};

struct EntryCase {
  const char* name;
  std::vector<DrwEntry> entries;
  Pairs vectors;
  Pairs drawList;
};

TEST_F(LibraryImageTest, EntriesBecomeVectorsAndDrawEntries) {
  const EntryCase cases[] = {
      {"three-point polyline",
       {{0, 0, 1}, {10, 0, 0}, {10, 10, 0}},
       {{0, 0}, {10, 0}, {10, -10}},
       {{1, 3}}},
      {"two single-point entries", {{0, 0, 1}, {5, 5, 2}}, {{0, 0}, {5, -5}}, {{1, 1}, {2, 1}}},
      {"bezier run then polygon",
       {{1, 2, 1}, {3, 4, -1}, {5, 6, -1}, {7, 8, 2}, {9, 9, 0}},
       {{1, -2}, {3, -4}, {5, -6}, {7, -8}, {9, -9}},
       {{1, 1}, {-1, 1}, {-1, 1}, {2, 2}}},
      {"unknown opcode kept", {{0, 0, 7}, {1, 1, 0}}, {{0, 0}, {1, -1}}, {{7, 2}}},
      {"extreme coordinates",
       {{-32768, -32768, 3}, {32767, 32767, 0}},
       {{-32768, 32768}, {32767, -32767}},
       {{3, 2}}},
      // Nothing to extend: the entry starts an opcode-0 draw entry of its own,
      // so every vector still belongs to a draw entry.
      {"first entry opcode 0",
       {{3, 4, 0}, {5, 6, 0}, {7, 8, 1}},
       {{3, -4}, {5, -6}, {7, -8}},
       {{0, 2}, {1, 1}}},
  };
  for (const EntryCase& c : cases) {
    loadLibraryImage(2, drwImage({{"abc", c.entries}}));
    EXPECT_EQ(pointsOf(symbol(20)), c.vectors) << c.name;
    EXPECT_EQ(drawListOf(symbol(20)), c.drawList) << c.name;
  }
}

TEST_F(LibraryImageTest, SymbolsTakeTheirEntriesInOrder) {
  loadLibraryImage(
      4,
      drwImage(
          {{"one", {{1, 1, 1}}}, {"", {}}, {"three", {{2, 2, 1}, {3, 3, 0}}}, {"x", {{4, 4, 2}}}}));
  EXPECT_EQ(pointsOf(symbol(40)), (Pairs{{1, -1}}));
  EXPECT_TRUE(symbol(41).vectors.empty());
  EXPECT_TRUE(symbol(41).drawList.empty());
  EXPECT_EQ(pointsOf(symbol(42)), (Pairs{{2, -2}, {3, -3}}));
  EXPECT_EQ(pointsOf(symbol(43)), (Pairs{{4, -4}}));
  for (int k = 4; k < 10; ++k) EXPECT_TRUE(symbol(40 + k).vectors.empty()) << "position " << k;
  EXPECT_EQ(nameOf(symbol(40)), std::string("one\0\0", 5));
  EXPECT_EQ(nameOf(symbol(42)), "three");
}

TEST_F(LibraryImageTest, EntriesRunAcrossBlockBoundaries) {
  std::vector<DrwEntry> entries;
  for (int i = 0; i < 50; ++i) {
    entries.push_back(
        {static_cast<int16_t>(i), static_cast<int16_t>(-i), i % 5 == 0 ? int16_t{1} : int16_t{0}});
  }
  loadLibraryImage(0, drwImage({{"long", entries}}));
  ASSERT_EQ(symbol(0).vectors.size(), 50u);
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(symbol(0).vectors[i].x, i) << "entry " << i;
    EXPECT_EQ(symbol(0).vectors[i].y, i) << "entry " << i;
  }
  EXPECT_EQ(symbol(0).drawList.size(), 10u);
}

TEST_F(LibraryImageTest, FirstEndPositionCountsFromOne) {
  std::vector<DrwEntry> five(5, {1, 1, 1});
  loadLibraryImage(1, drwFile({10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, {}, drwStream(five)));
  EXPECT_EQ(symbol(10).vectors.size(), 3u);
  for (int k = 1; k < 10; ++k) EXPECT_TRUE(symbol(10 + k).vectors.empty()) << "position " << k;
}

TEST_F(LibraryImageTest, NamesStopAtTheFirstNul) {
  std::vector<uint8_t> image = drwImage({{"abcde", {}}, {"ab", {}}});
  image[24 + 5 + 3] = 'x';  // after the NUL that ends "ab"
  loadLibraryImage(3, image);
  EXPECT_EQ(nameOf(symbol(30)), "abcde");
  EXPECT_EQ(nameOf(symbol(31)), std::string("ab\0\0\0", 5));
}

struct StreamCase {
  const char* name;
  size_t fileSize;
  size_t dataBytes;
};

TEST_F(LibraryImageTest, DataStreamSkipsTwoBytesPerBlock) {
  const StreamCase cases[] = {
      {"one full block", 76 + 130, 128},
      {"short last block", 76 + 50, 48},
      {"two full blocks", 76 + 260, 256},
      {"full block and a short one", 76 + 130 + 10, 136},
      {"block with one filler byte", 76 + 129, 128},
      {"last block of exactly 128 bytes", 76 + 130 + 128, 254},
      {"only filler", 76 + 2, 0},
      {"one byte", 76 + 1, 0},
      {"header only", 76, 0},
      {"shorter than the header", 40, 0},
      {"empty", 0, 0},
  };
  for (const StreamCase& c : cases) {
    // Data bytes count 0, 1, 2, ...; fillers are kDrwFiller: bytes 128 and 129
    // of a block, and the final two of a last block too short to hold 128.
    std::vector<uint8_t> image(c.fileSize, 0);
    uint8_t next = 0;
    for (size_t p = 76; p < c.fileSize; ++p) {
      size_t inBlock = (p - 76) % 130;
      size_t blockLength = std::min<size_t>(130, c.fileSize - (p - inBlock));
      bool filler = inBlock >= 128 || (blockLength <= 128 && inBlock + 2 >= blockLength);
      image[p] = filler ? kDrwFiller : static_cast<uint8_t>(next++ % 200);
    }
    std::vector<uint8_t> stream = libraryDataStream(image);
    ASSERT_EQ(stream.size(), c.dataBytes) << c.name;
    for (size_t i = 0; i < stream.size(); ++i) {
      ASSERT_EQ(stream[i], i % 200) << c.name << ": byte " << i;
    }
  }
}

TEST_F(LibraryImageTest, ShortLastBlockHoldsEightEntries) {
  std::vector<uint8_t> image = drwFile({32767}, {"big"}, std::vector<uint8_t>(48, 0));
  ASSERT_EQ(image.size(), 76u + 50u);
  loadLibraryImage(5, image);
  EXPECT_EQ(symbol(50).vectors.size(), 8u);
}

struct HostileCase {
  const char* name;
  std::vector<int16_t> ends;
  size_t entriesInStream;
  std::vector<size_t> counts;  // entries of symbols 0..9
};

TEST_F(LibraryImageTest, EndPositionsNeverReachOutsideTheStream) {
  const HostileCase cases[] = {
      {"end beyond the stream", {32767, 32767}, 8, {8, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"every end beyond",
       {31, 61, 91, 121, 151, 181, 211, 241, 271, 301},
       25,
       {10, 10, 5, 0, 0, 0, 0, 0, 0, 0}},
      {"most negative end", {-32768, -32768, 4}, 3, {0, 0, 3, 0, 0, 0, 0, 0, 0, 0}},
      {"falling end",
       {31, 1, 31, 31, 31, 31, 31, 31, 31, 31},
       20,
       {10, 0, 10, 0, 0, 0, 0, 0, 0, 0}},
      {"odd spacing truncates",
       {9, 13, 15, 17, 19, 22, 22, 22, 22, 22},
       10,
       {2, 1, 0, 0, 0, 1, 0, 0, 0, 0}},
      {"no data at all",
       {32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767},
       0,
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const HostileCase& c : cases) {
    std::vector<DrwEntry> entries(c.entriesInStream, {1, 2, 1});
    loadLibraryImage(6, drwFile(c.ends, {}, drwStream(entries)));
    for (int k = 0; k < 10; ++k) {
      const LibrarySymbol& s = symbol(60 + k);
      EXPECT_EQ(s.vectors.size(), c.counts[k]) << c.name << ": symbol " << k;
      EXPECT_EQ(s.drawList.size(), c.counts[k]) << c.name << ": symbol " << k;
    }
  }
}

TEST_F(LibraryImageTest, TruncatedHeaderGivesEmptySymbols) {
  std::vector<uint8_t> full = drwImage({{"abcde", {{1, 1, 1}}}, {"fghij", {{2, 2, 1}}}});
  for (size_t size : {size_t{0}, size_t{5}, size_t{23}, size_t{30}, size_t{75}}) {
    loadLibraryImage(7, std::vector<uint8_t>(full.begin(), full.begin() + size));
    for (int k = 0; k < 10; ++k) {
      EXPECT_TRUE(symbol(70 + k).vectors.empty()) << "size " << size << ", symbol " << k;
    }
  }
  // The name bytes present survive: 24..29 hold "abcde" and the "f" of "fghij".
  loadLibraryImage(7, std::vector<uint8_t>(full.begin(), full.begin() + 30));
  EXPECT_EQ(nameOf(symbol(70)), "abcde");
  EXPECT_EQ(nameOf(symbol(71)), std::string("f\0\0\0\0", 5));
}

TEST_F(LibraryImageTest, LibraryNumbersOutsideTheTableChangeNothing) {
  std::vector<uint8_t> image = drwImage({{"abc", {{1, 1, 1}}}});
  for (int library : {-1, 20, 1000}) loadLibraryImage(library, image);
  for (int n = 0; n < kSymbolCount; ++n) EXPECT_EQ(libraryTable[n], nullptr) << "slot " << n;
}

TEST_F(LibraryImageTest, SymbolLookupByNumber) {
  loadLibraryImage(19, drwImage({{"first", {}}}));
  EXPECT_EQ(findLibrarySymbol(190), libraryTable[190].get());
  EXPECT_EQ(nameOf(*findLibrarySymbol(190)), "first");
  EXPECT_EQ(findLibrarySymbol(189), nullptr);
  EXPECT_EQ(findLibrarySymbol(-1), nullptr);
  EXPECT_EQ(findLibrarySymbol(200), nullptr);
}

TEST(LibraryFileName, RunsFromLibraToLibrt) {
  EXPECT_EQ(libraryFileName(0), "libra.drw");
  EXPECT_EQ(libraryFileName(2), "librc.drw");
  EXPECT_EQ(libraryFileName(19), "librt.drw");
}

}  // namespace
