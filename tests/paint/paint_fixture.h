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
#include "score/item_table.h"
#include "support/mus_bytes.h"
#include "view/view.h"

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

// A document and a 96 pixels-per-inch view of its own for every test, in
// the basic drawing mode; the test attaches components to the view by hand.
class PaintTest : public ::testing::Test {
 protected:
  void SetUp() override { reset(); }

  // A fresh document and view, as at the start of a test.
  void reset() {
    document = Document{};
    view = View{};
    initViewState(view, 96);
    view.drawingMode = DrawingMode::kBasic;
  }

  // Appends a copy of record to item i's component list in the view.
  void attach(int i, const LibrarySymbol& record) {
    ComponentLists& lists = view.components;
    if (lists.items.size() <= static_cast<size_t>(i))
      lists.items.resize(static_cast<size_t>(i) + 1);
    ItemComponents& list = lists.items[static_cast<size_t>(i)];
    list.records.push_back(std::make_unique<Component>(record));
    list.count = static_cast<int32_t>(list.records.size());
    ++lists.liveRecords;
  }

  // The whole paint of the loaded items.
  std::string paintAll() {
    RecordingSurface surface;
    paintScore(surface, document, view);
    return surface.listing();
  }

  // Loads the items and returns what paint draws for item i alone, after the
  // staff tables have been filled from all of them.
  template <typename Paint>
  std::string paintOne(const std::vector<ItemParams>& items, int i, Paint paint) {
    loadItems(document, items);
    prepareStaffTables(document, view);
    RecordingSurface surface;
    paint(surface, document, view, i);
    return surface.listing();
  }

  Document document;
  View view;
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
