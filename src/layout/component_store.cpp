#include "layout/component_store.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "score/conversions.h"

namespace {

int32_t saturate(int64_t v) {
  constexpr int64_t kLow = std::numeric_limits<int32_t>::min();
  constexpr int64_t kHigh = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(v, kLow, kHigh));
}

// A symbol is copied only from a filled slot that draws something: an empty
// draw list would make a component that the painter can do nothing with.
const LibrarySymbol* copyableSymbol(int symbol) {
  if (symbol < 0 || symbol >= kSymbolCount) return nullptr;
  const LibrarySymbol* source = libraryTable[symbol].get();
  if (source == nullptr || source->drawList.empty()) return nullptr;
  return source;
}

}  // namespace

void prepareComponentLists(ComponentLists& lists, int itemCount) {
  size_t entries = static_cast<size_t>(std::max(itemCount, 0)) + 1;
  for (size_t i = entries; i < lists.items.size(); ++i) {
    lists.liveRecords -= static_cast<int32_t>(lists.items[i].records.size());
  }
  lists.items.resize(entries);
  freeAllComponents(lists);
}

Component* addComponent(ComponentLists& lists, int item, int symbol) {
  if (item < 1 || static_cast<size_t>(item) >= lists.items.size()) return nullptr;
  const LibrarySymbol* source = copyableSymbol(symbol);
  if (source == nullptr) return nullptr;
  ItemComponents& list = lists.items[static_cast<size_t>(item)];
  size_t slot = static_cast<size_t>(std::max(list.count, 0));
  if (slot < list.records.size()) {
    // A record kept from the last layout pass is refilled in place; assigning
    // the arrays reuses their storage, so a relayout allocates nothing.
    static_cast<LibrarySymbol&>(*list.records[slot]) = *source;
  } else {
    if (lists.liveRecords >= kMaxComponents) return nullptr;
    list.records.push_back(std::make_unique<Component>(*source));
    ++lists.liveRecords;
    slot = list.records.size() - 1;
  }
  list.count = static_cast<int32_t>(slot + 1);
  Component* component = list.records[slot].get();
  component->placement = ComponentPlacement{symbol};
  return component;
}

void freeAllComponents(ComponentLists& lists) {
  for (ItemComponents& list : lists.items) list.count = 0;
}

// Wide arithmetic with saturation: hostile parameters can push window pixels
// past the int32 range, normal pages never come near it.
void translateComponent(LibrarySymbol& record, int dx, int dy) {
  for (Vector& v : record.vectors) {
    v.x = saturate(int64_t{v.x} + dx);
    v.y = saturate(int64_t{v.y} + dy);
  }
}

namespace {

// truncToInt, with the common in-range case inline: this runs for every
// point of every component on every scroll step.
int32_t scaled(int32_t coordinate, float f) {
  double v = static_cast<double>(coordinate) * f;
  if (v > -2147483648.0 && v < 2147483648.0) return static_cast<int32_t>(v);
  return truncToInt(v);
}

}  // namespace

void scaleComponent(LibrarySymbol& record, float f) {
  for (Vector& v : record.vectors) {
    v.x = scaled(v.x, f);
    v.y = scaled(v.y, f);
  }
}

void multiplyComponent(LibrarySymbol& record, int mx, int my) {
  for (Vector& v : record.vectors) {
    v.x = saturate(int64_t{v.x} * mx);
    v.y = saturate(int64_t{v.y} * my);
  }
}
