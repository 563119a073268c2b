#include <string>

#include "score/file_replace.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/words.h"

namespace {

void appendFloat(std::vector<uint8_t>& bytes, float v) {
  uint8_t word[4];
  writeFloatAt(word, v);
  bytes.insert(bytes.end(), word, word + 4);
}

void appendInt(std::vector<uint8_t>& bytes, int32_t v) {
  uint8_t word[4];
  writeInt32At(word, v);
  bytes.insert(bytes.end(), word, word + 4);
}

void appendWords(std::vector<uint8_t>& bytes, const uint8_t* first, int32_t words) {
  bytes.insert(bytes.end(), first, first + 4 * static_cast<size_t>(words));
}

// A text item keeps P1..P13 and its characters padded with spaces to a word
// boundary. The length comes from P12 but is held to the words the item has,
// so nothing past the item is copied.
void appendTextItem(std::vector<uint8_t>& bytes, const ItemRecord& item) {
  const int32_t fixedWords = kTextFirstParam - 1;
  const int32_t length = static_cast<int32_t>(textOfItem(item).size());
  const int32_t textWords = (length + 3) / 4;
  appendFloat(bytes, static_cast<float>(fixedWords + textWords));
  appendWords(bytes, item.params, fixedWords);
  const uint8_t* characters = item.params + 4 * fixedWords;
  bytes.insert(bytes.end(), characters, characters + length);
  bytes.insert(bytes.end(), static_cast<size_t>(4 * textWords - length), ' ');
}

// Every other item is written with all of its words. An item of more than
// 255 parameters thus keeps them all, though its 8-bit count does not show them.
void appendItem(std::vector<uint8_t>& bytes, const ItemRecord& item) {
  bool text = item.paramWords >= kTextFirstParam - 1 &&
              readFloatAt(item.params) == 16.0f;
  if (text) {
    appendTextItem(bytes, item);
    return;
  }
  appendFloat(bytes, static_cast<float>(item.paramWords));
  appendWords(bytes, item.params, item.paramWords);
}

void appendTrailer(std::vector<uint8_t>& bytes) {
  appendFloat(bytes, 0.0f);
  appendInt(bytes, kWrittenSerialNumber);
  appendFloat(bytes, 3.0f);  // SCORE version
  appendFloat(bytes, 0.0f);  // units: inches
  appendFloat(bytes, 5.0f);  // trailer words before the end mark
  appendFloat(bytes, kEndMark);
}

}  // namespace

bool musFileBytes(std::vector<uint8_t>* bytes, std::string* error) {
  std::vector<uint8_t> out = {0, 0};
  for (int i = 1; i <= itemTable.itemCount; ++i) appendItem(out, itemTable.items[i]);
  appendTrailer(out);
  size_t words = (out.size() - 2) / 4;
  if (words > static_cast<size_t>(kMaxWordCount)) {
    *error = "The score holds " + std::to_string(words) +
             " words; a SCORE file can hold at most " + std::to_string(kMaxWordCount);
    return false;
  }
  writeUint16At(out.data(), static_cast<uint16_t>(words));
  *bytes = std::move(out);
  return true;
}

bool writeMusFile(const std::string& path, std::string* error) {
  std::vector<uint8_t> bytes;
  if (!musFileBytes(&bytes, error)) return false;
  return replaceFileContents(path, bytes.data(), bytes.size(), error);
}
