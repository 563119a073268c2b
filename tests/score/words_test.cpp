#include "score/words.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "score/conversions.h"

TEST(Words, ReadsLittleEndianAtOddOffsets) {
  // Words of a SCORE file start at byte 2 + 4k; offset 1 checks unaligned access too.
  const uint8_t bytes[] = {0xAA, 0x00, 0x3C, 0x1C, 0xC6, 0xFE, 0xFF};
  EXPECT_EQ(readFloatAt(bytes + 1), -9999.0f);
  EXPECT_EQ(readUint16At(bytes + 5), 0xFFFE);
  EXPECT_EQ(readInt16At(bytes + 5), -2);
  EXPECT_EQ(readInt32At(bytes + 3), static_cast<int32_t>(0xFFFEC61C));
}

TEST(Words, WritesLittleEndian) {
  uint8_t bytes[7] = {};
  writeFloatAt(bytes + 1, 3.0f);
  EXPECT_EQ(std::vector<uint8_t>(bytes + 1, bytes + 5), (std::vector<uint8_t>{0, 0, 0x40, 0x40}));
  writeInt32At(bytes + 3, 19660);
  EXPECT_EQ(std::vector<uint8_t>(bytes + 3, bytes + 7), (std::vector<uint8_t>{0xCC, 0x4C, 0, 0}));
  writeInt16At(bytes, -2);
  EXPECT_EQ(bytes[0], 0xFE);
  EXPECT_EQ(bytes[1], 0xFF);
  writeUint16At(bytes, 0x1234);
  EXPECT_EQ(readUint16At(bytes), 0x1234);
}

TEST(Words, FloatBitsSurviveRoundTrip) {
  uint8_t bytes[4];
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (float v : {0.0f, -0.0f, 1.0f / 3.0f, -2.5e-40f, 3.4e38f, nan}) {
    writeFloatAt(bytes, v);
    float back = readFloatAt(bytes);
    EXPECT_EQ(std::memcmp(&v, &back, 4), 0) << v;
  }
}

TEST(Conversions, TruncatesTowardZeroAndSaturates) {
  struct Row {
    const char* name;
    double value;
    int32_t expected;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Row rows[] = {
      {"positive fraction", 2.9, 2},
      {"negative fraction", -2.9, -2},
      {"negative below one", -0.7, 0},
      {"largest int", 2147483647.0, INT32_MAX},
      {"just above int range", 2147483648.0, INT32_MAX},
      {"smallest int", -2147483648.0, INT32_MIN},
      {"fraction below smallest int", -2147483648.9, INT32_MIN},
      {"far below range", -1e30, INT32_MIN},
      {"plus infinity", inf, INT32_MAX},
      {"minus infinity", -inf, INT32_MIN},
      {"NaN", std::nan(""), 0},
  };
  for (const Row& row : rows) EXPECT_EQ(truncToInt(row.value), row.expected) << row.name;
}
