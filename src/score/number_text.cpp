#include "score/number_text.h"

#include "score/conversions.h"
#include "score/score_text.h"

namespace {

constexpr int kLargestNumber = 999;
constexpr int kFirstCapital = 1001;
constexpr int kFirstSmallLetter = 1031;
constexpr int kLetterCount = 26;
constexpr float kItalicFont = 1.0f;
constexpr int kFirstPostScriptFont = 9700;
constexpr int kLastPostScriptFont = 9734;

}  // namespace

std::string numberText(float p5) {
  if (!(p5 >= 0.0f)) return {};
  int n = truncToInt(p5);
  if (n <= kLargestNumber) return std::to_string(n);
  if (n >= kFirstCapital && n < kFirstCapital + kLetterCount) {
    return std::string(1, static_cast<char>('A' + (n - kFirstCapital)));
  }
  if (n >= kFirstSmallLetter && n < kFirstSmallLetter + kLetterCount) {
    return std::string(1, static_cast<char>('a' + (n - kFirstSmallLetter)));
  }
  return {};
}

int numberFontCode(float p7) {
  if (p7 == kItalicFont) return kTimesItalic;
  int code = truncToInt(p7);
  if (code >= kFirstPostScriptFont && code <= kLastPostScriptFont) {
    return code - kFirstPostScriptFont;
  }
  return kTimesRoman;
}
