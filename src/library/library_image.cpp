#include <algorithm>
#include <cstddef>

#include "library/library_table.h"
#include "score/words.h"

namespace {

constexpr size_t kHeaderSize = 76;
constexpr size_t kEndPositionsAt = 4;  // ten signed 16-bit end positions
constexpr size_t kNamesAt = 24;        // ten 5-byte names
constexpr size_t kNameLength = 5;
constexpr size_t kBlockSize = 130;     // 128 data bytes, then 2 that are not data
constexpr size_t kBlockData = 128;
constexpr size_t kBlockFiller = kBlockSize - kBlockData;
constexpr size_t kEntrySize = 6;       // x, y, opcode: three 16-bit words
// End positions count 16-bit words from 1, so the one before symbol 0 is 1.
constexpr int kFirstEndPosition = 1;
constexpr int kWordsPerEntry = 3;

void copyName(const uint8_t* field, char* name) {
  for (size_t i = 0; i < kNameLength; ++i) name[i] = 0;
  for (size_t i = 0; i < kNameLength && field[i] != 0; ++i) {
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
  size_t p = kHeaderSize;
  while (p < image.size() && image.size() - p > kBlockData) {
    stream.insert(stream.end(), image.begin() + p, image.begin() + p + kBlockData);
    p += kBlockSize;
  }
  if (p < image.size() && image.size() - p > kBlockFiller) {
    stream.insert(stream.end(), image.begin() + p, image.end() - kBlockFiller);
  }
  return stream;
}

void loadLibraryImage(int library, const std::vector<uint8_t>& image) {
  if (library < 0 || library >= kLibraryCount) return;
  // A file shorter than its header reads as if the missing bytes were zero.
  uint8_t header[kHeaderSize] = {};
  std::copy_n(image.begin(), std::min(image.size(), kHeaderSize), header);
  std::vector<uint8_t> stream = libraryDataStream(image);
  int entriesLeft = static_cast<int>(stream.size() / kEntrySize);
  const uint8_t* next = stream.data();
  int previousEnd = kFirstEndPosition;
  for (int k = 0; k < kSymbolsPerLibrary; ++k) {
    auto symbol = std::make_unique<LibrarySymbol>();
    copyName(header + kNamesAt + kNameLength * k, symbol->name);
    int end = readInt16At(header + kEndPositionsAt + 2 * k);
    // End positions are trusted by nobody: a falling one gives no entries,
    // one past the stream gives only the entries that are there.
    int count = std::clamp((end - previousEnd) / kWordsPerEntry, 0, entriesLeft);
    previousEnd = end;
    symbol->vectors.reserve(count);
    symbol->drawList.reserve(count);
    for (int i = 0; i < count; ++i, next += kEntrySize) appendEntry(*symbol, next);
    entriesLeft -= count;
    libraryTable[kSymbolsPerLibrary * library + k] = std::move(symbol);
  }
}
