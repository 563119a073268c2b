#include "raster/cosmetic_line.h"

#include <algorithm>
#include <utility>

namespace {

void setPixel(GreyPage& page, int64_t x, int64_t y, uint8_t level) {
  if (x >= 0 && y >= 0 && x < page.width && y < page.height) page.row(int(y))[x] = level;
}

// Steps along the major axis a (the other is b) over [min, max), clipped to
// [0, limit); across, the pixel under the line at each whole a, found
// exactly: floor(b0 + (a - a0) (b1 - b0) / (a1 - a0)). `plot` takes (a, b),
// `plotRun` (from, to, b) for a line along a.
template <typename Plot, typename PlotRun>
void walk(int64_t a0, int64_t b0, int64_t a1, int64_t b1, int64_t limit, Plot plot,
          PlotRun plotRun) {
  if (a1 < a0) {
    std::swap(a0, a1);
    std::swap(b0, b1);
  }
  const int64_t run = a1 - a0, rise = b1 - b0;  // |rise| <= run
  int64_t a = std::max<int64_t>(a0, 0), end = std::min(a1, limit);
  if (a >= end) return;
  // b = floor(numerator / run), the remainder kept in [0, run) from step to
  // step: exact without a division per pixel.
  __int128 numerator = static_cast<__int128>(b0) * run + static_cast<__int128>(a - a0) * rise;
  __int128 whole = numerator / run, rest = numerator % run;
  if (rest < 0) {
    --whole;
    rest += run;
  }
  auto b = static_cast<int64_t>(whole);
  auto remainder = static_cast<int64_t>(rest);
  if (rise == 0) {
    plotRun(a, end, b);
    return;
  }
  for (; a < end; ++a) {
    plot(a, b);
    remainder += rise;
    if (remainder >= run) {
      remainder -= run;
      ++b;
    } else if (remainder < 0) {
      remainder += run;
      --b;
    }
  }
}

}  // namespace

void drawCosmeticLine(GreyPage& page, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                      uint8_t level) {
  int64_t dx = x1 - x0, dy = y1 - y0;
  auto pixel = [&](int64_t x, int64_t y) { setPixel(page, x, y, level); };
  if (dx == 0 && dy == 0) {
    pixel(x0, y0);
  } else if (std::llabs(dx) >= std::llabs(dy)) {
    walk(x0, y0, x1, y1, page.width, pixel, [&](int64_t from, int64_t to, int64_t y) {
      if (y >= 0 && y < page.height)
        std::fill(page.row(int(y)) + from, page.row(int(y)) + to, level);
    });
  } else {
    walk(
        y0, x0, y1, x1, page.height, [&](int64_t y, int64_t x) { pixel(x, y); },
        [&](int64_t from, int64_t to, int64_t x) {
          for (int64_t y = from; y < to; ++y) pixel(x, y);
        });
  }
}
