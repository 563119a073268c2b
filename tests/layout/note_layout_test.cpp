#include <gtest/gtest.h>

#include <cmath>

#include "layout/layout_fixture.h"
#include "score/item_table.h"
#include "support/mus_bytes.h"
#include "view/view.h"

namespace {

using NoteLayoutTest = LayoutTest;

constexpr float kFactor = 0.15f;  // symbolFactor at 96 ppi, zoom 1, size 1

Placed put(int symbol, int x, int y) { return at(symbol, x, y, kFactor); }
Placed mirrored(int symbol, int x, int y) { return at(symbol, x, y, kFactor, true); }

// Lays out one note on staff 1 (size 1, no offset) and returns its components.
std::vector<Placed> layNote(Document& document, View& view, const ItemParams& note) {
  loadItems(document, {{8, 1}, note});
  layoutScore(document, view);
  return placedOf(view, 2);
}

TEST_F(NoteLayoutTest, WorkedExampleUpStem) {
  std::vector<Placed> placed = layNote(document, view, {1, 1, 10, 5, 10, 0, 0, 0, 11});
  EXPECT_EQ(placed,
            (std::vector<Placed>{put(11, 84, 976), mirrored(20, 94, 971), put(24, 95, 971)}));
  const Component& head = componentOf(view, 2, 0);
  EXPECT_EQ(head.vectors[1].x, 85);
  EXPECT_EQ(head.vectors[1].y, 973);
}

TEST_F(NoteLayoutTest, WorkedExampleDownStem) {
  std::vector<Placed> placed = layNote(document, view, {1, 1, 10, 5, 20, 0, 0, 0, 11});
  ASSERT_EQ(placed.size(), 3u);
  EXPECT_EQ(placed[1], put(20, 84, 980));
}

struct NoteRow {
  const char* name;
  ItemParams note;
  std::vector<Placed> expected;
};

class NoteRows : public NoteLayoutTest {
 protected:
  void check(const std::vector<NoteRow>& rows) {
    for (const NoteRow& row : rows) {
      EXPECT_EQ(layNote(document, view, row.note), row.expected) << row.name;
    }
  }
};

TEST_F(NoteRows, PresenceAndFolding) {
  check({
      {"only P1..P5: head 11, nothing else", {1, 1, 10, 5, 0}, {put(11, 84, 976)}},
      {"P5 absent", {1, 1, 10, 5}, {put(11, 84, 976)}},
      {"P6 -1: no head, first component a flag",
       {1, 1, 10, 5, 21, -1, 0, 0, 11},
       {put(20, 84, 980), put(24, 95, 971), put(6, 84, 976)}},
      {"P6 3 selects head 14", {1, 1, 10, 5, 0, 3}, {put(14, 84, 976)}},
      {"P4 104 folds to 4", {1, 1, 10, 104}, {put(11, 84, 980)}},
      {"P4 100 stays 100", {1, 1, 10, 100}, {put(11, 84, 577)}},
      {"P8 150 acts as 50", {1, 1, 10, 5, 20, 0, 0, 150, 1}, {put(11, 84, 976), put(20, 84, 1190)}},
      {"P8 50", {1, 1, 10, 5, 20, 0, 0, 50, 1}, {put(11, 84, 976), put(20, 84, 1190)}},
      {"P8 -100 acts as 0", {1, 1, 10, 5, 20, 0, 0, -100, 1}, {put(11, 84, 976), put(20, 84, 980)}},
      {"P8 99 stays", {1, 1, 10, 5, 20, 0, 0, 99, 1}, {put(11, 84, 976), put(20, 84, 1396)}},
  });
}

TEST_F(NoteRows, HeadShiftMovesEveryPart) {
  std::vector<Placed> right = {put(11, 94, 976), mirrored(20, 104, 971), put(24, 105, 971),
                               put(6, 94, 976)};
  std::vector<Placed> left = {put(11, 74, 976), mirrored(20, 84, 971), put(24, 85, 971),
                              put(6, 74, 976)};
  check({
      {"P10 10 shifts right", {1, 1, 10, 5, 11, 0, 0, 0, 11, 10}, right},
      {"P10 1 shifts right", {1, 1, 10, 5, 11, 0, 0, 0, 11, 1}, right},
      {"P10 20 shifts left", {1, 1, 10, 5, 11, 0, 0, 0, 11, 20}, left},
      {"P10 -1 shifts left", {1, 1, 10, 5, 11, 0, 0, 0, 11, -1}, left},
  });
}

TEST_F(NoteRows, FlagsAndAccidentals) {
  std::vector<Placed> nineFlags = {put(11, 84, 976)};
  for (int y : {978, 986, 995, 1003, 1011, 1020, 1028, 1037, 1045})
    nineFlags.push_back(put(20, 84, y));
  check({
      {"P5 21 P9 3: three flags below, then flat",
       {1, 1, 10, 5, 21, 0, 0, 0, 3},
       {put(11, 84, 976), put(20, 84, 978), put(20, 84, 986), put(20, 84, 995), put(6, 84, 976)}},
      {"P5 10 P9 1: one mirrored flag, no accidental",
       {1, 1, 10, 5, 10, 0, 0, 0, 1},
       {put(11, 84, 976), mirrored(20, 94, 971)}},
      {"stem digit 0: no flags", {1, 1, 10, 5, 1, 0, 0, 0, 2}, {put(11, 84, 976), put(6, 84, 976)}},
      {"stem digit 3: no flags",
       {1, 1, 10, 5, 31, 0, 0, 0, 2},
       {put(11, 84, 976), put(6, 84, 976)}},
      {"P5 -12: no flags, no accidental", {1, 1, 10, 5, -12, 0, 0, 0, 1}, {put(11, 84, 976)}},
      {"P9 9: nine flags, no dots", {1, 1, 10, 5, 20, 0, 0, 0, 9}, nineFlags},
      {"accidental digit 9: symbol 14", {1, 1, 10, 5, 9}, {put(11, 84, 976), put(14, 84, 976)}},
  });
}

TEST_F(NoteRows, DotsOnLinesAndSpaces) {
  check({
      {"P9 20 on a line: raised",
       {1, 1, 10, 5, 0, 0, 0, 0, 20},
       {put(11, 84, 976), put(24, 95, 971), put(24, 103, 971)}},
      {"P9 20 in a space: level",
       {1, 1, 10, 6, 0, 0, 0, 0, 20},
       {put(11, 84, 971), put(24, 95, 971), put(24, 103, 971)}},
      {"P9 10: one dot, no flags",
       {1, 1, 10, 5, 20, 0, 0, 0, 10},
       {put(11, 84, 976), put(24, 95, 971)}},
      {"ledger line below (P4 -1): raised",
       {1, 1, 10, -1, 0, 0, 0, 0, 10},
       {put(11, 84, 1001), put(24, 95, 997)}},
      {"space below (P4 -2): level",
       {1, 1, 10, -2, 0, 0, 0, 0, 10},
       {put(11, 84, 1005), put(24, 95, 1005)}},
      {"ledger line below (P4 -3): raised",
       {1, 1, 10, -3, 0, 0, 0, 0, 10},
       {put(11, 84, 1009), put(24, 95, 1005)}},
      {"P9 39.9: three dots, nine flags ignored without stem",
       {1, 1, 10, 6, 0, 0, 0, 0, 39.9f},
       {put(11, 84, 971), put(24, 95, 971), put(24, 103, 971), put(24, 110, 971)}},
  });
}

// Hundreds in P9 are stripped: tens stay the dots, units the flags.
TEST_F(NoteRows, HundredsInRhythmDigitsAreIgnored) {
  check({
      {"P9 120: two dots",
       {1, 1, 10, 5, 20, 0, 0, 0, 120},
       {put(11, 84, 976), put(24, 95, 971), put(24, 103, 971)}},
      {"P9 100: nothing", {1, 1, 10, 5, 20, 0, 0, 0, 100}, {put(11, 84, 976)}},
      {"P9 105: five flags, no dot",
       {1, 1, 10, 5, 20, 0, 0, 0, 105},
       {put(11, 84, 976), put(20, 84, 978), put(20, 84, 986), put(20, 84, 995), put(20, 84, 1003),
        put(20, 84, 1011)}},
      {"P9 123.5: three flags, two dots",
       {1, 1, 10, 5, 20, 0, 0, 0, 123.5f},
       {put(11, 84, 976), put(20, 84, 978), put(20, 84, 986), put(20, 84, 995), put(24, 95, 971),
        put(24, 103, 971)}},
  });
}

TEST_F(NoteRows, FullNoteKeepsItsOrder) {
  check({{"head, flags nearest first, dots left to right, accidental",
          {1, 1, 10, 5, 23, 0, 0, 0, 32},
          {put(11, 84, 976), put(20, 84, 978), put(20, 84, 986), put(24, 95, 971),
           put(24, 103, 971), put(24, 110, 971), put(8, 84, 976)}}});
}

TEST_F(NoteLayoutTest, NoteAskingForTwentyComponentsGetsThemAll) {
  std::vector<Placed> placed = layNote(document, view, {1, 1, 10, 5, 21, 0, 0, 0, 99});
  ASSERT_EQ(placed.size(), 20u);
  EXPECT_EQ(placed[0].symbol, 11);
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(placed[k].symbol, 20) << "slot " << k;
  for (int k = 10; k <= 18; ++k) EXPECT_EQ(placed[k].symbol, 24) << "slot " << k;
  EXPECT_EQ(placed[19], put(6, 84, 976));
  // The ninth dot: 3.0 + 2.15 x 8 units right of the note.
  EXPECT_EQ(placed[18].x, toWindowX(view, (10 + 3.0 + 2.15 * 8) * view.viewState.hUnit));
}

TEST_F(NoteRows, UncopyableHeadLeavesTheRest) {
  check({{"P6 189 names symbol 200",
          {1, 1, 10, 5, 21, 189, 0, 0, 1},
          {put(20, 84, 980), put(6, 84, 976)}},
         {"P6 -12 names symbol -1", {1, 1, 10, 5, 1, -12}, {put(6, 84, 976)}},
         {"huge P6", {1, 1, 10, 5, 1, 1e30f}, {put(6, 84, 976)}}});
}

}  // namespace
