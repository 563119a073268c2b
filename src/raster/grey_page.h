// The page image of the raster surface: one grey byte a pixel, 0 black,
// 255 white, rows top to bottom without padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct GreyPage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // width * height bytes

  uint8_t* row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
  const uint8_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
};

// A page of the given size with every pixel `level`; an empty one when
// either side is not positive.
GreyPage filledPage(int width, int height, uint8_t level);

inline GreyPage whitePage(int width, int height) { return filledPage(width, height, 255); }

// Blends grey level `level` over the pixel with the given coverage
// (0 leaves it, 255 replaces it), as a painter draws a solid colour with
// that alpha.
inline void blendPixel(uint8_t& pixel, uint8_t level, int coverage) {
  pixel = static_cast<uint8_t>(pixel +
                               ((level - pixel) * coverage + (level > pixel ? 127 : -127)) / 255);
}
