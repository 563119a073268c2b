#include <gtest/gtest.h>

#include "layout/layout_fixture.h"
#include "score/item_table.h"
#include "support/mus_bytes.h"

namespace {

using ClefMiscLayoutTest = LayoutTest;

// The single-precision scale of `times` the ordinary size at 96 ppi, zoom 1,
// staff size 1 (symbolUnit 96 x 0.00625).
float ordinary(double times) { return static_cast<float>(times * (96 * 0.00625) * 0.25); }

const float kFull = ordinary(1.0);
// The single-precision 0.8 lands one float above 0.12f: a double 0.8 would not.
const float kSmall = ordinary(0.8f);
const float kTwelfth = ordinary(12.0048018f);

std::vector<Placed> layItem(Document& document, View& view, const ItemParams& item) {
  loadItems(document, {{8, 1}, item});
  layoutScore(document, view);
  return placedOf(view, 2);
}

struct Row {
  const char* name;
  ItemParams item;
  std::vector<Placed> expected;
};

void check(Document& document, View& view, const std::vector<Row>& rows) {
  for (const Row& row : rows)
    EXPECT_EQ(layItem(document, view, row.item), row.expected) << row.name;
}

TEST_F(ClefMiscLayoutTest, WorkedExamples) {
  EXPECT_EQ(layItem(document, view, {3, 1, 5.1f, 102, 1}),
            (std::vector<Placed>{at(1, 66, 976, kSmall)}));
  EXPECT_EQ(layItem(document, view, {9, 1, 20.1f, 9, 95}),
            (std::vector<Placed>{at(95, 120, 959, kTwelfth)}));
}

TEST_F(ClefMiscLayoutTest, ClefSizesOffsetsAndTenorShift) {
  check(document, view,
        {
            {"no P4, no P5: treble on the bottom line", {3, 1, 10}, {at(0, 84, 984, kFull)}},
            {"P5 3: symbol 2 two steps up", {3, 1, 10, 0, 3}, {at(2, 84, 976, kFull)}},
            {"P4 101, P5 3: small, three steps up", {3, 1, 10, 101, 3}, {at(2, 84, 971, kSmall)}},
            {"P4 2.7 counts as 2", {3, 1, 10, 2.7f, 1}, {at(1, 84, 976, kFull)}},
            {"P4 -2.7 counts as -2", {3, 1, 10, -2.7f, 1}, {at(1, 84, 992, kFull)}},
            {"P4 99: full size", {3, 1, 10, 99}, {at(0, 84, 568, kFull)}},
            {"P4 -99: full size", {3, 1, 10, -99}, {at(0, 84, 1400, kFull)}},
            {"P4 -102: small, two steps down", {3, 1, 10, -102}, {at(0, 84, 992, kSmall)}},
            {"P5 200: no symbol", {3, 1, 10, 0, 200}, {}},
            {"P5 -1: no symbol", {3, 1, 10, 0, -1}, {}},
        });
}

TEST_F(ClefMiscLayoutTest, MiscSymbolPositionAndScale) {
  check(document, view,
        {
            {"P5 95 without P6: 12.0048018 times", {9, 1, 10, 3, 95}, {at(95, 84, 984, kTwelfth)}},
            {"P5 24, P6 0.5: twice", {9, 1, 10, 3, 24, 0.5f}, {at(24, 84, 984, ordinary(2.0))}},
            {"P4 7.5: 4.5 steps up", {9, 1, 10, 7.5f, 150}, {at(150, 84, 965, kFull)}},
            {"P5 105: factor 1", {9, 1, 10, 3, 105}, {at(105, 84, 984, kFull)}},
            {"no P5: symbol 0, factor 4", {9, 1, 10, 3}, {at(0, 84, 984, ordinary(4.0))}},
            {"P5 250: nothing", {9, 1, 10, 3, 250}, {}},
        });
}

TEST_F(ClefMiscLayoutTest, MiscSymbolWithZeroSizeCollapsesToItsPosition) {
  ASSERT_EQ(layItem(document, view, {9, 1, 10, 3, 24, 0}).size(), 1u);
  for (const Vector& v : componentOf(view, 2, 0).vectors) {
    EXPECT_EQ(v.x, 84);
    EXPECT_EQ(v.y, 984);
  }
}

TEST(MiscSymbolFactor, RangeEdges) {
  struct FactorRow {
    int m;
    float factor;
  } rows[] = {
      {-1, 1.0f},   {0, 4.0f},     {17, 4.0f},    {18, 1.3333f},      {19, 1.3333f},
      {20, 4.0f},   {44, 4.0f},    {45, 1.3333f}, {47, 1.3333f},      {48, 2.5f},
      {49, 2.5f},   {50, 1.0f},    {73, 1.0f},    {74, 1.25f},        {75, 1.25f},
      {76, 1.0f},   {86, 1.0f},    {87, 4.0f},    {89, 4.0f},         {90, 1.0f},
      {92, 1.0f},   {93, 0.6666f}, {94, 0.6666f}, {95, 12.0048018f},  {96, 1.0f},
      {99, 1.0f},   {100, 1.0f},   {109, 1.0f},   {110, 1.0f},        {114, 1.0f},
      {115, 1.25f}, {118, 1.25f},  {119, 4.0f},   {120, 12.0048018f}, {129, 12.0048018f},
      {130, 1.0f},  {160, 1.0f},   {169, 1.0f},   {199, 1.0f},        {1000, 1.0f},
  };
  for (const FactorRow& row : rows)
    EXPECT_EQ(miscSymbolFactor(row.m), row.factor) << "m = " << row.m;
}

}  // namespace
