#include "library/drw_writer.h"

#include <algorithm>

#include "score/words.h"

std::vector<uint8_t> drwStream(const std::vector<DrwEntry>& entries) {
  std::vector<uint8_t> stream(entries.size() * kDrwEntrySize);
  for (size_t i = 0; i < entries.size(); ++i) {
    uint8_t* entry = &stream[kDrwEntrySize * i];
    writeInt16At(entry, entries[i].x);
    writeInt16At(entry + 2, entries[i].y);
    writeInt16At(entry + 4, entries[i].op);
  }
  return stream;
}

std::vector<uint8_t> drwFile(const std::vector<int16_t>& endPositions,
                             const std::vector<std::string>& names,
                             const std::vector<uint8_t>& stream) {
  std::vector<uint8_t> file(kDrwHeaderSize, kDrwFiller);
  for (size_t k = 0; k < kDrwSymbolsPerFile; ++k) {
    int16_t end = k < endPositions.size() ? endPositions[k] : kDrwFirstEndPosition;
    writeInt16At(&file[kDrwEndPositionsAt + 2 * k], end);
    std::string name = k < names.size() ? names[k] : "";
    for (size_t i = 0; i < kDrwNameLength; ++i) {
      file[kDrwNamesAt + kDrwNameLength * k + i] =
          i < name.size() ? static_cast<uint8_t>(name[i]) : 0;
    }
  }
  for (size_t p = 0; p < stream.size(); p += kDrwBlockData) {
    size_t n = std::min(kDrwBlockData, stream.size() - p);
    file.insert(file.end(), stream.begin() + p, stream.begin() + p + n);
    file.insert(file.end(), kDrwBlockFiller, kDrwFiller);
  }
  return file;
}

std::vector<uint8_t> drwImage(const std::vector<DrwSymbol>& symbols) {
  std::vector<int16_t> ends;
  std::vector<std::string> names;
  std::vector<DrwEntry> entries;
  int end = kDrwFirstEndPosition;
  for (const DrwSymbol& symbol : symbols) {
    end += kDrwWordsPerEntry * static_cast<int>(symbol.entries.size());
    ends.push_back(static_cast<int16_t>(end));
    names.push_back(symbol.name);
    entries.insert(entries.end(), symbol.entries.begin(), symbol.entries.end());
  }
  ends.resize(kDrwSymbolsPerFile, static_cast<int16_t>(end));
  return drwFile(ends, names, drwStream(entries));
}
