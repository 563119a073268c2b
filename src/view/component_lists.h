// The components of the last layout pass of one document in one view:
// positioned private copies of library symbols, listed per item. The layout
// fills them (src/layout/component_store.h); the painter draws them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "library/library_table.h"

// A component has exactly the fields of a library symbol.
using Component = LibrarySymbol;

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
