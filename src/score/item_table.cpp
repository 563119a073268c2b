#include "score/item_table.h"

#include <algorithm>

#include "score/conversions.h"
#include "score/words.h"

namespace {

bool present(const ItemRecord& item, int k) {
  // paramWords guards edited or hand-built records whose 8-bit count would
  // otherwise reach past the item's words.
  return k >= 1 && k <= item.paramCount && k <= item.paramWords && item.params != nullptr;
}

}  // namespace

ItemRecord& itemAt(ItemTable& table, int i) { return table.items[i]; }

const ItemRecord& itemAt(const ItemTable& table, int i) { return table.items[i]; }

float param(const ItemRecord& item, int k) { return paramOr(item, k, 0.0f); }

float paramOr(const ItemRecord& item, int k, float fallback) {
  if (!present(item, k)) return fallback;
  return readFloatAt(item.params + 4 * (k - 1));
}

void setParam(ItemRecord& item, int k, float value) {
  if (present(item, k)) writeFloatAt(item.params + 4 * (k - 1), value);
}

int itemCode(const ItemRecord& item) { return truncToInt(param(item, 1)); }

bool isTextItem(const ItemRecord& item) { return param(item, 1) == static_cast<float>(kTextCode); }

std::string textOfItem(const ItemRecord& item) {
  // The length is read from the item's own words rather than under the 8-bit
  // count, so a text item longer than 255 words keeps its characters.
  if (item.params == nullptr || item.paramWords < kTextLengthParam) return {};
  int32_t length = truncToInt(readFloatAt(item.params + 4 * (kTextLengthParam - 1)));
  int32_t room = 4 * std::max(0, item.paramWords - (kTextFirstParam - 1));
  length = std::clamp(length, 0, room);
  const uint8_t* first = item.params + 4 * (kTextFirstParam - 1);
  return std::string(reinterpret_cast<const char*>(first), static_cast<size_t>(length));
}

const char* itemName(int code) { return isKnownCode(code) ? itemKind(code).traceName : "-"; }

const char* itemTypeName(int code) {
  return isKnownCode(code) ? itemKind(code).typeName : "unknown ";
}

void releaseItemTable(ItemTable& table) { table = ItemTable{}; }

std::array<uint32_t, kItemCodeCount> countItemsByCode(const ItemTable& table) {
  std::array<uint32_t, kItemCodeCount> counts{};
  for (int i = 1; i <= table.itemCount; ++i) {
    int code = itemCode(table.items[i]);
    if (isKnownCode(code)) ++counts[code - 1];
  }
  return counts;
}
