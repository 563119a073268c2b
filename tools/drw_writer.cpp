#include "drw_writer.h"

#include <algorithm>

#include "score/file_replace.h"
#include "score/words.h"

namespace {

void appendInt16(std::vector<uint8_t>& bytes, int16_t value) {
  uint8_t word[2];
  writeInt16At(word, value);
  bytes.insert(bytes.end(), word, word + 2);
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

// Every block, the last one too, ends in the two bytes that readers skip.
void appendBlocks(const std::vector<uint8_t>& stream, std::vector<uint8_t>& image) {
  for (size_t p = 0; p < stream.size(); p += kDrwBlockData) {
    size_t n = std::min(kDrwBlockData, stream.size() - p);
    image.insert(image.end(), stream.begin() + p, stream.begin() + p + n);
    image.insert(image.end(), kDrwBlockFiller, 0);
  }
}

}  // namespace

bool buildLibraryImage(const DrwLibrary& library, std::vector<uint8_t>* image, std::string* error) {
  image->assign(kDrwHeaderSize, 0);
  size_t total = 0;
  for (size_t k = 0; k < library.size(); ++k) {
    const DrwSymbol& symbol = library[k];
    if (symbol.name.size() > kDrwNameLength) {
      *error = "symbol name \"" + symbol.name + "\" is longer than five characters";
      return false;
    }
    total += symbol.entries.size();
    if (total > static_cast<size_t>(kMaxLibraryEntries)) {
      *error = "library needs " + std::to_string(total) + " entries by symbol " +
               std::to_string(k) + "; at most " + std::to_string(kMaxLibraryEntries) + " fit";
      return false;
    }
    writeInt16At(
        image->data() + kDrwEndPositionsAt + 2 * k,
        static_cast<int16_t>(kDrwFirstEndPosition + kDrwWordsPerEntry * static_cast<int>(total)));
    std::copy(symbol.name.begin(), symbol.name.end(),
              image->begin() + static_cast<std::ptrdiff_t>(kDrwNamesAt + kDrwNameLength * k));
  }
  appendBlocks(entryStream(library), *image);
  return true;
}

bool writeLibraryFile(const std::string& path, const std::vector<uint8_t>& image,
                      std::string* error) {
  std::string message;
  if (replaceFileContents(path, image.data(), image.size(), &message)) return true;
  *error = "cannot write " + path;
  return false;
}
