// The complete drawing's layout of notes, rests, misc symbols and time
// signatures, each case stated as the basic layout of an equivalent item: a
// note of P12 = 1 is laid out as the same note on the staff above, and so on.
#include <gtest/gtest.h>

#include "layout/layout_fixture.h"
#include "support/mus_bytes.h"
#include "view/note_geometry.h"
#include "view/view.h"

namespace {

// Two staves of size 1, staff 2 eighteen steps above staff 1.
const ItemParams kStaff1 = {8, 1};
const ItemParams kStaff2 = {8, 2};

// Lays out the item after two staves and returns its components.
class CompleteLayoutTest : public LayoutTest {
 protected:
  std::vector<Placed> lay(const ItemParams& item, DrawingMode mode) {
    loadItems(document, {kStaff1, kStaff2, item});
    view.drawingMode = mode;
    layoutScore(document, view);
    return placedOf(view, 3);
  }
  std::vector<Placed> complete(const ItemParams& item) { return lay(item, DrawingMode::kComplete); }
  std::vector<Placed> basic(const ItemParams& item) { return lay(item, DrawingMode::kBasic); }

  // Where a symbol lands when placed as a note head at (p3, p4): marks, dots,
  // misc symbols and digits of the complete drawing are all placed that way.
  Placed headAt(int symbol, float p3, float p4, bool mirrored = false) {
    Placed head = basic({1, 1, p3, p4})[0];
    head.symbol = symbol;
    if (mirrored) head.scaleY = -head.scaleY;
    return head;
  }
};

// The item with Pk set to value (missing parameters before it read 0).
ItemParams with(ItemParams item, int k, float value) {
  if (static_cast<int>(item.size()) < k) item.resize(k, 0.0f);
  item[k - 1] = value;
  return item;
}

struct Equivalence {
  const char* name;
  ItemParams complete;  // laid out in the complete drawing
  ItemParams basic;     // laid out in the basic drawing: the same components
};

TEST_F(CompleteLayoutTest, AsEquivalentBasicItems) {
  // An up-stem dotted eighth with a sharp: head, flag, dot and accidental.
  const ItemParams note = {1, 1, 10, 5, 12, 0, 0, 0, 11};
  const ItemParams rest = {2, 1, 10, 0, 1, 1};  // eighth rest, one dot
  const ItemParams misc = {9, 1, 40, -11, 70, 1};
  const float shifted = static_cast<float>(10 + kPrintedHeadWidth);
  const Equivalence rows[] = {
      {"note P12 1: on the staff above", with(note, 12, 1), with(note, 2, 2)},
      {"note P12 2: on the staff below", with(with(note, 2, 2), 12, 2), note},
      {"note P12 2 on staff 1: no staff below", with(note, 12, 2), note},
      {"note P10 1: one unit right", with(note, 10, 1), with(note, 3, 11)},
      {"note P10 -0.5", with(note, 10, -0.5f), with(note, 3, 9.5f)},
      {"note P10 10: a printed head width right", with(note, 10, 10), with(note, 3, shifted)},
      {"note P9 hundreds, in a space: no change", with(with(note, 4, 4), 9, 111), with(note, 4, 4)},
      {"rest P10 1: the whole rest one unit right", with(rest, 10, 1), with(rest, 3, 11)},
      {"misc P15 -5: five units left", with(misc, 15, -5), with(misc, 3, 35)},
      {"misc P6 0: natural size", with(misc, 6, 0), misc},
      {"time signature sign", {18, 1, 12.9f, 7, 99}, {18, 1, 12.9f, 7, 99}},
  };
  for (const Equivalence& row : rows) {
    EXPECT_EQ(complete(row.complete), basic(row.basic)) << row.name;
  }
}

TEST_F(CompleteLayoutTest, MarksDotsAndDigits) {
  struct Row {
    const char* name;
    ItemParams item;
    size_t index;  // of the component
    int symbol;
    float p3, p4;
    bool mirrored;
  };
  const float shiftedDot = static_cast<float>(13 + kPrintedHeadWidth);
  const Row rows[] = {
      {"fermata over an up stem", {1, 1, 10, 5, 10, 0, 0, 0, 0, 0, 14}, 1, 132, 10, 14, false},
      {"fermata under a down stem, P14 -1",
       {1, 1, 10, 3, 20, 0, 0, -1.5f, 0, 0, -14, 0, 0, -1},
       1,
       132,
       10,
       -5.5f,
       true},
      {"staccato of a shifted head",
       {1, 1, 10, 5, 10, 0, 0, 0, 0, 1, 10},
       1,
       130,
       12.52f,
       3,
       false},
      {"its tenuto line", {1, 1, 10, 5, 10, 0, 0, 0, 0, 1, 10}, 2, 131, 12.58f, 1.82f, false},
      {"dot of P9 hundreds on a line", {1, 1, 10, 5, 0, 0, 0, 0, 110}, 1, 24, 13, 4, false},
      {"dot of P9 thousands", {1, 1, 10, 5, 0, 0, 0, 0, 1010}, 1, 24, shiftedDot, 6, false},
      {"release star", {9, 1, 40, -11, 71, 1}, 0, 133, 40, -11, false},
      {"2 of 2/8", {18, 1, 10, 0, 2, 8}, 0, 102, 10, 7.15f, false},
      {"8 of 2/8", {18, 1, 10, 0, 2, 8}, 1, 108, 10, 3.1f, false},
  };
  for (const Row& row : rows) {
    std::vector<Placed> placed = complete(row.item);
    ASSERT_GT(placed.size(), row.index) << row.name;
    EXPECT_EQ(placed[row.index], headAt(row.symbol, row.p3, row.p4, row.mirrored)) << row.name;
  }
  EXPECT_EQ(basic({1, 1, 10, 5, 10, 0, 0, 0, 0, 0, 14}).size(), 1u) << "no fermata";
  EXPECT_TRUE(basic({18, 1, 10, 0, 2, 8}).empty()) << "no digits";
}

TEST_F(CompleteLayoutTest, QuarterRestFromP3) {
  std::vector<Placed> printed = complete({2, 1, 10, 0, 0});
  std::vector<Placed> plain = basic({2, 1, 10, 0, 0});
  ASSERT_EQ(printed.size(), 1u);
  ASSERT_EQ(plain.size(), 1u);
  plain[0].symbol = 134;  // at the basic quarter rest's origin
  EXPECT_EQ(printed[0], plain[0]);
}

}  // namespace
