// Advance widths of the four Times faces SCORE prints its text in. The
// Nimbus Roman faces the program draws with have the same widths, so a
// string placed with these lines up with the drawn glyphs.
#pragma once

#include <string_view>

// Width of a UTF-8 string in ems, in the face of a SCORE font code
// (score_text.h; codes beyond Times-BoldItalic read as Times-Roman). An
// accented letter is as wide as its letter; a character of no Times glyph
// counts half an em.
double timesAdvance(int fontCode, std::string_view utf8);
