#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "layout/layout_fixture.h"
#include "score/item_table.h"
#include "support/mus_bytes.h"

namespace {

using RestLayoutTest = LayoutTest;

Placed put(int symbol, int x, int y, float f = 0.15f) { return at(symbol, x, y, f); }

// Lays out one rest on staff 1 (size given, no offset) and returns its components.
std::vector<Placed> layRest(Document& document, View& view, const ItemParams& rest,
                            float size = 1.0f) {
  loadItems(document, {{8, 1, 0, 0, size}, rest});
  layoutScore(document, view);
  return placedOf(view, 2);
}

struct RestRow {
  const char* name;
  ItemParams rest;
  std::vector<Placed> expected;
};

void check(Document& document, View& view, const std::vector<RestRow>& rows) {
  for (const RestRow& row : rows)
    EXPECT_EQ(layRest(document, view, row.rest), row.expected) << row.name;
}

TEST_F(RestLayoutTest, WorkedExample) {
  EXPECT_EQ(layRest(document, view, {2, 1, 10.2f, 0.5f, 0, 1}),
            (std::vector<Placed>{put(43, 85, 961), put(24, 93, 961)}));
  const Component& rest = componentOf(view, 2, 0);
  EXPECT_EQ(rest.vectors[2].x, 100);
  EXPECT_EQ(rest.vectors[2].y, 955);
}

TEST_F(RestLayoutTest, SingleSymbolShapes) {
  check(document, view,
        {
            {"only P1 and P2: 43 at 0, five steps up", {2, 1}, {put(43, 48, 964)}},
            {"P5 1: 44", {2, 1, 10, 0, 1, 1}, {put(44, 84, 964), put(24, 93, 964)}},
            {"P5 -3: 40", {2, 1, 10, 0, -3, 1}, {put(40, 84, 964), put(24, 95, 964)}},
            {"P5 -1: 41", {2, 1, 10, 0, -1, 1}, {put(41, 84, 964), put(24, 95, 964)}},
            {"P5 -2: 42", {2, 1, 10, 0, -2, 1}, {put(42, 84, 964), put(24, 95, 964)}},
            {"P4 100 stays", {2, 1, 10, 100}, {put(43, 84, 544)}},
            {"P4 103 becomes 3", {2, 1, 10, 103}, {put(43, 84, 951)}},
        });
}

TEST_F(RestLayoutTest, ShapesWithoutSymbols) {
  check(document, view,
        {
            {"P5 -4", {2, 1, 10, 0, -4, 2, 0, 0, 120}, {}},
            {"P5 0.5", {2, 1, 10, 0, 0.5f, 2}, {}},
            {"P5 2.5", {2, 1, 10, 0, 2.5f, 2}, {}},
            {"P5 NaN", {2, 1, 10, 0, std::numeric_limits<float>::quiet_NaN(), 2}, {}},
        });
}

TEST_F(RestLayoutTest, HookStacks) {
  check(document, view,
        {
            {"P5 2", {2, 1, 10, 0, 2, 1}, {put(44, 82, 971), put(44, 85, 964), put(24, 95, 964)}},
            {"P5 3: dots on the top hook",
             {2, 1, 10, 0, 3, 1},
             {put(44, 82, 971), put(44, 85, 964), put(44, 88, 955), put(24, 97, 955)}},
            {"P5 3.5: four hooks from four steps down",
             {2, 1, 10, 0, 3.5f, 1},
             {put(44, 82, 980), put(44, 85, 971), put(44, 88, 963), put(44, 90, 955),
              put(24, 100, 955)}},
            {"P5 4 with two dots",
             {2, 1, 10, 0, 4, 2},
             {put(44, 82, 980), put(44, 85, 971), put(44, 88, 963), put(44, 90, 955),
              put(24, 100, 955), put(24, 108, 955)}},
            {"P5 5: five hooks",
             {2, 1, 10, 0, 5},
             {put(44, 82, 980), put(44, 85, 971), put(44, 88, 963), put(44, 90, 955),
              put(44, 93, 946)}},
        });
}

TEST_F(RestLayoutTest, DotCountsAndAlternativePosition) {
  check(document, view,
        {
            {"P6 2.5: three dots",
             {2, 1, 10, 0, 0, 2.5f},
             {put(43, 84, 964), put(24, 92, 964), put(24, 100, 964), put(24, 107, 964)}},
            {"P6 -1: symbol, no dots", {2, 1, 10, 0, 0, -1}, {put(43, 84, 964)}},
            {"P5 -2, P9 120: symbol at 120, dots from 100",
             {2, 1, 100, 0, -2, 1, 0, 0, 120},
             {put(42, 480, 964), put(24, 419, 964)}},
            {"P5 -3, P9 120: symbol at 120",
             {2, 1, 100, 0, -3, 1, 0, 0, 120},
             {put(40, 480, 964), put(24, 419, 964)}},
            {"P5 -1, P9 120: P9 unused",
             {2, 1, 100, 0, -1, 1, 0, 0, 120},
             {put(41, 408, 964), put(24, 419, 964)}},
        });
}

TEST_F(RestLayoutTest, HalfStaffSizeHalvesSpacingAndScale) {
  std::vector<Placed> half = layRest(document, view, {2, 1, 10, 0, 3, 2}, 0.5f);
  EXPECT_EQ(half, (std::vector<Placed>{put(44, 83, 978, 0.075f), put(44, 84, 974, 0.075f),
                                       put(44, 86, 969, 0.075f), put(24, 91, 969, 0.075f),
                                       put(24, 95, 969, 0.075f)}));
}

// Absurd counts would otherwise allocate without end; the stack and the dot
// row stop at 128 each, far beyond the page.
TEST_F(RestLayoutTest, HostileCountsAreBounded) {
  std::vector<Placed> placed = layRest(document, view, {2, 1, 10, 0, 1e9f, 1e9f});
  ASSERT_EQ(placed.size(), 256u);
  EXPECT_EQ(placed[127].symbol, 44);
  EXPECT_EQ(placed[128].symbol, 24);
  EXPECT_EQ(
      layRest(document, view, {2, 1, 10, 0, std::numeric_limits<float>::infinity(), 0}).size(),
      128u);
}

}  // namespace
