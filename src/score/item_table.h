// The in-memory item table: one file image holding every item's parameters,
// and one ItemRecord per item pointing into it. Items are numbered from 1.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "score/item_kinds.h"

// Text items hold their character count in P12 and the characters from P14 on.
constexpr int kTextLengthParam = 12;
constexpr int kTextFirstParam = 14;

struct ItemRecord {
  uint8_t paramCount = 0;     // the file's count word, truncated, low 8 bits
  uint8_t* params = nullptr;  // P1 inside the file image; Pk at params + 4(k-1)
  int32_t paramWords = 0;     // the item's parameter words n in the file; all lie inside the image
};

// Items point into the file image, so a table is moved, never copied: a copy
// would point into the original's image.
struct ItemTable {
  ItemTable() = default;
  ItemTable(ItemTable&&) = default;
  ItemTable& operator=(ItemTable&&) = default;
  ItemTable(const ItemTable&) = delete;
  ItemTable& operator=(const ItemTable&) = delete;

  std::vector<uint8_t> fileImage;  // the whole file exactly as read; edits are made here
  std::vector<ItemRecord> items;   // slot 0 unused; item i is items[i]
  int32_t itemCount = 0;
};

struct LoadStatistics {
  int32_t fileSize = 0;
  uint32_t serialNumber = 0;  // the raw trailer integer
  int32_t scoreVersion = 0;
  int32_t units = 0;  // 0 inches, anything else centimetres
};

// Item i, 1 <= i <= table.itemCount.
ItemRecord& itemAt(ItemTable& table, int i);
const ItemRecord& itemAt(const ItemTable& table, int i);

// Pk of an item under the presence rule: 0.0 when the item has fewer than k
// parameters (or when the word would lie outside the file image).
float param(const ItemRecord& item, int k);

// Pk of an item, or fallback when the item has fewer than k parameters.
float paramOr(const ItemRecord& item, int k, float fallback);

// Overwrites Pk in the file image; ignored when Pk is not present.
void setParam(ItemRecord& item, int k, float value);

// Item code: P1 truncated toward zero.
int itemCode(const ItemRecord& item);

// True for a text item: P1 exactly 16.0.
bool isTextItem(const ItemRecord& item);

// The characters of a text item: P12 truncated characters from P14 on, cut at
// the end of the item's words in the image (a negative P12 gives none).
std::string textOfItem(const ItemRecord& item);

// Upper-case name used in traces ("NOTE"), "-" for 13 and codes outside 1..18.
const char* itemName(int code);

// The 8-character item type name shown by Item edit ("note    "), or
// "unknown " for codes outside 1..18.
const char* itemTypeName(int code);

// Releases the item records and the file image; item count 0.
void releaseItemTable(ItemTable& table);

// Number of items with codes 1..18 (index 0 is code 1); others count nowhere.
std::array<uint32_t, kItemCodeCount> countItemsByCode(const ItemTable& table);
