// Code lengths within their limit and making complete codes.
#include "raster/huffman_lengths.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The share of the code space the lengths take, in units of 2^-15.
uint32_t kraftSum(const std::vector<uint8_t>& lengths) {
  uint32_t sum = 0;
  for (uint8_t length : lengths) sum += length == 0 ? 0 : 1u << (15 - length);
  return sum;
}

TEST(HuffmanLengths, LimitedAndComplete) {
  // Fibonacci frequencies make the deepest tree: 29 symbols would need 28 bits.
  std::vector<uint32_t> fibonacci = {1, 1};
  while (fibonacci.size() < 29) fibonacci.push_back(fibonacci.end()[-1] + fibonacci.end()[-2]);
  fibonacci.push_back(0);
  for (int limit : {7, 15}) {
    std::vector<uint8_t> lengths = huffmanLengths(fibonacci, limit, true);
    EXPECT_LE(*std::max_element(lengths.begin(), lengths.end()), limit);
    EXPECT_EQ(lengths.back(), 0) << "a symbol never used has no code";
    EXPECT_EQ(kraftSum(lengths), 1u << 15) << "limit " << limit;
  }
}

TEST(HuffmanLengths, LoneSymbol) {
  std::vector<uint32_t> lone = {0, 0, 5, 0};
  EXPECT_EQ(huffmanLengths(lone, 15, false), (std::vector<uint8_t>{0, 0, 1, 0}));
  EXPECT_EQ(kraftSum(huffmanLengths(lone, 15, true)), 1u << 15);
}

TEST(HuffmanLengths, CanonicalCodesAreReversedAndDistinct) {
  // Lengths 1, 2, 3, 3: codes 0, 10, 110, 111, sent from the low bit.
  EXPECT_EQ(canonicalCodes({1, 2, 3, 3}), (std::vector<uint16_t>{0b0, 0b01, 0b011, 0b111}));
}

}  // namespace
