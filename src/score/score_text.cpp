#include "score/score_text.h"

#include <array>
#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// SCORE prints its strings in a re-encoded Times: these codes carry the
// accented letters and signs its accent prefixes produce; the capitals sit
// 128 above their small letters.
constexpr std::array<char32_t, 30> kLowCodes = {
    U'á', U'à', U'â', U'ä', U'ç', U'ã', U'−', U'å', U'é', U'è', U'ê', U'ë', U'í', U'ì', U'î',
    U'ï', U'ó', U'ò', U'ô', U'ö', U'õ', U'ú', U'ù', U'û', U'ü', U'ÿ', U'ñ', U'š', U'ž', U'©'};
constexpr std::array<char32_t, 30> kHighCodes = {
    U'Á', U'À', U'Â', U'Ä', U'Ç', U'Ã', U'®', U'Å', U'É', U'È', U'Ê', U'Ë', U'Í', U'Ì', U'Î',
    U'Ï', U'Ó', U'Ò', U'Ô', U'Ö', U'Õ', U'Ú', U'Ù', U'Û', U'Ü', U'Ÿ', U'Ñ', U'Š', U'Ž', U'™'};
constexpr uint8_t kHighCodeStart = 128;

struct EncodedSign {
  uint8_t code;
  char32_t character;
};
constexpr std::array<EncodedSign, 7> kSigns = {
    {{242, U'¼'}, {243, U'½'}, {244, U'¾'}, {245, U'¹'}, {246, U'²'}, {247, U'³'}, {252, U'_'}}};

// An accent prefix (the character typed twice) and the letters it accents,
// each with the code of the accented letter.
struct Accent {
  char prefix;
  std::string_view letters;
  std::array<uint8_t, 12> codes;
};
constexpr std::array<Accent, 5> kAccents = {{
    {'<', "aeiouAEIOU", {0, 8, 12, 16, 21, 128, 136, 140, 144, 149}},
    {'>', "aeiouAEIOU", {1, 9, 13, 17, 22, 129, 137, 141, 145, 150}},
    {'^', "aeiouAEIOU", {2, 10, 14, 18, 23, 130, 138, 142, 146, 151}},
    {'%', "aeiouyAEIOUY", {3, 11, 15, 19, 24, 25, 131, 139, 143, 147, 152, 153}},
    {'~', "anoANO", {5, 26, 20, 133, 154, 148}},
}};

// The PostScript standard encoding Times is printed in has curly quotes
// where ASCII has straight ones.
constexpr char kAsciiQuote = '\'';
constexpr char kAsciiBackquote = '`';
constexpr char32_t kQuoteRight = U'’';
constexpr char32_t kQuoteLeft = U'‘';
constexpr uint8_t kFirstPrintable = 0x20;
constexpr uint8_t kLastPrintable = 0x7E;

constexpr char kFontMark = '_';
constexpr int kFontCodeLength = 3;  // "_NN"

char32_t characterOfCode(uint8_t code) {
  if (code < kLowCodes.size()) return kLowCodes[code];
  if (code >= kHighCodeStart && code - kHighCodeStart < static_cast<int>(kHighCodes.size())) {
    return kHighCodes[code - kHighCodeStart];
  }
  for (const EncodedSign& sign : kSigns) {
    if (sign.code == code) return sign.character;
  }
  if (code == kAsciiQuote) return kQuoteRight;
  if (code == kAsciiBackquote) return kQuoteLeft;
  if (code >= kFirstPrintable && code <= kLastPrintable) return code;
  return kReplacement;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The font number of a "_NN" at the start of rest, or -1.
int fontCodeAt(std::string_view rest) {
  if (rest.size() < kFontCodeLength || rest[0] != kFontMark || !isDigit(rest[1]) ||
      !isDigit(rest[2])) {
    return -1;
  }
  return (rest[1] - '0') * 10 + (rest[2] - '0');
}

// The code of the accented letter an accent prefix at the start of rest
// makes, or -1 when rest does not start with one.
int accentedCodeAt(std::string_view rest) {
  if (rest.size() < 3 || rest[0] != rest[1]) return -1;
  for (const Accent& accent : kAccents) {
    if (accent.prefix != rest[0]) continue;
    size_t k = accent.letters.find(rest[2]);
    return k == std::string_view::npos ? -1 : accent.codes[k];
  }
  return -1;
}

void closeSpan(std::vector<TextSpan>& spans, TextSpan& span) {
  if (!span.text.empty()) spans.push_back(span);
  span.text.clear();
}

}  // namespace

std::vector<TextSpan> decodeScoreText(std::string_view raw) {
  std::vector<TextSpan> spans;
  TextSpan span;
  size_t i = 0;
  while (i < raw.size()) {
    std::string_view rest = raw.substr(i);
    if (int font = fontCodeAt(rest); font >= 0) {
      closeSpan(spans, span);
      span.fontCode = font;
      i += kFontCodeLength;
    } else if (int code = accentedCodeAt(rest); code >= 0) {
      appendUtf8(span.text, characterOfCode(static_cast<uint8_t>(code)));
      i += 3;
    } else {
      appendUtf8(span.text, characterOfCode(static_cast<uint8_t>(raw[i])));
      ++i;
    }
  }
  closeSpan(spans, span);
  return spans;
}

std::string joinedText(const std::vector<TextSpan>& spans) {
  std::string text;
  for (const TextSpan& span : spans) text += span.text;
  return text;
}

std::string fontName(int fontCode) {
  switch (fontCode) {
    case kTimesRoman: return "Times-Roman";
    case kTimesBold: return "Times-Bold";
    case kTimesItalic: return "Times-Italic";
    case kTimesBoldItalic: return "Times-BoldItalic";
    default: return "font " + std::to_string(fontCode);
  }
}
