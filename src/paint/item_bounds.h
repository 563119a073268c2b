// Where each item of a page was drawn, and the item at a point: what the
// window picks under the mouse.
#pragma once

#include <vector>

// The device-pixel box around everything drawn between an item's brackets.
struct ItemBox {
  int item = 0;  // 1-based item number
  double left = 0, top = 0, right = 0, bottom = 0;
};

// The item whose box holds (x, y), each box taken reach pixels larger on
// every side so that thin lines can be hit; 0 when none does. Where boxes
// overlap, the smallest wins (a note before the staff it sits on), and of
// equal ones the later, drawn on top.
int itemAtPoint(const std::vector<ItemBox>& boxes, double x, double y, double reach);

// The box of item, or null when it drew nothing.
const ItemBox* boxOfItem(const std::vector<ItemBox>& boxes, int item);
