// Code lengths of length-limited Huffman codes, for deflate's dynamic blocks.
#pragma once

#include <cstdint>
#include <vector>

// The length of each symbol's code (0 for a symbol of no frequency), none
// longer than maxLength, the code complete: a lone symbol is given a partner
// (the first other symbol) when `complete` is asked, else the length 1.
std::vector<uint8_t> huffmanLengths(std::vector<uint32_t> frequencies, int maxLength,
                                    bool complete);

// The canonical codes of the lengths, bit-reversed for a stream written
// from the least significant bit.
std::vector<uint16_t> canonicalCodes(const std::vector<uint8_t>& lengths);
