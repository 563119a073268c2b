#include "raster/run_deflate.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "raster/huffman_lengths.h"

namespace {

constexpr uint64_t kAdler = 65521;
// Below 2^24 bytes a row, a row's sums add less than 2^59.
constexpr size_t kLongestRow = size_t{1} << 24;
constexpr int kLiteralsAndLengths = 286;
constexpr int kEndOfBlock = 256;
// Tokens a block: its codes fit its part of the page, and the buffers stay
// small, which spares a short process the faults of fresh memory.
constexpr size_t kBlockTokens = 1 << 14;
constexpr size_t kFirstOutput = 1 << 16;

// Deflate's lengths 3 to 258 as (base, extra bits) of codes 257 to 285.
constexpr std::array<uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                  15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                  67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
// The order in which the code-length code's lengths are sent.
constexpr std::array<uint8_t, 19> kCodeLengthOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                      11, 4,  12, 3, 13, 2, 14, 1, 15};

// Where the run of row[from] starting at `from` ends, eight bytes at a time.
size_t runEnd(const uint8_t* row, size_t from, size_t size) {
  uint8_t byte = row[from];
  uint64_t all = 0x0101010101010101ull * byte;
  size_t x = from + 1;
  for (; x + 8 <= size; x += 8) {
    uint64_t word;
    std::memcpy(&word, row + x, 8);
    if (word != all) break;
  }
  while (x < size && row[x] == byte) ++x;
  return x;
}

// The length symbol (257 to 285) of a length of 3 to 258, by table.
const std::array<uint16_t, 259> kLengthSymbol = [] {
  std::array<uint16_t, 259> symbols{};
  for (size_t code = 0; code < kLengthBase.size(); ++code) {
    size_t end = code + 1 < kLengthBase.size() ? kLengthBase[code + 1] : 259;
    for (size_t length = kLengthBase[code]; length < end; ++length) {
      symbols[length] = static_cast<uint16_t>(257 + code);
    }
  }
  return symbols;
}();

// The code lengths as deflate sends them: symbols 0 to 15 for a length,
// 16 to repeat the last 3 to 6 times, 17 and 18 for 3 to 10 and 11 to 138
// zeros; each with the value of its extra bits.
std::vector<std::pair<uint8_t, uint8_t>> lengthSymbols(const std::vector<uint8_t>& lengths) {
  std::vector<std::pair<uint8_t, uint8_t>> out;
  for (size_t i = 0; i < lengths.size();) {
    uint8_t value = lengths[i];
    size_t run = 1;
    while (i + run < lengths.size() && lengths[i + run] == value) ++run;
    i += run;
    if (value == 0) {
      for (; run >= 11; run -= std::min<size_t>(run, 138)) {
        out.push_back({18, static_cast<uint8_t>(std::min<size_t>(run, 138) - 11)});
      }
      if (run >= 3) out.push_back({17, static_cast<uint8_t>(run - 3)});
      if (run >= 3) run = 0;
    } else {
      out.push_back({value, 0});
      --run;
      for (; run >= 3; run -= std::min<size_t>(run, 6)) {
        out.push_back({16, static_cast<uint8_t>(std::min<size_t>(run, 6) - 3)});
      }
    }
    for (; run > 0; --run) out.push_back({value, 0});
  }
  return out;
}

int extraBits(uint8_t lengthSymbol) {
  return lengthSymbol == 16 ? 2 : lengthSymbol == 17 ? 3 : lengthSymbol == 18 ? 7 : 0;
}

}  // namespace

RunDeflate::RunDeflate() {
  tokens_.reserve(kBlockTokens);
  out_.reserve(kFirstOutput);
  out_ = {0x78, 0x01};  // deflate, 32 kB window, no dictionary
}

void RunDeflate::put(uint32_t bits, int count) {
  bits_ |= static_cast<uint64_t>(bits) << pending_;
  pending_ += count;
  if (pending_ >= 32) {
    size_t at = out_.size();
    out_.resize(at + 4);
    auto word = static_cast<uint32_t>(bits_);
    for (int k = 0; k < 4; ++k) out_[at + k] = static_cast<uint8_t>(word >> (8 * k));
    bits_ >>= 32;
    pending_ -= 32;
  }
}

