#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "layout/layout_fixture.h"
#include "score/item_table.h"
#include "support/mus_bytes.h"

// Found by argument lookup from inside the test macros.
bool operator==(const Vector& a, const Vector& b) { return a.x == b.x && a.y == b.y; }
void PrintTo(const Vector& v, std::ostream* out) { *out << "(" << v.x << ", " << v.y << ")"; }

namespace {

LibrarySymbol symbolWith(std::vector<Vector> points) {
  LibrarySymbol symbol;
  symbol.vectors = std::move(points);
  symbol.drawList = {{kPolyline, static_cast<int32_t>(symbol.vectors.size())}};
  return symbol;
}

std::vector<Vector> pointsOf(const LibrarySymbol& s) { return s.vectors; }

using ComponentStoreTest = LayoutTest;

TEST(PointOperations, ScaleTruncatesTowardZeroMirrorAndMove) {
  LibrarySymbol s = symbolWith({{-3, 5}, {-7, 7}, {4, -9}});
  scaleComponent(s, 1.0f);
  EXPECT_EQ(pointsOf(s), (std::vector<Vector>{{-3, 5}, {-7, 7}, {4, -9}}));
  scaleComponent(s, 0.5f);
  EXPECT_EQ(pointsOf(s), (std::vector<Vector>{{-1, 2}, {-3, 3}, {2, -4}}));
  multiplyComponent(s, 1, -1);
  translateComponent(s, 10, -5);
  EXPECT_EQ(pointsOf(s), (std::vector<Vector>{{9, -7}, {7, -8}, {12, -1}}));
}

// Hostile parameters can push points past int32; they saturate instead of
// wrapping (signed overflow would be undefined).
TEST(PointOperations, ExtremeValuesSaturate) {
  LibrarySymbol s = symbolWith({{INT_MAX - 1, INT_MIN + 1}, {INT_MIN, 2}});
  translateComponent(s, 10, -10);
  EXPECT_EQ(pointsOf(s), (std::vector<Vector>{{INT_MAX, INT_MIN}, {INT_MIN + 10, -8}}));
  multiplyComponent(s, -1, INT_MAX);
  EXPECT_EQ(pointsOf(s), (std::vector<Vector>{{-INT_MAX, INT_MIN}, {INT_MAX - 9, INT_MIN}}));
  scaleComponent(s, 1e30f);
  EXPECT_EQ(pointsOf(s), (std::vector<Vector>{{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}}));
}

TEST(PointOperations, EmptySymbolStaysEmpty) {
  LibrarySymbol s;
  translateComponent(s, 3, 4);
  scaleComponent(s, 2.0f);
  multiplyComponent(s, 1, -1);
  EXPECT_TRUE(s.vectors.empty());
}

TEST_F(ComponentStoreTest, CopiesAreIndependentOfEachOtherAndTheLibrary) {
  loadItems(document, {{1, 1, 10, 5}});
  prepareComponentLists(view.components, document.itemTable.itemCount);
  Component* a = addComponent(view.components, 1, 24);
  Component* b = addComponent(view.components, 1, 24);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  translateComponent(*a, 5, 5);
  EXPECT_EQ(a->vectors[1], (Vector{15, -15}));
  EXPECT_EQ(b->vectors[1], (Vector{10, -20}));
  EXPECT_EQ(libraryTable[24]->vectors[1], (Vector{10, -20}));
  EXPECT_EQ(symbolOf(*a), 24);
  EXPECT_EQ(a->drawList.size(), 1u);
  EXPECT_EQ(componentCount(view, 1), 2);
}

TEST_F(ComponentStoreTest, UncopyableSymbolsAreRefusedAndOthersKept) {
  loadItems(document, {{1, 1, 10, 5}});
  prepareComponentLists(view.components, document.itemTable.itemCount);
  libraryTable[30].reset();
  libraryTable[31]->drawList.clear();
  struct Row {
    const char* name;
    int symbol;
  } rows[] = {
      {"negative", -1},
      {"past the table", 200},
      {"empty slot", 30},
      {"no draw entries", 31},
  };
  ASSERT_NE(addComponent(view.components, 1, 11), nullptr);
  for (const Row& row : rows) {
    EXPECT_EQ(addComponent(view.components, 1, row.symbol), nullptr) << row.name;
    EXPECT_EQ(componentCount(view, 1), 1) << row.name;
  }
  ASSERT_NE(addComponent(view.components, 1, 12), nullptr);
  EXPECT_EQ(placedOf(view, 1).size(), 2u);
  EXPECT_EQ(placedOf(view, 1)[1].symbol, 12);
}

TEST_F(ComponentStoreTest, ItemsOutsideTheTableGetNothing) {
  loadItems(document, {{1, 1, 10, 5}});
  prepareComponentLists(view.components, document.itemTable.itemCount);
  EXPECT_EQ(addComponent(view.components, 0, 11), nullptr);
  EXPECT_EQ(addComponent(view.components, 2, 11), nullptr);
  EXPECT_EQ(componentCount(view, 1), 0);
}

TEST_F(ComponentStoreTest, ListGrowsPastTenInOrder) {
  loadItems(document, {{1, 1, 10, 5}});
  prepareComponentLists(view.components, document.itemTable.itemCount);
  for (int n = 0; n < 25; ++n) ASSERT_NE(addComponent(view.components, 1, 100 + n), nullptr);
  std::vector<Placed> placed = placedOf(view, 1);
  ASSERT_EQ(placed.size(), 25u);
  for (int n = 0; n < 25; ++n) EXPECT_EQ(placed[n].symbol, 100 + n) << "slot " << n;
}

TEST_F(ComponentStoreTest, FreeAllEmptiesEveryItemAndRepeatsHarmlessly) {
  freeAllComponents(view.components);  // no file loaded
  loadItems(document, {{1, 1, 10, 5}, {2, 1, 10, 5}, {4, 1}});
  prepareComponentLists(view.components, document.itemTable.itemCount);
  addComponent(view.components, 1, 11);
  addComponent(view.components, 1, 20);
  addComponent(view.components, 2, 43);
  freeAllComponents(view.components);
  freeAllComponents(view.components);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(componentCount(view, i), 0) << "item " << i;
  ASSERT_NE(addComponent(view.components, 1, 24), nullptr);
  EXPECT_EQ(placedOf(view, 1).size(), 1u);
}

}  // namespace
