#include "bench/bench_pages.h"

#include <cstdio>
#include <filesystem>

#include "cli/paths.h"
#include "library/library_table.h"
#include "score/image_builder.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/words.h"

namespace {

constexpr int kStaves = 10;
constexpr float kPageWidth = 200.0f;
constexpr int kHeaderBytes = 2;

// One item of the repeating pattern; `k` picks the kind, the position and
// the digits, so every note shape and ledger-line range occurs.
std::vector<float> patternItem(int k, float staff, float x) {
  float step = static_cast<float>(-3 + k % 17);  // ledger lines below and above
  switch (k % 16) {
    case 0: return {2, staff, x, 0, static_cast<float>(k % 3), static_cast<float>(k % 2), 1};
    case 1: return {3, staff, x, 0, static_cast<float>(k % 3)};
    case 2: return {17, staff, x, 0, static_cast<float>(1 + k % 5), static_cast<float>(k % 2)};
    case 3: return {6, staff, x, 7, 8, x + 6, 11};
    case 4: return {4, staff, x, -3, 999, x + 8, 3};
    case 5: return {14, staff, x, 2, 0};
    default: {
      int stem = 1 + k % 2;
      int accidental = 1 + k % 3;
      float flagsAndDots = static_cast<float>(10 * (k % 3) + 1 + k % 4);
      return {1, staff, x, step,        static_cast<float>(10 * stem + accidental),
              0, 0.5f,  0, flagsAndDots};
    }
  }
}

}  // namespace

PageItems densePageItems(int count) {
  PageItems items;
  for (int s = 1; s <= kStaves; ++s)
    items.push_back({8, static_cast<float>(s), 0, 0, 1, kPageWidth});
  int rest = count - kStaves;
  int perStaff = (rest + kStaves - 1) / kStaves;
  for (int k = 0; k < rest; ++k) {
    int column = k / kStaves;
    float staff = static_cast<float>(1 + k % kStaves);
    float x = 4.0f + (kPageWidth - 12.0f) * static_cast<float>(column) / perStaff;
    items.push_back(patternItem(column + k, staff, x));
  }
  return items;
}

std::vector<uint8_t> pageImage(const PageItems& items) {
  std::vector<uint8_t> bytes(kHeaderBytes, 0);
  for (const std::vector<float>& item : items) {
    appendFloatWord(bytes, static_cast<float>(item.size()));
    for (float p : item) appendFloatWord(bytes, p);
  }
  for (float word : {0.0f, 0.0f, 3.0f, 0.0f, 5.0f, kEndMark}) appendFloatWord(bytes, word);
  size_t words = (bytes.size() - kHeaderBytes) / 4;
  writeUint16At(bytes.data(), static_cast<uint16_t>(words > 0xFFFF ? 0xFFFF : words));
  return bytes;
}

void loadItemsInMemory(Document& document, const PageItems& items) {
  ItemTable& itemTable = document.itemTable;
  releaseItemTable(itemTable);
  document.loadStatistics = LoadStatistics{};
  itemTable.fileImage = pageImage(items);
  itemTable.items.assign(1, ItemRecord{});
  uint8_t* word = itemTable.fileImage.data() + kHeaderBytes;
  for (const std::vector<float>& item : items) {
    ItemRecord record;
    record.paramCount = static_cast<uint8_t>(item.size() & 0xFF);
    record.params = word + 4;
    record.paramWords = static_cast<int32_t>(item.size());
    itemTable.items.push_back(record);
    word += 4 * (1 + item.size());
  }
  itemTable.itemCount = static_cast<int32_t>(items.size());
}

bool loadBenchLibraries() {
  std::string error;
  bool loaded = loadLibraries(libraryDirectory(""), &error);
  if (!loaded) std::fprintf(stderr, "%s\n", error.c_str());
  return loaded;
}

std::string demoPagePath() { return MELIBRON_SOURCE_DIR "/examples/demo.mus"; }

std::string corpusPagePath(const std::string& name) {
  std::string path = MELIBRON_CORPUS_DIR "/" + name;
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored) ? path : "";
}

const std::vector<std::string>& corpusPageNames() {
  static const std::vector<std::string> names = {"chor005.mus", "brahms-op76n7-p1.mus",
                                                 "chopin2801.mus"};
  return names;
}

long componentTotal(const View& view) {
  long total = 0;
  for (const ItemComponents& list : view.components.items) total += list.count;
  return total;
}
