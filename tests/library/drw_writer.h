// Builds .drw library file images in memory for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DrwEntry {
  int16_t x;
  int16_t y;  // upward positive, as in the file
  int16_t op;
};

struct DrwSymbol {
  std::string name;  // up to 5 characters
  std::vector<DrwEntry> entries;
};

// Filler byte written wherever the format stores bytes that are not data, so a
// loader that takes them for data shows it.
constexpr uint8_t kDrwFiller = 0xEE;

// The entries as a data stream: 6 little-endian bytes each.
std::vector<uint8_t> drwStream(const std::vector<DrwEntry>& entries);

// A 76-byte header with the given end positions and names, then the stream
// cut into 130-byte blocks (128 data + 2 filler; last block data + 2 filler).
std::vector<uint8_t> drwFile(const std::vector<int16_t>& endPositions,
                             const std::vector<std::string>& names,
                             const std::vector<uint8_t>& stream);

// A well-formed library file of up to ten symbols (the rest empty): end
// positions e_k = e_k-1 + 3 * entries, starting from 1.
std::vector<uint8_t> drwImage(const std::vector<DrwSymbol>& symbols);
