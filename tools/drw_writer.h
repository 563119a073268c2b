// Writes symbol library files (.drw): a 76-byte header with ten end positions
// and ten five-character names, then the entry stream cut into 130-byte blocks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

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

using DrwLibrary = std::array<DrwSymbol, 10>;

// End positions are signed 16-bit word counts from 1, so a library holds at
// most this many entries in all.
constexpr int kMaxLibraryEntries = (32767 - 1) / 3;

// The file image of one library. Returns false with *error set when a name is
// longer than five characters or the entries do not fit the end positions.
bool buildLibraryImage(const DrwLibrary& library, std::vector<uint8_t>* image,
                       std::string* error);

// Writes an image to path; false with *error set when the file cannot be written.
bool writeLibraryFile(const std::string& path, const std::vector<uint8_t>& image,
                      std::string* error);
