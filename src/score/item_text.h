// Changing the characters of a text item, which changes its length in words.
#pragma once

#include <string>

#include "score/document.h"

// Replaces the characters of text item i (1 <= i <= item count) with text:
// P12 becomes the new length and the characters are padded with spaces to a
// word boundary, so the item has 13 + ceil(length / 4) parameters, as the
// writer gives text items. P1..P11 and P13 and every other item stay, as do
// the file's trailer values; the table is read again from the changed image,
// so every item record is new afterwards (components must be laid out again). Returns false
// with *error set, changing nothing, when item i is not a text item or the
// file would hold more words than its 16-bit count allows.
bool replaceItemText(Document& document, int i, const std::string& text, std::string* error);
