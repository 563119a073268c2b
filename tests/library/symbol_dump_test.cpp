#include <gtest/gtest.h>

#include <cstdio>

#include "library/drw_writer.h"
#include "library/library_table.h"

namespace {

std::string dumpOf(const LibrarySymbol& symbol) {
  FILE* file = std::tmpfile();
  EXPECT_NE(file, nullptr);
  if (!file) return {};
  dumpLibrarySymbol(file, symbol);
  std::string text;
  std::rewind(file);
  for (int c; (c = std::fgetc(file)) != EOF;) text.push_back(static_cast<char>(c));
  std::fclose(file);
  return text;
}

struct DumpCase {
  const char* name;
  DrwSymbol symbol;
  std::string text;
};

TEST(SymbolDump, WritesNameCountsDrawListAndVectors) {
  const DumpCase cases[] = {
      {"two vectors, one entry",
       {"abcde", {{0, 0, 1}, {10, 0, 0}}},
       "Item name: abcde\n"
       "No. of vectors = 2\n"
       "No. of drawlist entries = 1\n"
       "Draw list:-\n"
       "1: 1,2  \n"
       "Vectors:-\n"
       "1: 0 0 \n"
       "2: 10 0 \n"},
      {"empty symbol, short name",
       {"ab", {}},
       "Item name: ab\n"
       "No. of vectors = 0\n"
       "No. of drawlist entries = 0\n"
       "Draw list:-\n"
       "\n"
       "Vectors:-\n"},
      {"entries share one line, y inverted",
       {"z", {{3, 7, 2}, {-1, -2, -1}}},
       "Item name: z\n"
       "No. of vectors = 2\n"
       "No. of drawlist entries = 2\n"
       "Draw list:-\n"
       "1: 2,1  2: -1,1  \n"
       "Vectors:-\n"
       "1: 3 -7 \n"
       "2: -1 2 \n"},
  };
  for (const DumpCase& c : cases) {
    loadLibraryImage(0, drwImage({c.symbol}));
    ASSERT_NE(findLibrarySymbol(0), nullptr) << c.name;
    EXPECT_EQ(dumpOf(*findLibrarySymbol(0)), c.text) << c.name;
  }
}

TEST(SymbolDump, FiveCharacterNameStopsAtFive) {
  // The name has no terminator, and the bytes after it are not part of it.
  LibrarySymbol symbol;
  const char letters[] = "vwxyz";
  for (int i = 0; i < 5; ++i) symbol.name[i] = letters[i];
  EXPECT_EQ(dumpOf(symbol).substr(0, 17), "Item name: vwxyz\n");
}

}  // namespace
