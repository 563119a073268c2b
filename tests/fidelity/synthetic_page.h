// Small made-up pages: staves of five lines, which repeat and so tempt an
// aligner to lock onto the wrong staff, and scattered note-like blobs.
#pragma once

#include <cstdint>

#include "ink_image.h"

inline void inkRect(InkImage& image, int left, int top, int width, int height) {
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) {
      if (x >= 0 && y >= 0 && x < image.width && y < image.height) {
        image.ink[static_cast<size_t>(y) * image.width + x] = 1;
      }
    }
  }
}

inline InkImage blankImage(int width, int height) {
  InkImage image;
  image.width = width;
  image.height = height;
  image.ink.assign(static_cast<size_t>(width) * height, 0);
  return image;
}

// Staves from (originX, originY), blobs placed by a fixed pseudo-random
// sequence; `scale` 2 draws as at about 200 dpi what 1 draws as at 96.
inline InkImage syntheticPage(int width, int height, int originX, int originY, int scale = 1) {
  InkImage page = blankImage(width, height);
  for (int staff = 0; staff < 4; ++staff) {
    for (int line = 0; line < 5; ++line) {
      inkRect(page, originX + 20 * scale, originY + (30 + staff * 70 + line * 7) * scale,
              width - 80 * scale, scale);
    }
  }
  uint32_t state = 12345;
  for (int blob = 0; blob < 60; ++blob) {
    state = state * 1103515245u + 12345u;
    const int x = static_cast<int>((state >> 8) % static_cast<uint32_t>(width - 100 * scale));
    state = state * 1103515245u + 12345u;
    const int y = static_cast<int>((state >> 8) % static_cast<uint32_t>(height - 100 * scale));
    inkRect(page, originX + 30 * scale + x, originY + 20 * scale + y, 5 * scale, 4 * scale);
  }
  return page;
}
