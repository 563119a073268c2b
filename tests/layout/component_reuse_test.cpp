#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "layout/layout_fixture.h"
#include "score/item_table.h"
#include "support/mus_bytes.h"
#include "view/view.h"

namespace {

using ComponentReuseTest = LayoutTest;

// A library symbol of n points and n draw entries, distinct from the fakes.
std::unique_ptr<LibrarySymbol> symbolOfSize(const char* name, int n) {
  auto symbol = std::make_unique<LibrarySymbol>();
  std::memcpy(symbol->name, name, std::strlen(name));
  for (int k = 0; k < n; ++k) {
    symbol->vectors.push_back({k, -k});
    symbol->drawList.push_back({kPolyline, 1});
  }
  return symbol;
}

bool sameCopy(const Component& c, const LibrarySymbol& s) {
  return std::memcmp(c.name, s.name, sizeof c.name) == 0 && c.vectors.size() == s.vectors.size() &&
         std::equal(c.vectors.begin(), c.vectors.end(), s.vectors.begin(),
                    [](Vector a, Vector b) { return a.x == b.x && a.y == b.y; }) &&
         c.drawList.size() == s.drawList.size();
}

// Slots kept from the last layout are refilled in place: a small symbol put
// where a large one was must not keep any of the large one's points, names or
// draw entries, nor the transformations applied to it.
TEST_F(ComponentReuseTest, KeptSlotsTakeExactlyTheNewSymbol) {
  libraryTable[11] = symbolOfSize("big", 9);
  libraryTable[24] = symbolOfSize("dot", 2);
  loadItems(document, {{1, 1, 10, 5}});
  prepareComponentLists(view.components, document.itemTable.itemCount);
  Component* first = addComponent(view.components, 1, 11);
  Component* second = addComponent(view.components, 1, 24);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  translateComponent(*first, 50, 60);
  scaleComponent(*second, 3.0f);
  freeAllComponents(view.components);
  EXPECT_EQ(componentCount(view, 1), 0);

  EXPECT_EQ(addComponent(view.components, 1, 24), first) << "slot 0 was not reused";
  EXPECT_EQ(addComponent(view.components, 1, 11), second) << "slot 1 was not reused";
  EXPECT_TRUE(sameCopy(*first, *libraryTable[24])) << "slot 0 holds leftovers";
  EXPECT_TRUE(sameCopy(*second, *libraryTable[11])) << "slot 1 holds leftovers";
  EXPECT_EQ(componentCount(view, 1), 2);
}

// A view change relaid out over kept slots gives what a fresh layout at that
// view gives, for every item.
TEST_F(ComponentReuseTest, RelayoutMatchesAFreshLayout) {
  const std::vector<ItemParams> items = {
      {8, 1, 0, 0, 1, 200}, {1, 1, 10, 5, 12, 0, 1, 0, 23}, {2, 1, 30, 0, 1, 2},
      {17, 1, 8, 0, 4, 0},  {1, 1, 40, 9, 21, 0, 1, 0, 1},  {3, 1, 1.5f, 0, 1},
  };
  loadItems(document, items);
  layoutScore(document, view);
  freeAllComponents(view.components);
  view.viewState.viewOffsetY += 20;
  view.viewState.zoom = 1.25;
  layoutScore(document, view);
  std::vector<std::vector<Placed>> relaid;
  for (int i = 1; i <= document.itemTable.itemCount; ++i) relaid.push_back(placedOf(view, i));

  View fresh;
  fresh.viewState = view.viewState;
  layoutScore(document, fresh);
  for (int i = 1; i <= document.itemTable.itemCount; ++i) {
    EXPECT_EQ(placedOf(fresh, i), relaid[i - 1]) << "item " << i;
  }
}

// Spare slots past the live count stay with the item's list until a shorter
// document is laid out in the view; a sanitizer build reports them if that
// misses them.
TEST_F(ComponentReuseTest, ReleaseTakesSpareSlotsToo) {
  loadItems(document, {{1, 1, 10, 5}});
  prepareComponentLists(view.components, document.itemTable.itemCount);
  for (int n = 0; n < 3; ++n) ASSERT_NE(addComponent(view.components, 1, 20 + n), nullptr);
  freeAllComponents(view.components);
  ASSERT_NE(addComponent(view.components, 1, 24), nullptr);
  EXPECT_EQ(componentCount(view, 1), 1);
  EXPECT_EQ(componentsOf(view.components, 1)->records.size(), 3u) << "spare slots were not kept";
  EXPECT_EQ(view.components.liveRecords, 3);
  releaseItemTable(document.itemTable);
  layoutScore(document, view);
  EXPECT_EQ(document.itemTable.itemCount, 0);
  EXPECT_TRUE(document.itemTable.items.empty());
  EXPECT_EQ(view.components.items.size(), 1u) << "only the unused slot 0 is left";
  EXPECT_EQ(view.components.liveRecords, 0) << "the spare records were not freed";
}

}  // namespace
