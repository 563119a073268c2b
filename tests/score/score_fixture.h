// Shared set-up for score tests: an empty item table around every test, and
// small file helpers.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/words.h"
#include "support/mus_bytes.h"

// Each test starts with an empty document of its own.
class ScoreTest : public ::testing::Test {
 protected:
  Document document;
};

// A fresh empty folder for one test, removed by the caller's fixture.
inline std::filesystem::path scratchFolder(const std::string& name) {
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 ("melibron-score-" + name + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

inline std::vector<uint8_t> fileBytes(const std::filesystem::path& path) {
  std::vector<uint8_t> bytes;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    int c;
    while ((c = std::fgetc(file)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(file);
  }
  return bytes;
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

// The raw words of item i (count word excluded), for bit-for-bit comparison.
inline std::vector<uint8_t> itemWords(const Document& document, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  return std::vector<uint8_t>(item.params, item.params + 4 * item.paramWords);
}

// A well-formed image (our trailer, serial 1234) whose data area is the given
// raw bytes, for items that floats alone cannot express (text, bad counts).
inline std::vector<uint8_t> imageWithDataArea(const std::vector<uint8_t>& dataArea) {
  std::vector<uint8_t> empty = musImage({});
  std::vector<uint8_t> image = {0, 0};
  image.insert(image.end(), dataArea.begin(), dataArea.end());
  image.insert(image.end(), empty.begin() + 2, empty.end());
  writeUint16At(image.data(), static_cast<uint16_t>((image.size() - 2) / 4));
  return image;
}

inline std::vector<uint8_t> floatBytes(std::initializer_list<float> values) {
  std::vector<uint8_t> bytes(4 * values.size());
  size_t at = 0;
  for (float v : values) writeFloatAt(bytes.data() + 4 * at++, v);
  return bytes;
}

inline std::vector<uint8_t> concatBytes(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> all;
  for (const std::vector<uint8_t>& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

inline void loadImage(Document& document, const std::vector<uint8_t>& image) {
  std::string error;
  ASSERT_TRUE(readMusImage(image, document, &error)) << error;
}
