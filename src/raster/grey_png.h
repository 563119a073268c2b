// PNG files of grey pages, in the smallest pixel format that holds them
// exactly: a bit a pixel for black and white, a byte for grey. Line art
// compresses as well with run-length matching as with the default, at a
// fraction of the cost.
#pragma once

#include <cstdint>
#include <vector>

#include "raster/grey_page.h"

// The PNG file of the page, at dotsPerMeter in both directions. Empty when
// libpng fails.
std::vector<uint8_t> encodeGreyPng(const GreyPage& page, uint32_t dotsPerMeter);

// True when every pixel is 0 or 255.
bool isBlackAndWhite(const GreyPage& page);
