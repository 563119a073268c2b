#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "paint_fixture.h"

namespace {

using NoteTest = PaintTest;

// Draws a note as item 2, on a default staff 1 (bottom line at window y 984).
class NoteOps : public NoteTest {
 protected:
  std::string note(const ItemParams& params) {
    reset();
    return paintOne({{8, 1}, params}, 2, paintNote);
  }
};

TEST_F(NoteOps, WorkedExamples) {
  EXPECT_EQ(note({1, 1, 10, 5, 10, 0, 0, 0}), lineOps(94, 976, 94, 946)) << "stem up";
  EXPECT_EQ(note({1, 1, 10, 5, 20, 0, 0, 0}), lineOps(84, 976, 84, 1005)) << "stem down";
  EXPECT_EQ(note({1, 1, 10, 14}), lineOps(81, 942, 97, 942)) << "ledger line";
}

struct StemCase {
  const char* name;
  ItemParams note;  // P1 .. P10
  std::string ops;
};

TEST_F(NoteOps, Stems) {
  const std::string up = lineOps(94, 976, 94, 946);
  const std::string down = lineOps(84, 976, 84, 1005);
  const StemCase cases[] = {
      {"P5 15 is up", {1, 1, 10, 5, 15}, up},
      {"P5 25 is down", {1, 1, 10, 5, 25}, down},
      {"P5 5 has none", {1, 1, 10, 5, 5}, ""},
      {"P5 35 has none", {1, 1, 10, 5, 35}, ""},
      {"P5 9.9 has none", {1, 1, 10, 5, 9.9f}, ""},
      {"P6 1 keeps the stem", {1, 1, 10, 5, 12, 1}, up},
      {"P6 2 suppresses it", {1, 1, 10, 5, 12, 2}, ""},
      {"P6 3 suppresses it", {1, 1, 10, 5, 12, 3}, ""},
      {"P6 12 suppresses it", {1, 1, 10, 5, 22, 12}, ""},
      {"P6 13 suppresses it", {1, 1, 10, 5, 22, 13}, ""},
      {"P8 102 is a 9-step stem", {1, 1, 10, 5, 10, 0, 0, 102}, lineOps(94, 976, 94, 938)},
      {"P8 -3 is a 4-step stem", {1, 1, 10, 5, 10, 0, 0, -3}, lineOps(94, 976, 94, 959)},
      {"P8 -104 is a 3-step stem", {1, 1, 10, 5, 10, 0, 0, -104}, lineOps(94, 976, 94, 963)},
      {"P4 105 is drawn at 5", {1, 1, 10, 105, 10}, up},
      {"P10 10 shifts one head right, up",
       {1, 1, 10, 5, 10, 0, 0, 0, 0, 10},
       lineOps(104, 976, 104, 946)},
      {"P10 10 shifts one head right, down",
       {1, 1, 10, 5, 20, 0, 0, 0, 0, 10},
       lineOps(94, 976, 94, 1005)},
      {"P10 20 shifts one head left",
       {1, 1, 10, 5, 20, 0, 0, 0, 0, 20},
       lineOps(74, 976, 74, 1005)},
      {"P10 0.5 shifts half a head right",
       {1, 1, 10, 5, 10, 0, 0, 0, 0, 0.5f},
       lineOps(99, 976, 99, 946)},
  };
  for (const StemCase& c : cases) EXPECT_EQ(note(c.note), c.ops) << c.name;
}

TEST_F(NoteOps, LedgerLines) {
  const std::string at13 = lineOps(81, 942, 97, 942);
  const std::string at15 = lineOps(81, 934, 97, 934);
  const std::string at1 = lineOps(81, 992, 97, 992);
  const std::string atMinus1 = lineOps(81, 1001, 97, 1001);
  const StemCase cases[] = {
      {"P4 13: one above", {1, 1, 10, 13}, at13},
      {"P4 14: one above", {1, 1, 10, 14}, at13},
      {"P4 15: two above", {1, 1, 10, 15}, at13 + at15},
      {"P4 12.5: none", {1, 1, 10, 12.5f}, ""},
      {"P4 12: none", {1, 1, 10, 12}, ""},
      {"P4 2: none", {1, 1, 10, 2}, ""},
      {"P4 1: one below", {1, 1, 10, 1}, at1},
      {"P4 0: one below", {1, 1, 10, 0}, at1},
      {"P4 -1: two below", {1, 1, 10, -1}, at1 + atMinus1},
      {"P4 -2: two below", {1, 1, 10, -2}, at1 + atMinus1},
      {"P4 114 counts as 14", {1, 1, 10, 114}, at13},
      {"P10 10 moves them one head right",
       {1, 1, 10, 14, 0, 0, 0, 0, 0, 10},
       lineOps(91, 942, 107, 942)},
      {"P1 and P2 only: one below at P3 0", {1, 1}, lineOps(45, 992, 61, 992)},
  };
  for (const StemCase& c : cases) EXPECT_EQ(note(c.note), c.ops) << c.name;
}

TEST_F(NoteTest, StaffSizeScalesStemAndLedgerLines) {
  // Size 2: the head at step 5 is 16.8 pixels up, the stem 58.8 pixels long.
  EXPECT_EQ(paintOne({{8, 1, 0, 0, 2}, {1, 1, 10, 5, 10}}, 2, paintNote),
            lineOps(104, 967, 104, 908));
}

TEST_F(NoteTest, StemThenComponentsThenLedgerLines) {
  loadItems(document, {{8, 1}, {1, 1, 10, 14, 10}});
  attach(2, makeSymbol({{1, 2}, {3, 4}}, {{2, 2}}));
  prepareStaffTables(document, view);
  RecordingSurface surface;
  paintNote(surface, document, view, 2);
  EXPECT_EQ(surface.listing(),
            lineOps(94, 938, 94, 908) + "polygon black 2 1 2 3 4\n" + lineOps(81, 942, 97, 942));
}

TEST_F(NoteTest, OffTheTablesOnlyTheComponentsAreDrawn) {
  for (float s : {0.0f, 33.0f, -5.0f}) {
    reset();
    loadItems(document, {{8, 1}, {1, s, 10, 14, 10}});
    attach(2, makeSymbol({{1, 2}}, {{1, 1}}));
    prepareStaffTables(document, view);
    RecordingSurface surface;
    paintNote(surface, document, view, 2);
    EXPECT_EQ(surface.listing(), "polyline 1 1 2\n") << "staff " << s;
  }
}

TEST_F(NoteTest, HostilePositionsAreBounded) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (float p4 : {3e38f, -3e38f, 2147483647.0f, -2147483648.0f, nan}) {
    reset();
    std::string ops = paintOne({{8, 1}, {1, 1, nan, p4, 10, 0, 0, nan, 0, nan}}, 2, paintNote);
    EXPECT_LE(countOps(ops, "lineto"), kMaxRuledLines + 1) << "P4 " << p4;
  }
}

TEST_F(NoteTest, ManyLedgerLinesAreCutAtTheLimit) {
  std::string ops = paintOne({{8, 1}, {1, 1, 10, 1e7f}}, 2, paintNote);
  EXPECT_EQ(countOps(ops, "lineto"), kMaxRuledLines);
  EXPECT_EQ(ops.substr(0, lineOps(81, 942, 97, 942).size()), lineOps(81, 942, 97, 942));
}

}  // namespace