void RunDeflate::addRun(uint8_t byte, size_t length) {
  // The Adler-32 sums over `length` bytes of one value, in closed form;
  // reduced by reduceSums, since a division each run costs more than the
  // rest of the run.
  sumB_ += length * sumA_ + byte * (length * (length + 1) / 2);
  sumA_ += length * byte;
  tokens_.push_back({byte, 0});
  size_t left = length - 1;
  for (; left >= 3; left -= std::min<size_t>(left, 258)) {
    size_t part = std::min<size_t>(left, 258);
    uint16_t symbol = kLengthSymbol[part];
    tokens_.push_back({symbol, static_cast<uint16_t>(part - kLengthBase[symbol - 257])});
  }
  for (; left > 0; --left) tokens_.push_back({byte, 0});
}

void RunDeflate::reduceSums() {
  sumA_ %= kAdler;
  sumB_ %= kAdler;
}

void RunDeflate::addRow(const uint8_t* bytes, size_t size) {
  if (tokens_.size() >= kBlockTokens) writeBlock(false);
  // Sums reduced once a row stay far below 2^64 for rows of up to
  // kLongestRow bytes; longer ones are reduced after each run.
  const bool longRow = size > kLongestRow;
  addRun(0, 1);
  for (size_t x = 0; x < size;) {
    size_t end = runEnd(bytes, x, size);
    addRun(bytes[x], end - x);
    if (longRow) reduceSums();
    x = end;
  }
  reduceSums();
}

void RunDeflate::writeBlock(bool last) {
  std::vector<uint32_t> frequencies(kLiteralsAndLengths, 0);
  for (const Token& token : tokens_) ++frequencies[token.symbol];
  frequencies[kEndOfBlock] = 1;
  std::vector<uint8_t> literalLengths = huffmanLengths(frequencies, 15, true);
  std::vector<uint16_t> literalCodes = canonicalCodes(literalLengths);
  // The one distance, 1, is code 0.
  std::vector<uint8_t> codeLengths = literalLengths;
  codeLengths.push_back(1);
  auto sent = lengthSymbols(codeLengths);
  std::vector<uint32_t> sentFrequencies(19, 0);
  for (auto [symbol, extra] : sent) ++sentFrequencies[symbol];
  std::vector<uint8_t> sentLengths = huffmanLengths(sentFrequencies, 7, true);
  std::vector<uint16_t> sentCodes = canonicalCodes(sentLengths);
  int order = 19;
  while (order > 4 && sentLengths[kCodeLengthOrder[order - 1]] == 0) --order;

  put(last ? 1 : 0, 1);
  put(2, 2);  // dynamic codes
  put(kLiteralsAndLengths - 257, 5);
  put(0, 5);  // one distance code
  put(static_cast<uint32_t>(order - 4), 4);
  for (int i = 0; i < order; ++i) put(sentLengths[kCodeLengthOrder[i]], 3);
  for (auto [symbol, extra] : sent) {
    put(sentCodes[symbol], sentLengths[symbol]);
    put(extra, extraBits(symbol));
  }
  for (const Token& token : tokens_) {
    put(literalCodes[token.symbol], literalLengths[token.symbol]);
    if (token.symbol > kEndOfBlock) {
      put(token.extra, kLengthExtra[token.symbol - 257]);
      put(0, 1);  // distance 1
    }
  }
  put(literalCodes[kEndOfBlock], literalLengths[kEndOfBlock]);
  tokens_.clear();
}

std::vector<uint8_t> RunDeflate::finish() {
  writeBlock(true);
  while (pending_ > 0) {
    out_.push_back(static_cast<uint8_t>(bits_));
    bits_ >>= 8;
    pending_ = std::max(0, pending_ - 8);
  }
  for (int shift = 24; shift >= 0; shift -= 8) {
    out_.push_back(static_cast<uint8_t>((sumB_ << 16 | sumA_) >> shift));
  }
  return std::move(out_);
}
