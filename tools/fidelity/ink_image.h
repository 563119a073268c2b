// A page reduced to its ink, the form in which two renderings are compared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct InkImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> ink;  // row by row, width * height entries, 1 where inked
};

// True where (x, y) lies on the image and is inked; everything off the image
// is white, so images of different sizes compare as if padded.
inline bool inkAt(const InkImage& image, int x, int y) {
  return x >= 0 && y >= 0 && x < image.width && y < image.height &&
         image.ink[static_cast<size_t>(y) * image.width + x] != 0;
}

// True where any pixel of the 3x3 neighbourhood of (x, y) is inked: the
// one-pixel tolerance of every comparison.
inline bool inkNear(const InkImage& image, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (inkAt(image, x + dx, y + dy)) return true;
    }
  }
  return false;
}
