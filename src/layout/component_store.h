// The component store: fills a view's component lists with positioned
// copies of library symbols, and the point operations that place them.
#pragma once

#include "view/component_lists.h"

// Component records held at once by one view's lists. A dense real page
// needs a few thousand; without a limit a hostile page of thousands of rests
// asking for hundreds of hooks and dots each took gigabytes and minutes per
// relayout.
constexpr int kMaxComponents = 50000;

// Gives the lists one entry per item 1..itemCount and empties every list.
// Records of items past itemCount (a shorter document than before) are
// freed; the others stay for the next pass to refill in place.
void prepareComponentLists(ComponentLists& lists, int itemCount);

// Appends a copy of `symbol` to item `item`'s component list and returns it,
// or returns null (and adds nothing) when the item has no list, the symbol
// is outside 0..199, its slot is empty or it has no draw entries, or the
// lists hold kMaxComponents records. The list grows as needed; slot order is
// drawing order. The component stays where it is until the lists are
// prepared again. Its placement names the symbol, unmoved; the point
// operations leave the placement to the caller.
Component* addComponent(ComponentLists& lists, int item, int symbol);

// Empties every item's component list; all counts become 0. The records stay,
// still counted, and the next layout pass refills them in place.
void freeAllComponents(ComponentLists& lists);

// Point operations on a component or a library symbol. Results beyond the
// int32 range saturate instead of wrapping.
void translateComponent(LibrarySymbol& record, int dx, int dy);
void scaleComponent(LibrarySymbol& record, float f);  // trunc(coordinate x f)
void multiplyComponent(LibrarySymbol& record, int mx, int my);
