#include "support/mus_bytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "score/image_builder.h"
#include "score/mus_file.h"
#include "score/words.h"

namespace {

void appendInt(std::vector<uint8_t>& bytes, int32_t v) {
  uint8_t word[4];
  writeInt32At(word, v);
  bytes.insert(bytes.end(), word, word + 4);
}

}  // namespace

std::vector<uint8_t> musImage(const std::vector<ItemParams>& items, int32_t serial, float units) {
  std::vector<uint8_t> bytes = {0, 0};
  for (const ItemParams& item : items) {
    appendFloatWord(bytes, static_cast<float>(item.size()));
    for (float p : item) appendFloatWord(bytes, p);
  }
  appendFloatWord(bytes, 0.0f);
  appendInt(bytes, serial);
  appendFloatWord(bytes, 3.0f);
  appendFloatWord(bytes, units);
  appendFloatWord(bytes, 5.0f);
  appendFloatWord(bytes, -9999.0f);
  writeUint16At(bytes.data(), static_cast<uint16_t>((bytes.size() - 2) / 4));
  return bytes;
}

std::vector<uint8_t> textItemWords(const ItemParams& p1to13, const std::string& text) {
  std::vector<uint8_t> bytes;
  for (float p : p1to13) appendFloatWord(bytes, p);
  bytes.insert(bytes.end(), text.begin(), text.end());
  while (bytes.size() % 4 != 0) bytes.push_back(' ');
  return bytes;
}

ItemParams textItemParams(ItemParams p1to11, const std::string& text) {
  ItemParams params = std::move(p1to11);
  params.resize(11, 0.0f);
  params.push_back(static_cast<float>(text.size()));
  params.push_back(0.0f);
  std::string padded = text + std::string((4 - text.size() % 4) % 4, ' ');
  for (size_t k = 0; k < padded.size(); k += 4) {
    float word;
    std::memcpy(&word, padded.data() + k, sizeof word);
    params.push_back(word);
  }
  return params;
}

void loadItems(Document& document, const std::vector<ItemParams>& items) {
  std::string error;
  ASSERT_TRUE(readMusImage(musImage(items), document, &error)) << error;
}

std::string corpusPath(const std::string& name) {
  std::filesystem::path path = std::filesystem::path(MELIBRON_CORPUS_DIR) / name;
  return std::filesystem::exists(path) ? path.string() : std::string();
}
