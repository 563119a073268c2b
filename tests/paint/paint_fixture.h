// Shared set-up of the painter tests: 96 pixels per inch, zoom 1, zero view
// offsets, clean staff tables, and components owned by the test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "library/library_table.h"
#include "paint/painter.h"
#include "paint/recording_surface.h"
#include "paint/view.h"
#include "score/item_table.h"
#include "support/mus_bytes.h"

// A record from a vector list and a draw list, as a component or a symbol.
inline LibrarySymbol makeSymbol(std::vector<Vector> vectors, std::vector<DrawEntry> drawList) {
  LibrarySymbol symbol;
  symbol.vectors = std::move(vectors);
  symbol.drawList = std::move(drawList);
  return symbol;
}

// n points (i, 10 i), i = first .. first + n - 1: easy to recognise in a listing.
inline std::vector<Vector> numberedPoints(int n, int first = 0) {
  std::vector<Vector> points;
  for (int i = first; i < first + n; ++i) points.push_back({i, 10 * i});
  return points;
}

class PaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    releaseItemTable();
    initViewState(96);
    staffTables = StaffTables{};
  }

  void TearDown() override {
    // The components belong to the test, not to the item table.
    for (int i = 1; i <= itemTable.itemCount; ++i) {
      itemAt(i).components.clear();
      itemAt(i).componentCount = 0;
    }
    releaseItemTable();
  }

  // Appends a copy of record to item i's component list.
  void attach(int i, const LibrarySymbol& record) {
    owned_.push_back(std::make_unique<Component>(record));
    ItemRecord& item = itemAt(i);
    item.components.push_back(owned_.back().get());
    item.componentCount = static_cast<int32_t>(item.components.size());
  }

  // The whole paint of the loaded items.
  std::string paintAll() {
    RecordingSurface surface;
    paintScore(surface);
    return surface.listing();
  }

  // Loads the items and returns what paint draws for item i alone, after the
  // staff tables have been filled from all of them.
  template <typename Paint>
  std::string paintOne(const std::vector<ItemParams>& items, int i, Paint paint) {
    loadItems(items);
    prepareStaffTables();
    RecordingSurface surface;
    paint(surface, itemAt(i));
    return surface.listing();
  }

 private:
  std::vector<std::unique_ptr<Component>> owned_;
};

// "moveto x1 y1\nlineto x2 y2\n": one line as drawLine records it.
inline std::string lineOps(int x1, int y1, int x2, int y2) {
  return "moveto " + std::to_string(x1) + " " + std::to_string(y1) + "\nlineto " +
         std::to_string(x2) + " " + std::to_string(y2) + "\n";
}

// Number of text lines of a listing that start with prefix.
inline int countOps(const std::string& listing, const std::string& prefix) {
  int count = 0;
  size_t start = 0;
  while (start < listing.size()) {
    size_t end = listing.find('\n', start);
    if (listing.compare(start, prefix.size(), prefix) == 0) ++count;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return count;
}
