// A zlib stream for pages: each row's runs of one byte as a literal and
// back-references one byte behind, in blocks of deflate's dynamic codes. A
// page is mostly long runs of white, so this costs a few tens of
// instructions a run where a general compressor spends tens a byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class RunDeflate {
 public:
  RunDeflate();

  // Adds a row of a PNG image, unfiltered: filter type 0, then the bytes.
  void addRow(const uint8_t* bytes, size_t size);
  // The zlib stream of everything added; call once, after a row at least.
  std::vector<uint8_t> finish();

 private:
  // A literal (0 to 255) or a length symbol (257 to 285) with its extra
  // bits' value; every length is one byte behind.
  struct Token {
    uint16_t symbol;
    uint16_t extra;
  };

  void put(uint32_t bits, int count);
  void addRun(uint8_t byte, size_t length);
  void reduceSums();
  void writeBlock(bool last);

  std::vector<Token> tokens_;  // of the block being gathered
  std::vector<uint8_t> out_;
  uint64_t bits_ = 0;
  int pending_ = 0;               // bits in bits_
  uint64_t sumA_ = 1, sumB_ = 0;  // the Adler-32 of the bytes added
};
