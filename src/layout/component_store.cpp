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
  Component* component = newComponent(symbol);
  if (component == nullptr) return nullptr;
  ItemRecord& record = itemAt(item);
  size_t slot = static_cast<size_t>(std::max(record.componentCount, 0));
  if (record.components.size() <= slot) record.components.resize(slot + 1);
  record.components[slot] = component;
  record.componentCount = static_cast<int32_t>(slot + 1);
  return component;
}

void freeComponent(Component* component) {
  if (component == nullptr) return;
  if (liveComponents > 0) --liveComponents;
  delete component;
}

void freeAllComponents() {
  for (int i = 1; i <= itemTable.itemCount; ++i) {
    ItemRecord& record = itemAt(i);
    for (int k = 0; k < record.componentCount; ++k) freeComponent(record.components[k]);
    record.components.clear();
    record.componentCount = 0;
  }
}

// Wide arithmetic with saturation: hostile parameters can push window pixels
// past the int32 range, normal pages never come near it.
void translateComponent(LibrarySymbol& record, int dx, int dy) {
  for (Vector& v : record.vectors) {
    v.x = saturate(int64_t{v.x} + dx);
    v.y = saturate(int64_t{v.y} + dy);
  }
}

void scaleComponent(LibrarySymbol& record, float f) {
  for (Vector& v : record.vectors) {
    v.x = truncToInt(static_cast<double>(v.x) * f);
    v.y = truncToInt(static_cast<double>(v.y) * f);
  }
}

void multiplyComponent(LibrarySymbol& record, int mx, int my) {
  for (Vector& v : record.vectors) {
    v.x = saturate(int64_t{v.x} * mx);
    v.y = saturate(int64_t{v.y} * my);
  }
}
