#include <string>

#include "score/file_replace.h"
#include "score/image_builder.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/words.h"

namespace {

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
  appendFloatWord(bytes, static_cast<float>(fixedWords + textWords));
  appendWords(bytes, item.params, fixedWords);
  const uint8_t* characters = item.params + 4 * fixedWords;
  bytes.insert(bytes.end(), characters, characters + length);
  bytes.insert(bytes.end(), static_cast<size_t>(4 * textWords - length), ' ');
}

// Every other item is written with all of its words. An item of more than
// 255 parameters thus keeps them all, though its 8-bit count does not show them.
void appendItem(std::vector<uint8_t>& bytes, const ItemRecord& item) {
  bool text = item.paramWords >= kTextFirstParam - 1 &&
              readFloatAt(item.params) == static_cast<float>(kTextCode);
  if (text) {
    appendTextItem(bytes, item);
    return;
  }
  appendFloatWord(bytes, static_cast<float>(item.paramWords));
  appendWords(bytes, item.params, item.paramWords);
}

}  // namespace

bool musFileBytes(const Document& document, std::vector<uint8_t>* bytes, std::string* error) {
  const ItemTable& table = document.itemTable;
  std::vector<uint8_t> out = {0, 0};
  for (int i = 1; i <= table.itemCount; ++i) appendItem(out, table.items[i]);
  appendWrittenTrailer(out);
  if (!storeWordCount(out, error)) return false;
  *bytes = std::move(out);
  return true;
}

bool writeMusFile(const std::string& path, const Document& document, std::string* error) {
  std::vector<uint8_t> bytes;
  if (!musFileBytes(document, &bytes, error)) return false;
  return replaceFileContents(path, bytes.data(), bytes.size(), error);
}
