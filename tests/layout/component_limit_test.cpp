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

int totalComponents(Document& document, View& view) {
  int total = 0;
  for (int i = 1; i <= document.itemTable.itemCount; ++i) total += componentCount(view, i);
  return total;
}

TEST_F(ComponentLimitTest, LayoutStopsAtTheLimitAndRelayoutGetsTheSame) {
  loadItems(document, greedyPage());
  layoutScore(document, view);
  ASSERT_EQ(totalComponents(document, view), kMaxComponents);
  // Items in file order get theirs first; the last rests get none.
  EXPECT_EQ(componentCount(view, 2), 256);
  EXPECT_EQ(componentCount(view, document.itemTable.itemCount), 0);
  std::vector<Placed> firstRest = placedOf(view, 2);

  freeAllComponents(view.components);
  layoutScore(document, view);
  EXPECT_EQ(totalComponents(document, view), kMaxComponents) << "freeing must give the budget back";
  EXPECT_EQ(placedOf(view, 2), firstRest);
}

TEST_F(ComponentLimitTest, ReleasingTheTableGivesTheBudgetBack) {
  loadItems(document, greedyPage());
  layoutScore(document, view);
  releaseItemTable(document.itemTable);
  loadItems(document, {{8, 1, 0, 0, 1, 200, 5}, {1, 1, 10, 5, 10, 0, 0, 0, 11}});
  layoutScore(document, view);
  EXPECT_EQ(componentCount(view, 2), 3) << "note head, flag and dot";
}

}  // namespace
