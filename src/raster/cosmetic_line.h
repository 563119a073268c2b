// Aliased one-pixel lines, as Qt's cosmetic pen with flat caps draws them
// between whole-pixel points.
#pragma once

#include <cstdint>

#include "raster/grey_page.h"

// The line from (x0, y0) to (x1, y1) runs through the centres of those
// pixels; along its longer axis it covers the pixels whose centres lie
// between the ends, the last one left out ([min, max) in either direction),
// and across, the pixel the line passes at each of those centres. A line of
// no length is one pixel. Only what lies on the page is drawn.
void drawCosmeticLine(GreyPage& page, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                      uint8_t level);
