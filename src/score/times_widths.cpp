#include "score/times_widths.h"

#include <array>
#include <cstdint>

#include "score/score_text.h"

namespace {

constexpr char32_t kFirstAscii = 0x20;
constexpr char32_t kLastAscii = 0x7E;
constexpr int kAsciiCount = kLastAscii - kFirstAscii + 1;
constexpr double kPerMille = 0.001;
constexpr double kUnknownWidth = 0.5;

// Advances in thousandths of an em of the characters U+0020..U+007E, from
// the faces' metric files.
constexpr std::array<std::array<int16_t, kAsciiCount>, 4> kAsciiWidths = {{
    {{
        // Regular
        250, 333, 408, 500, 500, 833, 778, 180, 333, 333, 500, 564, 250, 333, 250, 278,
        500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 278, 278, 564, 564, 564, 444,
        921, 722, 667, 667, 722, 611, 556, 722, 722, 333, 389, 722, 611, 889, 722, 722,
        556, 722, 667, 556, 611, 722, 722, 944, 722, 722, 611, 333, 278, 333, 469, 500,
        333, 444, 500, 444, 500, 444, 333, 500, 500, 278, 278, 500, 278, 778, 500, 500,
        500, 500, 333, 389, 278, 500, 500, 722, 500, 500, 444, 480, 200, 480, 541,
    }},
    {{
        // Bold
        250, 333, 555, 500, 500, 1000, 833, 278,  333, 333, 500, 570, 250, 333, 250, 278,
        500, 500, 500, 500, 500, 500,  500, 500,  500, 500, 333, 333, 570, 570, 570, 500,
        930, 722, 667, 722, 722, 667,  611, 778,  778, 389, 500, 778, 667, 944, 722, 778,
        611, 778, 722, 556, 667, 722,  722, 1000, 722, 722, 667, 333, 278, 333, 581, 500,
        333, 500, 556, 444, 556, 444,  333, 500,  556, 278, 333, 556, 278, 833, 556, 500,
        556, 556, 444, 389, 333, 556,  500, 722,  500, 500, 444, 394, 220, 394, 520,
    }},
    {{
        // Italic
        250, 333, 420, 500, 500, 833, 778, 214, 333, 333, 500, 675, 250, 333, 250, 278,
        500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 333, 333, 675, 675, 675, 500,
        920, 611, 611, 667, 722, 611, 611, 722, 722, 333, 444, 667, 556, 833, 667, 722,
        611, 722, 611, 500, 556, 722, 611, 833, 611, 556, 556, 389, 278, 389, 422, 500,
        333, 500, 500, 444, 500, 444, 278, 500, 500, 278, 278, 444, 278, 722, 500, 500,
        500, 500, 389, 389, 278, 500, 444, 667, 444, 444, 389, 400, 275, 400, 541,
    }},
    {{
        // BoldItalic
        250, 389, 555, 500, 500, 833, 778, 278, 333, 333, 500, 570, 250, 333, 250, 278,
        500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 333, 333, 570, 570, 570, 500,
        832, 667, 667, 667, 722, 667, 667, 722, 778, 389, 500, 667, 611, 889, 722, 722,
        611, 722, 667, 556, 611, 722, 667, 889, 667, 611, 611, 333, 278, 333, 570, 500,
        333, 500, 500, 444, 500, 444, 333, 500, 556, 278, 278, 500, 278, 778, 556, 500,
        500, 500, 389, 389, 278, 556, 444, 667, 500, 444, 389, 348, 220, 348, 570,
    }},
}};

// The letter each of U+00C0..U+00FF is an accented form of; 0 where there
// is none.
constexpr char32_t kFirstLatin = 0xC0;
constexpr std::string_view kLatinLetters{
    "AAAAAA\0CEEEEIIIIDNOOOOO\0OUUUUY\0\0aaaaaa\0ceeeeiiiidnooooo\0ouuuuy\0y", 64};

struct Stand {
  char32_t character;
  char32_t like;  // an ASCII character of the same width in every face
};
constexpr std::array<Stand, 8> kStands = {{{U'’', U'('},
                                           {U'‘', U'('},
                                           {U'−', U'+'},
                                           {U'š', U's'},
                                           {U'ž', U'z'},
                                           {U'Š', U'S'},
                                           {U'Ž', U'Z'},
                                           {U'Ÿ', U'Y'}}};

// The ASCII character whose width c has, or 0.
char32_t widthLike(char32_t c) {
  if (c >= kFirstAscii && c <= kLastAscii) return c;
  if (c >= kFirstLatin && c - kFirstLatin < kLatinLetters.size()) {
    return static_cast<unsigned char>(kLatinLetters[c - kFirstLatin]);
  }
  for (const Stand& stand : kStands) {
    if (stand.character == c) return stand.like;
  }
  return 0;
}

// Bytes of the UTF-8 sequence a lead byte starts, 0 for a byte that starts
// none.
size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 0;
}

// The code point at text[*i], moving *i past it; a byte that starts no
// well-formed sequence is taken alone, as U+FFFD.
char32_t nextCodePoint(std::string_view text, size_t* i) {
  auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  unsigned char lead = byte(*i);
  size_t length = sequenceLength(lead);
  if (length == 0 || *i + length > text.size()) {
    ++*i;
    return 0xFFFD;
  }
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    if ((byte(*i + k) & 0xC0) != 0x80) {
      ++*i;
      return 0xFFFD;
    }
    c = (c << 6) | (byte(*i + k) & 0x3F);
  }
  *i += length;
  return c;
}

}  // namespace

double timesAdvance(int fontCode, std::string_view utf8) {
  const auto& widths =
      kAsciiWidths[fontCode >= kTimesRoman && fontCode <= kTimesBoldItalic ? fontCode
                                                                           : kTimesRoman];
  double advance = 0;
  for (size_t i = 0; i < utf8.size();) {
    char32_t like = widthLike(nextCodePoint(utf8, &i));
    advance += like == 0 ? kUnknownWidth : widths[like - kFirstAscii] * kPerMille;
  }
  return advance;
}
