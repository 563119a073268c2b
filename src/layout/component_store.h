// Components: positioned private copies of library symbols, held by items.
#pragma once

#include "library/library_table.h"

// A component has exactly the fields of a library symbol.
using Component = LibrarySymbol;

// Components alive at once, over all items. A dense real page needs a few
// thousand; without a limit a hostile page of thousands of rests asking for
// hundreds of hooks and dots each took gigabytes and minutes per relayout.
constexpr int kMaxComponents = 50000;

// A new component copied from library symbol `symbol` (name, points, draw
// list), owned by the caller; null under the same conditions as addComponent.
Component* newComponent(int symbol);

// Appends a copy of `symbol` to item `item`'s component list and returns it,
// or returns null (and adds nothing) when the item is outside 1..item count,
// the symbol is outside 0..199, its slot is empty or it has no draw entries,
// or kMaxComponents components are alive (until freeComponent releases some).
// The list grows as needed; slot order is drawing order.
Component* addComponent(int item, int symbol);

// Releases a component and its arrays.
void freeComponent(Component* component);

// Empties every item's component list; all component counts become 0. The
// records stay with their items, still counted as alive, and the next layout
// pass refills them in place; releaseItem frees them.
void freeAllComponents();

// Point operations on a component or a library symbol. Results beyond the
// int32 range saturate instead of wrapping.
void translateComponent(LibrarySymbol& record, int dx, int dy);
void scaleComponent(LibrarySymbol& record, float f);  // trunc(coordinate x f)
void multiplyComponent(LibrarySymbol& record, int mx, int my);
