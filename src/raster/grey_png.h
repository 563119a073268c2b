// PNG files of grey pages, in the smallest pixel format that holds them
// exactly: a bit a pixel for black and white, a byte for grey. Pages are
// compressed by run-length matching only, which suits line art and costs a
// fraction of the default.
#pragma once

#include <cstdint>
#include <vector>

#include "raster/grey_page.h"

// The PNG file of the page, at dotsPerMeter in both directions. Empty when
// libpng fails on a black-and-white page.
std::vector<uint8_t> encodeGreyPng(const GreyPage& page, uint32_t dotsPerMeter);

// True when every pixel is 0 or 255.
bool isBlackAndWhite(const GreyPage& page);
