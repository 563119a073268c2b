#include "library/drw_writer.h"

#include <algorithm>

#include "score/words.h"

namespace {

constexpr size_t kHeaderSize = 76;
constexpr size_t kBlockData = 128;
constexpr size_t kSymbols = 10;

}  // namespace

std::vector<uint8_t> drwStream(const std::vector<DrwEntry>& entries) {
  std::vector<uint8_t> stream(entries.size() * 6);
  for (size_t i = 0; i < entries.size(); ++i) {
    writeInt16At(&stream[6 * i], entries[i].x);
    writeInt16At(&stream[6 * i + 2], entries[i].y);
    writeInt16At(&stream[6 * i + 4], entries[i].op);
  }
  return stream;
}

std::vector<uint8_t> drwFile(const std::vector<int16_t>& endPositions,
                             const std::vector<std::string>& names,
                             const std::vector<uint8_t>& stream) {
  std::vector<uint8_t> file(kHeaderSize, kDrwFiller);
  for (size_t k = 0; k < kSymbols; ++k) {
    int16_t end = k < endPositions.size() ? endPositions[k] : 1;
    writeInt16At(&file[4 + 2 * k], end);
    std::string name = k < names.size() ? names[k] : "";
    for (size_t i = 0; i < 5; ++i) {
      file[24 + 5 * k + i] = i < name.size() ? static_cast<uint8_t>(name[i]) : 0;
    }
  }
  for (size_t p = 0; p < stream.size(); p += kBlockData) {
    size_t n = std::min(kBlockData, stream.size() - p);
    file.insert(file.end(), stream.begin() + p, stream.begin() + p + n);
    file.push_back(kDrwFiller);
    file.push_back(kDrwFiller);
  }
  return file;
}

std::vector<uint8_t> drwImage(const std::vector<DrwSymbol>& symbols) {
  std::vector<int16_t> ends;
  std::vector<std::string> names;
  std::vector<DrwEntry> entries;
  int end = 1;
  for (const DrwSymbol& symbol : symbols) {
    end += 3 * static_cast<int>(symbol.entries.size());
    ends.push_back(static_cast<int16_t>(end));
    names.push_back(symbol.name);
    entries.insert(entries.end(), symbol.entries.begin(), symbol.entries.end());
  }
  ends.resize(kSymbols, static_cast<int16_t>(end));
  return drwFile(ends, names, drwStream(entries));
}
