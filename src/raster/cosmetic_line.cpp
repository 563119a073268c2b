#include "raster/cosmetic_line.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

void setPixel(GreyPage& page, int64_t x, int64_t y, uint8_t level) {
  if (x >= 0 && y >= 0 && x < page.width && y < page.height) page.row(int(y))[x] = level;
}

// Steps along the major axis a (the other is b); `plot` takes (a, b).
template <typename Plot>
void walk(int64_t a0, int64_t b0, int64_t a1, int64_t b1, int64_t limit, Plot plot) {
  double slope = static_cast<double>(b1 - b0) / static_cast<double>(a1 - a0);
  int64_t from = std::max<int64_t>(std::min(a0, a1), 0);
  int64_t to = std::min<int64_t>(std::max(a0, a1), limit);
  for (int64_t a = from; a < to; ++a) {
    double b = b0 + 0.5 + static_cast<double>(a - a0) * slope;
    plot(a, static_cast<int64_t>(std::floor(b)));
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
