// Symbol libraries: twenty .drw files of ten symbols each, read at start-up
// into a table of 200 symbols (symbol number = 10 x library number + position).
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// A point; y grows downward (the file's y with its sign inverted).
struct Vector {
  int32_t x;
  int32_t y;
};

// Draw opcodes of library entries.
enum DrawOpcode {
  kBezierPoint = -1,
  kContinueEntry = 0,
  kPolyline = 1,
  kBlackPolygon = 2,
  kWhitePolygon = 3,
};

struct DrawEntry {
  int32_t op;
  int32_t pointCount;  // consecutive vectors owned by this entry
};

// A library symbol, and (as Component) a laid-out copy of one. The vector and
// draw counts of the file format are vectors.size() and drawList.size().
struct LibrarySymbol {
  char name[5] = {};  // not terminated when all five characters are used
  std::vector<Vector> vectors;
  std::vector<DrawEntry> drawList;
};

constexpr int kLibraryCount = 20;
constexpr int kSymbolsPerLibrary = 10;
constexpr int kSymbolCount = kLibraryCount * kSymbolsPerLibrary;

// Slot n holds symbol n once its library is loaded; empty slots are null.
extern std::array<std::unique_ptr<LibrarySymbol>, kSymbolCount> libraryTable;

// Symbol n, or null when n is outside 0..199 or its slot was never filled.
const LibrarySymbol* findLibrarySymbol(int symbol);

// File name of library L (0..19): "libra.drw" .. "librt.drw".
std::string libraryFileName(int library);

// The data stream of a library file image: from byte 76 on, the first 128
// bytes of every 130-byte block, and of a shorter last block all but its
// final 2 bytes. Empty for images of 76 bytes or fewer.
std::vector<uint8_t> libraryDataStream(const std::vector<uint8_t>& image);

// Parses one library file image into slots 10L .. 10L+9 (all ten are filled,
// possibly with empty symbols). Never reads outside the image, whatever its
// size or end positions; a library number outside 0..19 changes nothing.
void loadLibraryImage(int library, const std::vector<uint8_t>& image);

// Reads the twenty library files from directory into the table. On failure
// (a file that cannot be opened) returns false with *error set to
// "Unable to open library files in <directory> directory"; the libraries read
// before the failing one stay loaded.
bool loadLibraries(const std::string& directory, std::string* error);

// Writes the text dump of one symbol ("Item name: ...") to an open file.
void dumpLibrarySymbol(FILE* file, const LibrarySymbol& symbol);
