// The symbol library file (.drw), as the loader reads it and the writers of
// tools/ and tests/ write it: a 76-byte header with ten signed 16-bit end
// positions and ten five-character names, then the entry stream cut into
// 130-byte blocks of 128 data bytes and 2 that are not data (the last block
// holds what is left of the stream, then its 2).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr size_t kDrwHeaderSize = 76;
constexpr size_t kDrwEndPositionsAt = 4;
constexpr size_t kDrwNamesAt = 24;
constexpr size_t kDrwNameLength = 5;
constexpr size_t kDrwBlockSize = 130;
constexpr size_t kDrwBlockData = 128;
constexpr size_t kDrwBlockFiller = kDrwBlockSize - kDrwBlockData;
constexpr size_t kDrwSymbolsPerFile = 10;
// An entry is x, y (upward) and opcode: three little-endian 16-bit words.
constexpr size_t kDrwEntrySize = 6;
constexpr int kDrwWordsPerEntry = 3;
// End positions count 16-bit words from 1, so the one before symbol 0 is 1.
constexpr int kDrwFirstEndPosition = 1;
// End positions are signed 16-bit, so a library holds at most this many
// entries in all.
constexpr int kMaxLibraryEntries = (32767 - kDrwFirstEndPosition) / kDrwWordsPerEntry;

// One entry of the stream: a point (y upward) and its draw opcode; a non-zero
// opcode starts a draw entry, 0 extends the current one.
struct DrwEntry {
  int16_t x;
  int16_t y;
  int16_t op;
};

struct DrwSymbol {
  std::string name;  // at most five characters; shorter names end in NULs
  std::vector<DrwEntry> entries;
};

using DrwLibrary = std::array<DrwSymbol, kDrwSymbolsPerFile>;
