#include <gtest/gtest.h>

#include "layout/layout_fixture.h"
#include "score/item_table.h"
#include "support/mus_bytes.h"
#include "view/view.h"

namespace {

using SignatureLayoutTest = LayoutTest;

constexpr float kFactor = 0.15f;

std::vector<Placed> layItem(Document& document, View& view, const ItemParams& item) {
  loadItems(document, {{8, 1}, item});
  layoutScore(document, view);
  return placedOf(view, 2);
}

// Window y of a point `steps` above the bottom line of staff 1 (size 1, base 0).
int stepY(const View& view, int steps) { return toWindowY(view, steps * view.viewState.stepUnit); }

// Accidentals of `symbol` at P3 10, one per entry of `steps` (heights above
// the bottom line), spaced 2.8 units from 2.5 units right of P3.
std::vector<Placed> row(const View& view, int symbol, std::vector<int> steps) {
  std::vector<Placed> placed;
  for (size_t i = 0; i < steps.size(); ++i) {
    int x = toWindowX(view, (10 + 2.5 + 2.8 * i) * view.viewState.hUnit);
    placed.push_back(at(symbol, x, stepY(view, steps[i]), kFactor));
  }
  return placed;
}

struct Row {
  const char* name;
  ItemParams item;
  std::vector<Placed> expected;
};

void check(Document& document, View& view, const std::vector<Row>& rows) {
  for (const Row& r : rows) EXPECT_EQ(layItem(document, view, r.item), r.expected) << r.name;
}

TEST_F(SignatureLayoutTest, WorkedExamples) {
  EXPECT_EQ(layItem(document, view, {17, 1, 10.2f, 0, 2, 0}),
            (std::vector<Placed>{at(7, 94, 950, kFactor), at(7, 104, 963, kFactor)}));
  EXPECT_EQ(layItem(document, view, {18, 1, 12.9f, 7, 99}),
            (std::vector<Placed>{at(18, 91, 968, 0.45f)}));
}

TEST_F(SignatureLayoutTest, KeyAccidentalCounts) {
  check(
      document, view,
      {
          {"only P1..P4: one treble sharp", {17, 1, 10, 0}, row(view, 7, {8})},
          {"three sharps", {17, 1, 10, 0, 3, 0}, row(view, 7, {8, 5, 9})},
          {"two bass flats", {17, 1, 10, 0, -2, 1}, row(view, 6, {2, 5})},
          {"P5 100: one natural", {17, 1, 10, 0, 100}, row(view, 8, {8})},
          {"P5 101: one natural", {17, 1, 10, 0, 101}, row(view, 8, {8})},
          {"P5 103: three naturals on sharp places", {17, 1, 10, 0, 103}, row(view, 8, {8, 5, 9})},
          {"P5 -102: two naturals on flat places", {17, 1, 10, 0, -102}, row(view, 8, {4, 7})},
          {"P5 -100: one natural", {17, 1, 10, 0, -100}, row(view, 8, {4})},
          {"P5 108: naturals stop at seven",
           {17, 1, 10, 0, 108},
           row(view, 8, {8, 5, 9, 6, 3, 7, 4})},
          {"P5 -1e9: naturals stop at seven",
           {17, 1, 10, 0, -1e9f},
           row(view, 8, {4, 7, 3, 6, 2, 5, 1})},
          {"P5 0", {17, 1, 10, 0, 0}, {}},
          {"P5 12", {17, 1, 10, 0, 12}, {}},
          {"P5 -50", {17, 1, 10, 0, -50}, {}},
          {"P4 1.9 counts as 1", {17, 1, 10, 1.9f, 1}, row(view, 7, {9})},
          {"P4 -1.9 counts as -1", {17, 1, 10, -1.9f, 1}, row(view, 7, {7})},
          {"clef 4: none", {17, 1, 10, 0, 3, 4}, {}},
          {"clef -1: none", {17, 1, 10, 0, 3, -1}, {}},
      });
}

// Heights above the bottom line are 2 + the pattern value: the usual order of
// sharps (F C G D A E B) and flats (B E A D G C F) for each clef.
TEST_F(SignatureLayoutTest, FullPatternsForAllClefs) {
  check(document, view,
        {
            {"treble sharps", {17, 1, 10, 0, 7, 0}, row(view, 7, {8, 5, 9, 6, 3, 7, 4})},
            {"bass sharps", {17, 1, 10, 0, 7, 1}, row(view, 7, {6, 3, 7, 4, 1, 5, 2})},
            {"alto sharps", {17, 1, 10, 0, 7, 2}, row(view, 7, {7, 4, 8, 5, 2, 6, 3})},
            {"tenor sharps", {17, 1, 10, 0, 7, 3}, row(view, 7, {2, 6, 3, 7, 4, 8, 5})},
            {"treble flats", {17, 1, 10, 0, -7, 0}, row(view, 6, {4, 7, 3, 6, 2, 5, 1})},
            {"bass flats", {17, 1, 10, 0, -7, 1}, row(view, 6, {2, 5, 1, 4, 0, 3, -1})},
            {"alto flats", {17, 1, 10, 0, -7, 2}, row(view, 6, {3, 6, 2, 5, 1, 4, 0})},
            {"tenor flats", {17, 1, 10, 0, -7, 3}, row(view, 6, {5, 8, 4, 7, 3, 6, 2})},
        });
}

TEST_F(SignatureLayoutTest, TimeSignatureSigns) {
  check(document, view,
        {
            {"P3 20.9 placed as 20", {18, 1, 20.9f, 7, 99}, {at(18, 120, 968, 0.45f)}},
            {"P5 98: symbol 19", {18, 1, 20, 7, 98}, {at(19, 120, 968, 0.45f)}},
            {"P5 98.7 truncates to 98", {18, 1, 20, 7, 98.7f}, {at(19, 120, 968, 0.45f)}},
            {"P4 7.9 counts as 7", {18, 1, 20, 7.9f, 99}, {at(18, 120, 968, 0.45f)}},
            // 12.6 pixels above the bottom line truncate to 12: rounding would give 971.
            {"P4 6: page height truncated", {18, 1, 20, 6, 99}, {at(18, 120, 972, 0.45f)}},
            {"P4 0: truncated toward zero", {18, 1, 20, 0, 99}, {at(18, 120, 996, 0.45f)}},
            {"P5 4: nothing", {18, 1, 20, 7, 4}, {}},
            {"no P5: nothing", {18, 1, 20, 7}, {}},
        });
}

// The window y of a time signature is truncated, not rounded, after zooming.
TEST_F(SignatureLayoutTest, TimeSignatureWindowYTruncates) {
  view.viewState.zoom = 1.5;
  float factor = static_cast<float>(3.0 * 0.6 * 1.5 * 0.25);
  int x = toWindowX(view, 43);  // trunc(12 x 3.6)
  // yp = trunc(6 x 4.2) = 25; (1056 - 25 - 72) x 1.5 = 1438.5.
  EXPECT_EQ(layItem(document, view, {18, 1, 12.9f, 9, 99}),
            (std::vector<Placed>{at(18, x, 1438, factor)}));
  view.viewState.viewOffsetY = -1500;
  EXPECT_EQ(layItem(document, view, {18, 1, 12.9f, 9, 99}),
            (std::vector<Placed>{at(18, x, -61, factor)}));
}

}  // namespace
