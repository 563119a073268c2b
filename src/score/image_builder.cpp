#include "score/image_builder.h"

#include "score/mus_file.h"
#include "score/words.h"

void appendFloatWord(std::vector<uint8_t>& bytes, float v) {
  uint8_t word[4];
  writeFloatAt(word, v);
  bytes.insert(bytes.end(), word, word + 4);
}

void appendWrittenTrailer(std::vector<uint8_t>& bytes) {
  appendFloatWord(bytes, 0.0f);
  uint8_t serial[4];
  writeInt32At(serial, kWrittenSerialNumber);  // an integer, not a float
  bytes.insert(bytes.end(), serial, serial + 4);
  appendFloatWord(bytes, 3.0f);
  appendFloatWord(bytes, 0.0f);
  appendFloatWord(bytes, 5.0f);
  appendFloatWord(bytes, kEndMark);
}

bool storeWordCount(std::vector<uint8_t>& bytes, std::string* error) {
  size_t words = (bytes.size() - 2) / 4;
  if (words > static_cast<size_t>(kMaxWordCount)) {
    *error = "The score holds " + std::to_string(words) + " words; a SCORE file can hold at most " +
             std::to_string(kMaxWordCount);
    return false;
  }
  writeUint16At(bytes.data(), static_cast<uint16_t>(words));
  return true;
}
