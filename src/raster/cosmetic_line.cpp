#include "raster/cosmetic_line.h"

#include <algorithm>
#include <utility>

namespace {

void setPixel(GreyPage& page, int64_t x, int64_t y, uint8_t level) {
  if (x >= 0 && y >= 0 && x < page.width && y < page.height) page.row(int(y))[x] = level;
}

// Steps along the major axis a (the other is b) over [min, max), clipped to
// [0, limit); across, the pixel under the line at each whole a, found
// exactly: floor(b0 + (a - a0) (b1 - b0) / (a1 - a0)). `plot` takes (a, b).
template <typename Plot>
void walk(int64_t a0, int64_t b0, int64_t a1, int64_t b1, int64_t limit, Plot plot) {
  if (a1 < a0) {
    std::swap(a0, a1);
    std::swap(b0, b1);
  }
  const __int128 run = a1 - a0, rise = b1 - b0;
  for (int64_t a = std::max<int64_t>(a0, 0); a < std::min(a1, limit); ++a) {
    __int128 numerator = static_cast<__int128>(b0) * run + (a - a0) * rise;
    __int128 b = numerator / run;
    if (numerator % run != 0 && numerator < 0) --b;  // floor, not towards zero
    plot(a, static_cast<int64_t>(b));
  }
}

}  // namespace

void drawCosmeticLine(GreyPage& page, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                      uint8_t level) {
  int64_t dx = x1 - x0, dy = y1 - y0;
  if (dx == 0 && dy == 0) {
    setPixel(page, x0, y0, level);
  } else if (std::llabs(dx) >= std::llabs(dy)) {
    walk(x0, y0, x1, y1, page.width, [&](int64_t x, int64_t y) { setPixel(page, x, y, level); });
  } else {
    walk(y0, x0, y1, x1, page.height, [&](int64_t y, int64_t x) { setPixel(page, x, y, level); });
  }
}
