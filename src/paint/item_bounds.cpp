#include "paint/item_bounds.h"

namespace {

// Lines a pixel wide have boxes of no height; a pixel is added both ways so
// that they still compare by length.
double area(const ItemBox& box) { return (box.right - box.left + 1) * (box.bottom - box.top + 1); }

bool holds(const ItemBox& box, double x, double y, double reach) {
  return x >= box.left - reach && x <= box.right + reach && y >= box.top - reach &&
         y <= box.bottom + reach;
}

}  // namespace

int itemAtPoint(const std::vector<ItemBox>& boxes, double x, double y, double reach) {
  const ItemBox* best = nullptr;
  for (const ItemBox& box : boxes) {
    if (!holds(box, x, y, reach)) continue;
    if (best == nullptr || area(box) <= area(*best)) best = &box;
  }
  return best == nullptr ? 0 : best->item;
}

const ItemBox* boxOfItem(const std::vector<ItemBox>& boxes, int item) {
  for (const ItemBox& box : boxes) {
    if (box.item == item) return &box;
  }
  return nullptr;
}
