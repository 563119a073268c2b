// What the text items (code 16) and numbers (code 10) of a page print, and
// the listing of them that lets an archive of pages be searched.
#pragma once

#include <string>
#include <vector>

#include "score/document.h"
#include "score/score_text.h"

// The spans a text item prints: its characters decoded, each span in the
// PostScript font of P8 when P8 names one (9700..9734 for fonts 0..34).
std::vector<TextSpan> textItemSpans(const ItemRecord& item);

// One line for each text and number item, in item order: the item number,
// the staff (P2), x and y of the first character's baseline origin (P3 +
// P11 or P3 + P15, and P4), the font names of its spans joined by "+", and
// the decoded UTF-8 string, separated by tabs. Numbers have at most three
// decimals; a string without characters leaves its font and text empty.
std::string textListing(const Document& document);
