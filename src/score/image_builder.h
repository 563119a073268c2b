// Building SCORE file images word by word, as the writer and the listing
// reader both do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Appends v as one little-endian float word.
void appendFloatWord(std::vector<uint8_t>& bytes, float v);

// Appends our own 6-word trailer: 0.0, kWrittenSerialNumber, version 3.0,
// units 0.0 (inches), trailer count 5.0, the end mark.
void appendWrittenTrailer(std::vector<uint8_t>& bytes);

// Stores the word count of an image that starts with 2 header bytes. Returns
// false with *error set when the words do not fit the 16-bit count.
bool storeWordCount(std::vector<uint8_t>& bytes, std::string* error);
