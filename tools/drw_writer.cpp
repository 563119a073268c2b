#include "drw_writer.h"

#include <algorithm>
#include <fstream>

namespace {

constexpr size_t kHeaderSize = 76;
constexpr size_t kEndPositionsAt = 4;
constexpr size_t kNamesAt = 24;
constexpr size_t kNameLength = 5;
constexpr size_t kBlockData = 128;
// Every block, the last one too, ends in two bytes that readers skip.
constexpr size_t kBlockFiller = 2;
constexpr int kFirstEndPosition = 1;
constexpr int kWordsPerEntry = 3;

void putInt16(uint8_t* at, int value) {
  auto bits = static_cast<uint16_t>(value);
  at[0] = static_cast<uint8_t>(bits & 0xff);
  at[1] = static_cast<uint8_t>(bits >> 8);
}

void appendInt16(std::vector<uint8_t>& bytes, int16_t value) {
  auto bits = static_cast<uint16_t>(value);
  bytes.push_back(static_cast<uint8_t>(bits & 0xff));
  bytes.push_back(static_cast<uint8_t>(bits >> 8));
}

std::vector<uint8_t> entryStream(const DrwLibrary& library) {
  std::vector<uint8_t> stream;
  for (const DrwSymbol& symbol : library) {
    for (const DrwEntry& entry : symbol.entries) {
      appendInt16(stream, entry.x);
      appendInt16(stream, entry.y);
      appendInt16(stream, entry.op);
    }
  }
  return stream;
}

void appendBlocks(const std::vector<uint8_t>& stream, std::vector<uint8_t>& image) {
  for (size_t p = 0; p < stream.size(); p += kBlockData) {
    size_t n = std::min(kBlockData, stream.size() - p);
    image.insert(image.end(), stream.begin() + p, stream.begin() + p + n);
    image.insert(image.end(), kBlockFiller, 0);
  }
}

}  // namespace

bool buildLibraryImage(const DrwLibrary& library, std::vector<uint8_t>* image,
                       std::string* error) {
  image->assign(kHeaderSize, 0);
  size_t total = 0;
  for (size_t k = 0; k < library.size(); ++k) {
    const DrwSymbol& symbol = library[k];
    if (symbol.name.size() > kNameLength) {
      *error = "symbol name \"" + symbol.name + "\" is longer than five characters";
      return false;
    }
    total += symbol.entries.size();
    if (total > static_cast<size_t>(kMaxLibraryEntries)) {
      *error = "library needs " + std::to_string(total) + " entries by symbol " +
               std::to_string(k) + "; at most " + std::to_string(kMaxLibraryEntries) + " fit";
      return false;
    }
    putInt16(image->data() + kEndPositionsAt + 2 * k,
             kFirstEndPosition + kWordsPerEntry * static_cast<int>(total));
    std::copy(symbol.name.begin(), symbol.name.end(),
              image->begin() + kNamesAt + kNameLength * k);
  }
  appendBlocks(entryStream(library), *image);
  return true;
}

bool writeLibraryFile(const std::string& path, const std::vector<uint8_t>& image,
                      std::string* error) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(image.data()),
             static_cast<std::streamsize>(image.size()));
  file.close();
  if (!file) {
    *error = "cannot write " + path;
    return false;
  }
  return true;
}
