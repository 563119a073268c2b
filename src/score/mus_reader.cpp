#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "score/conversions.h"
#include "score/debug_trace.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/whole_file.h"
#include "score/words.h"

namespace {

constexpr int64_t kHeaderBytes = 2;
constexpr char kOpenFailure[] = "Unable to open file scorfile.mus";
constexpr char kEndMarkFailure[] = "Final value in file scorfile.mus not -9999.0";

std::string tooLargeMessage() {
  return "File scorfile.mus is too large to be a SCORE page (more than " +
         std::to_string(kMaxMusFileSize) + " bytes)";
}

// The word `wordsFromEnd` words before the physical end, when the whole word
// lies after the header; files too short to hold it read as if it held 0.
bool trailerWordAt(const std::vector<uint8_t>& image, int wordsFromEnd, const uint8_t** word) {
  int64_t offset = static_cast<int64_t>(image.size()) - 4 * static_cast<int64_t>(wordsFromEnd);
  if (offset < kHeaderBytes) return false;
  *word = image.data() + offset;
  return true;
}

float trailerFloat(const std::vector<uint8_t>& image, int wordsFromEnd) {
  const uint8_t* word = nullptr;
  return trailerWordAt(image, wordsFromEnd, &word) ? readFloatAt(word) : 0.0f;
}

// Compared bit for bit: any difference, even in the fraction, is a missing
// mark. A file of fewer than 4 bytes has none.
bool hasEndMark(const std::vector<uint8_t>& image) {
  if (image.size() < 4) return false;
  uint8_t mark[4];
  writeFloatAt(mark, kEndMark);
  return std::memcmp(image.data() + image.size() - 4, mark, 4) == 0;
}

void traceItem(int number, const ItemRecord& item) {
  traceDebug("Item number %d [%s]:", number, itemName(itemCode(item)));
  if (isTextItem(item)) {
    traceDebug("%s", textOfItem(item).c_str());
    return;
  }
  std::string run;
  char buffer[32];
  for (int k = 0; k < item.paramWords; ++k) {
    std::snprintf(buffer, sizeof buffer, "%g ", readFloatAt(item.params + 4 * k));
    run += buffer;
  }
  traceDebug("%s", run.c_str());
}

// Cuts the data area into items. Only complete items inside both the data
// area and the buffer are kept; a negative count or an item reaching past
// them ends the walk.
void walkItems(ItemTable& table, int64_t dataWords) {
  table.items.assign(1, ItemRecord{});
  int64_t consumed = 0;
  uint8_t* base = table.fileImage.data() + kHeaderBytes;
  const bool tracing = debugTraceEnabled();  // once: the environment is searched each time
  while (consumed < dataWords) {
    int32_t n = truncToInt(readFloatAt(base + 4 * consumed));
    if (n < 0 || consumed + 1 + n > dataWords) break;
    ItemRecord item;
    item.paramCount = static_cast<uint8_t>(n & 0xFF);
    item.params = base + 4 * (consumed + 1);
    item.paramWords = n;
    table.items.push_back(item);
    table.itemCount += 1;
    if (tracing) traceItem(table.itemCount, table.items.back());
    consumed += 1 + n;
  }
}

}  // namespace

bool readMusImage(std::vector<uint8_t> image, Document& document, std::string* error) {
  if (image.size() > static_cast<size_t>(kMaxMusFileSize)) {
    *error = tooLargeMessage();
    return false;
  }
  ItemTable table;
  LoadStatistics statistics;
  table.fileImage = std::move(image);
  const std::vector<uint8_t>& bytes = table.fileImage;
  statistics.fileSize = static_cast<int32_t>(bytes.size());
  traceDebug("Memory required for file = %d bytes.", statistics.fileSize);

  int32_t wordCount = bytes.size() >= 2 ? readUint16At(bytes.data()) : 0;
  traceDebug("Total number of 4-byte words in file = %d.", wordCount);
  if (!hasEndMark(bytes)) {
    *error = kEndMarkFailure;
    return false;
  }
  int32_t trailerWords = truncToInt(trailerFloat(bytes, 2));
  traceDebug("Number of words in trailer = %d.", trailerWords);
  const uint8_t* serialWord = nullptr;
  if (trailerWordAt(bytes, 5, &serialWord)) {
    statistics.serialNumber = static_cast<uint32_t>(readInt32At(serialWord));
  }
  statistics.scoreVersion = truncToInt(trailerFloat(bytes, 4));
  statistics.units = truncToInt(trailerFloat(bytes, 3));

  int64_t dataWords = static_cast<int64_t>(wordCount) - trailerWords - 1;
  traceDebug("Number of data words = %lld.", static_cast<long long>(dataWords));
  // The header may claim more words than the file holds: keep to the bytes
  // that lie before the trailer, and never past the buffer.
  int64_t trailerBytes = std::clamp<int64_t>(4 * (static_cast<int64_t>(trailerWords) + 1), 0,
                                             static_cast<int64_t>(bytes.size()));
  int64_t dataBytes = static_cast<int64_t>(bytes.size()) - trailerBytes - kHeaderBytes;
  dataWords = std::min(dataWords, std::max<int64_t>(0, dataBytes) / 4);
  walkItems(table, dataWords);

  document.itemTable = std::move(table);
  document.loadStatistics = statistics;
  return true;
}

bool readMusFileBytes(FileReadResult read, std::vector<uint8_t> bytes, Document& document,
                      std::string* error) {
  switch (read) {
    case FileReadResult::kRead: return readMusImage(std::move(bytes), document, error);
    case FileReadResult::kTooLarge: *error = tooLargeMessage(); return false;
    case FileReadResult::kCannotOpen:
    case FileReadResult::kCannotRead: break;
  }
  *error = kOpenFailure;
  return false;
}

bool readMusFile(const std::string& path, Document& document, std::string* error) {
  std::vector<uint8_t> image;
  FileReadResult read = readWholeFile(path, static_cast<size_t>(kMaxMusFileSize), &image);
  if (read != FileReadResult::kCannotOpen) traceDebug("Opening file %s", path.c_str());
  return readMusFileBytes(read, std::move(image), document, error);
}
