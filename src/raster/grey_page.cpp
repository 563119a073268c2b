#include "raster/grey_page.h"

GreyPage filledPage(int width, int height, uint8_t level) {
  GreyPage page;
  if (width <= 0 || height <= 0) return page;
  page.width = width;
  page.height = height;
  page.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), level);
  return page;
}
