// Builds SCORE file images in memory for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "score/document.h"

using ItemParams = std::vector<float>;

// A well-formed file image: word count, each item as count word + params,
// then the 6-word trailer (0.0, serial, version 3.0, units 0.0, 5.0, -9999.0).
std::vector<uint8_t> musImage(const std::vector<ItemParams>& items, int32_t serial = 1234,
                              float units = 0.0f);

// A text item's words: P1..P13 (P12 = text length) then the characters
// padded with spaces to a word boundary, as one parameter run.
std::vector<uint8_t> textItemWords(const ItemParams& p1to13, const std::string& text);

// A text item as one parameter run for musImage: P1..P11 as given (missing
// ones 0), P12 the length of text, P13 0, then the characters padded with
// spaces to a word boundary, each word taken as a float.
ItemParams textItemParams(ItemParams p1to11, const std::string& text);

// Loads items into document through the real reader; fails the current test
// when the reader refuses them.
void loadItems(Document& document, const std::vector<ItemParams>& items);

// Path of a corpus page, or empty when the corpus folder is absent.
std::string corpusPath(const std::string& name);
