#include "layout/component_store.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "score/conversions.h"
#include "score/item_table.h"

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

int liveComponents = 0;

}  // namespace

Component* newComponent(int symbol) {
  const LibrarySymbol* source = copyableSymbol(symbol);
  if (source == nullptr || liveComponents >= kMaxComponents) return nullptr;
  ++liveComponents;
  return new Component(*source);
}

Component* addComponent(int item, int symbol) {
  if (item < 1 || item > itemTable.itemCount) return nullptr;
  const LibrarySymbol* source = copyableSymbol(symbol);
  if (source == nullptr) return nullptr;
  ItemRecord& record = itemAt(item);
  size_t slot = static_cast<size_t>(std::max(record.componentCount, 0));
  Component* kept = slot < record.components.size() ? record.components[slot] : nullptr;
  Component* component = kept;
  if (kept != nullptr) {
    // A record kept from the last layout pass is refilled in place; assigning
    // the arrays reuses their storage, so a relayout allocates nothing.
    *kept = *source;
  } else {
    component = newComponent(symbol);
    if (component == nullptr) return nullptr;
    if (record.components.size() <= slot) record.components.resize(slot + 1, nullptr);
    record.components[slot] = component;
  }
  record.componentCount = static_cast<int32_t>(slot + 1);
  return component;
}

void freeComponent(Component* component) {
  if (component == nullptr) return;
  if (liveComponents > 0) --liveComponents;
  delete component;
}

void freeAllComponents() {
  // The records stay in their slots, past componentCount, for the next layout
  // pass to refill; releaseItem frees them with their item.
  for (int i = 1; i <= itemTable.itemCount; ++i) itemAt(i).componentCount = 0;
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
