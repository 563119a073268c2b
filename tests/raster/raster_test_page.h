// Small grey pages for the raster tests, and their pixels as text.
#pragma once

#include <string>

#include "raster/grey_page.h"

// The page's rows, '#' for black, '+' for grey, '.' for white, each row
// ended by '\n': the pictures the tests compare against.
inline std::string picture(const GreyPage& page) {
  std::string text;
  for (int y = 0; y < page.height; ++y) {
    for (int x = 0; x < page.width; ++x) {
      uint8_t v = page.row(y)[x];
      text += v == 0 ? '#' : v == 255 ? '.' : '+';
    }
    text += '\n';
  }
  return text;
}

inline int blackPixels(const GreyPage& page) {
  int count = 0;
  for (uint8_t v : page.pixels) count += v == 0;
  return count;
}
