#include <algorithm>
#include <cstddef>

#include "library/drw_format.h"
#include "library/library_table.h"
#include "score/words.h"

static_assert(kDrwSymbolsPerFile == kSymbolsPerLibrary);

namespace {

void copyName(const uint8_t* field, char* name) {
  for (size_t i = 0; i < kDrwNameLength; ++i) name[i] = 0;
  for (size_t i = 0; i < kDrwNameLength && field[i] != 0; ++i) {
    name[i] = static_cast<char>(field[i]);
  }
}

void appendEntry(LibrarySymbol& symbol, const uint8_t* entry) {
  int32_t x = readInt16At(entry);
  int32_t y = readInt16At(entry + 2);
  int32_t op = readInt16At(entry + 4);
  symbol.vectors.push_back({x, -y});
  // An opcode-0 entry with nothing before it to extend starts a draw entry of
  // its own with opcode 0: every vector stays owned by a draw entry, and the
  // drawing passes over opcode-0 entries without drawing them.
  if (op != kContinueEntry || symbol.drawList.empty()) {
    symbol.drawList.push_back({op, 1});
  } else {
    symbol.drawList.back().pointCount += 1;
  }
}

}  // namespace

std::vector<uint8_t> libraryDataStream(const std::vector<uint8_t>& image) {
  std::vector<uint8_t> stream;
  size_t p = kDrwHeaderSize;
  while (p < image.size() && image.size() - p > kDrwBlockData) {
    stream.insert(stream.end(), image.begin() + p, image.begin() + p + kDrwBlockData);
    p += kDrwBlockSize;
  }
  if (p < image.size() && image.size() - p > kDrwBlockFiller) {
    stream.insert(stream.end(), image.begin() + p, image.end() - kDrwBlockFiller);
  }
  return stream;
}

void loadLibraryImage(int library, const std::vector<uint8_t>& image) {
  if (library < 0 || library >= kLibraryCount) return;
  // A file shorter than its header reads as if the missing bytes were zero.
  uint8_t header[kDrwHeaderSize] = {};
  std::copy_n(image.begin(), std::min(image.size(), kDrwHeaderSize), header);
  std::vector<uint8_t> stream = libraryDataStream(image);
  int entriesLeft = static_cast<int>(stream.size() / kDrwEntrySize);
  const uint8_t* next = stream.data();
  int previousEnd = kDrwFirstEndPosition;
  for (int k = 0; k < kSymbolsPerLibrary; ++k) {
    auto symbol = std::make_unique<LibrarySymbol>();
    copyName(header + kDrwNamesAt + kDrwNameLength * k, symbol->name);
    int end = readInt16At(header + kDrwEndPositionsAt + 2 * k);
    // End positions are trusted by nobody: a falling one gives no entries,
    // one past the stream gives only the entries that are there.
    int count = std::clamp((end - previousEnd) / kDrwWordsPerEntry, 0, entriesLeft);
    previousEnd = end;
    symbol->vectors.reserve(count);
    symbol->drawList.reserve(count);
    for (int i = 0; i < count; ++i, next += kDrwEntrySize) appendEntry(*symbol, next);
    entriesLeft -= count;
    libraryTable[kSymbolsPerLibrary * library + k] = std::move(symbol);
  }
}
