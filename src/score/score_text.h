// SCORE's text strings in Unicode: the font codes that start a string or
// switch fonts inside it, the two-character accent prefixes, and the bytes
// of SCORE's own character encoding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// SCORE's font numbers 0..3 are the four Times faces; codes above name
// other PostScript fonts that these pages never use.
constexpr int kTimesRoman = 0;
constexpr int kTimesBold = 1;
constexpr int kTimesItalic = 2;
constexpr int kTimesBoldItalic = 3;

// A stretch of a string in one font.
struct TextSpan {
  int fontCode = kTimesRoman;  // the NN of "_NN"
  std::string text;            // UTF-8
};

// Splits a SCORE string into spans at its "_NN" font codes (a string without
// a leading code is Times-Roman) and turns accent prefixes ("%%u" ü, "<<e"
// é, ">>e" è, "^^e" ê, "~~n" ñ) and SCORE's encoded bytes into UTF-8. A
// prefix before a letter it has no accented form of stays as written; a
// byte with no known character becomes U+FFFD. Empty spans are left out.
std::vector<TextSpan> decodeScoreText(std::string_view raw);

// The spans' texts one after another.
std::string joinedText(const std::vector<TextSpan>& spans);

// PostScript name of a font code ("Times-Italic"); other codes read
// "font NN".
std::string fontName(int fontCode);
