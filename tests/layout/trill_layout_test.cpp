// Signs of trill, ottava and pedal items: components in the complete drawing only.
#include <gtest/gtest.h>

#include "layout/layout_fixture.h"
#include "score/item_table.h"
#include "support/mus_bytes.h"

namespace {

class TrillLayoutTest : public LayoutTest {
 protected:
  std::vector<Placed> layLast(std::vector<ItemParams> items, DrawingMode mode) {
    items.insert(items.begin(), {{8, 1}, {8, 2}});
    document = Document{};
    loadItems(document, items);
    view.drawingMode = mode;
    layoutScore(document, view);
    return placedOf(view, static_cast<int>(items.size()));
  }
};

TEST_F(TrillLayoutTest, SignsOnlyInTheCompleteDrawing) {
  EXPECT_EQ(layLast({{7, 1, 10, 12, 0, 40}}, DrawingMode::kComplete).at(0).symbol, 85);
  EXPECT_EQ(layLast({{7, 1, 10, 12, 70, 40}}, DrawingMode::kComplete).at(0).symbol, 70);
  EXPECT_TRUE(layLast({{7, 1, 10, 12, 45, 40}}, DrawingMode::kComplete).empty()) << "a text";
  EXPECT_TRUE(layLast({{7, 1, 10, 12, 0, 40}}, DrawingMode::kBasic).empty());
}

}  // namespace
