#include "score/item_text.h"

#include <cstring>
#include <vector>

#include "score/image_builder.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/words.h"

namespace {

constexpr int32_t kFixedTextWords = kTextFirstParam - 1;

// The count word and P1..P13 of item, P12 set to the text's length, then
// the text padded with spaces.
std::vector<uint8_t> textItemWords(const ItemRecord& item, const std::string& text) {
  int32_t textWords = static_cast<int32_t>((text.size() + 3) / 4);
  std::vector<uint8_t> words;
  appendFloatWord(words, static_cast<float>(kFixedTextWords + textWords));
  for (int k = 1; k <= kFixedTextWords; ++k) {
    appendFloatWord(words, k == kTextLengthParam ? static_cast<float>(text.size())
                                                 : readFloatAt(item.params + 4 * (k - 1)));
  }
  words.insert(words.end(), text.begin(), text.end());
  words.resize(words.size() + (4 * textWords - text.size()), ' ');
  return words;
}

}  // namespace

bool replaceItemText(Document& document, int i, const std::string& text, std::string* error) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  if (!isTextItem(item) || item.paramWords < kFixedTextWords) {
    *error = "Item " + std::to_string(i) + " is not a text item";
    return false;
  }
  const std::vector<uint8_t>& image = document.itemTable.fileImage;
  size_t start = static_cast<size_t>(item.params - image.data()) - 4;  // its count word
  size_t end =
      static_cast<size_t>(item.params - image.data()) + 4 * static_cast<size_t>(item.paramWords);
  std::vector<uint8_t> words = textItemWords(item, text);
  int64_t wordCount = readUint16At(image.data()) +
                      (static_cast<int64_t>(words.size()) - static_cast<int64_t>(end - start)) / 4;
  if (wordCount < 0 || wordCount > kMaxWordCount) {
    *error = "The text is too long: the file would hold more than " +
             std::to_string(kMaxWordCount) + " words";
    return false;
  }
  std::vector<uint8_t> changed(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(start));
  changed.insert(changed.end(), words.begin(), words.end());
  changed.insert(changed.end(), image.begin() + static_cast<std::ptrdiff_t>(end), image.end());
  writeUint16At(changed.data(), static_cast<uint16_t>(wordCount));
  return readMusImage(std::move(changed), document, error);
}
