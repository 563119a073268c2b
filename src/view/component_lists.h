// The components of the last layout pass of one document in one view:
// positioned private copies of library symbols, listed per item. The layout
// fills them (src/layout/component_store.h); the painter draws them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "library/library_table.h"

// Where a component's vectors came from: library symbol `symbol`'s,
// mirrored upside down when asked, each coordinate times scale (truncated),
// then moved by (x, y). Surfaces that draw at print resolution use it to
// place the symbol's own outline instead of the truncated copy.
struct ComponentPlacement {
  int32_t symbol = -1;  // -1: not copied from the library table
  float scale = 1.0f;
  bool mirrored = false;
  int32_t x = 0;
  int32_t y = 0;
};

// A component has the fields of a library symbol and its placement.
struct Component : LibrarySymbol {
  Component() = default;
  explicit Component(const LibrarySymbol& symbol) : LibrarySymbol(symbol) {}
  ComponentPlacement placement;
};

struct ItemComponents {
  int32_t count = 0;  // live components: records[0 .. count-1], in drawing order
  // Records past count are kept from an earlier pass, to be refilled in place.
  std::vector<std::unique_ptr<Component>> records;
};

struct ComponentLists {
  std::vector<ItemComponents> items;  // index = item number; slot 0 unused
  int32_t liveRecords = 0;            // records held over all items
};

// The live components of item i, or null when the lists hold no such item.
const ItemComponents* componentsOf(const ComponentLists& lists, int i);
