// PNG files of grey pages read back with exactly their pixels.
#include "raster/grey_png.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstring>

#include "raster_test_page.h"

namespace {

struct Decoded {
  GreyPage page;
  int bitDepth = 0;
  uint32_t dotsPerMeter = 0;
};

struct Reading {
  const std::vector<uint8_t>* bytes;
  size_t at;
};

void readBytes(png_structp png, png_bytep out, size_t size) {
  auto* reading = static_cast<Reading*>(png_get_io_ptr(png));
  if (reading->at + size > reading->bytes->size()) png_error(png, "truncated");
  std::memcpy(out, reading->bytes->data() + reading->at, size);
  reading->at += size;
}

// The file decoded to a byte a pixel.
bool decode(const std::vector<uint8_t>& bytes, Decoded* out) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  Reading reading{&bytes, 0};
  bool decoded = false;
  if (!setjmp(png_jmpbuf(png))) {
    png_set_read_fn(png, &reading, readBytes);
    png_read_info(png, info);
    out->bitDepth = png_get_bit_depth(png, info);
    png_uint_32 x = 0, y = 0;
    int unit = 0;
    png_get_pHYs(png, info, &x, &y, &unit);
    out->dotsPerMeter = x;
    png_set_expand_gray_1_2_4_to_8(png);
    out->page = whitePage(static_cast<int>(png_get_image_width(png, info)),
                          static_cast<int>(png_get_image_height(png, info)));
    for (int row = 0; row < out->page.height; ++row) png_read_row(png, out->page.row(row), nullptr);
    decoded = true;
  }
  png_destroy_read_struct(&png, &info, nullptr);
  return decoded;
}

TEST(GreyPng, ReadsBackExactly) {
  struct Row {
    const char* name;
    int width;
    uint8_t odd;  // every third pixel, the rest white
    int bitDepth;
  };
  const Row rows[] = {
      {"black, one pixel wide", 1, 0, 1},
      {"black and white, a row ending inside a byte", 13, 0, 1},
      {"black and white, whole bytes", 16, 0, 1},
      {"grey", 9, 128, 8},
      {"nearly white", 7, 254, 8},
  };
  for (const Row& row : rows) {
    GreyPage page = whitePage(row.width, 3);
    for (int y = 0; y < page.height; ++y) {
      for (int x = 0; x < page.width; ++x) {
        if ((x + y) % 3 == 0) page.row(y)[x] = row.odd;
      }
    }
    Decoded decoded;
    ASSERT_TRUE(decode(encodeGreyPng(page, 3780), &decoded)) << row.name;
    EXPECT_EQ(decoded.bitDepth, row.bitDepth) << row.name;
    EXPECT_EQ(decoded.dotsPerMeter, 3780u) << row.name;
    EXPECT_EQ(picture(decoded.page), picture(page)) << row.name;
    EXPECT_EQ(decoded.page.pixels, page.pixels) << row.name;
  }
  EXPECT_TRUE(encodeGreyPng(GreyPage(), 3780).empty()) << "an empty page";
}

TEST(GreyPng, LongRunsAndManyBlocksReadBackExactly) {
  // Runs of every length from 1 to past what one back-reference copies,
  // in every grey, and enough short ones for several compressed blocks.
  GreyPage page = whitePage(700, 400);
  uint32_t seed = 1;
  for (int y = 0; y < page.height; ++y) {
    for (int x = 0; x < page.width;) {
      seed = seed * 1103515245u + 12345u;
      int length = y % 4 == 0 ? 1 + static_cast<int>(seed >> 16) % 600 : 1 + (seed >> 16) % 3;
      auto level = static_cast<uint8_t>(seed >> 8);
      for (int end = std::min(page.width, x + length); x < end; ++x) page.row(y)[x] = level;
    }
  }
  Decoded decoded;
  ASSERT_TRUE(decode(encodeGreyPng(page, 3780), &decoded));
  EXPECT_EQ(decoded.bitDepth, 8);
  EXPECT_EQ(decoded.page.pixels, page.pixels);
}

}  // namespace
