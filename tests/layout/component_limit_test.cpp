// The limit on live components: a hostile page cannot make the layout pass
// take memory and time out of all proportion to its size.
#include <gtest/gtest.h>

#include <vector>

#include "layout_fixture.h"
#include "score/item_table.h"
#include "support/mus_bytes.h"

namespace {

using ComponentLimitTest = LayoutTest;

// Each such rest asks for 2 + 126 hooks and 128 dots.
constexpr int kGreedyRests = 400;

std::vector<ItemParams> greedyPage() {
  std::vector<ItemParams> items = {{8, 1, 0, 0, 1, 200, 5}};
  for (int i = 0; i < kGreedyRests; ++i) items.push_back({2, 1, 10, 0, 1e9f, 1e9f});
  return items;
}

int totalComponents() {
  int total = 0;
  for (int i = 1; i <= itemTable.itemCount; ++i) total += itemAt(i).componentCount;
  return total;
}

TEST_F(ComponentLimitTest, LayoutStopsAtTheLimitAndRelayoutGetsTheSame) {
  loadItems(greedyPage());
  layoutScore();
  ASSERT_EQ(totalComponents(), kMaxComponents);
  // Items in file order get theirs first; the last rests get none.
  EXPECT_EQ(itemAt(2).componentCount, 256);
  EXPECT_EQ(itemAt(itemTable.itemCount).componentCount, 0);
  std::vector<Placed> firstRest = placedOf(2);

  freeAllComponents();
  layoutScore();
  EXPECT_EQ(totalComponents(), kMaxComponents) << "freeing must give the budget back";
  EXPECT_EQ(placedOf(2), firstRest);
}

TEST_F(ComponentLimitTest, ReleasingTheTableGivesTheBudgetBack) {
  loadItems(greedyPage());
  layoutScore();
  releaseItemTable();
  loadItems({{8, 1, 0, 0, 1, 200, 5}, {1, 1, 10, 5, 10, 0, 0, 0, 11}});
  layoutScore();
  EXPECT_EQ(itemAt(2).componentCount, 3) << "note head, flag and dot";
}

}  // namespace
