// Aliased one-pixel lines, as Qt's cosmetic pen with flat caps draws them
// between whole-pixel points.
#pragma once

#include <cstdint>

#include "raster/grey_page.h"

// The line from (x0, y0) to (x1, y1): along its longer axis (x when both
// are as long) the pixels from the lesser end to the greater, that one left
// out, in either direction; across, the pixel the line is in at each of
// them. A line of no length is one pixel. Only what lies on the page is
// drawn.
void drawCosmeticLine(GreyPage& page, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                      uint8_t level);
