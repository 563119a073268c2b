// What a number item (code 10) prints: its digits or letter, and the font.
#pragma once

#include <string>

// P5 of a number item as SCORE prints it: 0..999 in digits, 1001..1026 the
// capitals A..Z, 1031..1056 the small letters a..z (the fraction is
// dropped). Any other value, NaN included, prints nothing: "".
std::string numberText(float p5);

// The font code (score_text.h) of P7: 1 Times-Italic, 9700..9734 the
// PostScript font P7 - 9700, anything else Times-Roman.
int numberFontCode(float p7);
