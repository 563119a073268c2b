// The note parameters that layout and painter share: the staff, the head
// shift, the folds of P4 and P8 and the digits of P5, in both drawing modes.
#include "view/note_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "support/mus_bytes.h"

namespace {

// The complete drawing's head shift and staff against SCORE 4's EPS of the
// corpus pages (staff size 0.75 there; 1 unit = 150 EPS units).
constexpr double kZ = 0.75;
constexpr double kEpsUnit = 150.0;

TEST(NoteGeometry, HeadShiftAsPrinted) {
  struct Row {
    float p10;
    double eps;
  };  // EPS x of the head less P3 x 150
  // chopin 88 (P10 1), brahms 21 (0.5), chor 131 (3.5), brahms 9 (-0.5),
  // chopin 58 (4); P10 10 and 20: the mean of 16 heads and of brahms 107, 111.
  const Row rows[] = {{1, 111.9}, {0.5, 56.25}, {3.5, 393.05}, {-0.5, -57.2},
                      {4, 449.8}, {10, 318.4},  {20, -318.95}, {0, 0}};
  for (const Row& row : rows) {
    EXPECT_NEAR(printedHeadShift(row.p10, kZ) * kEpsUnit, row.eps, 1.5) << row.p10;
  }
}

TEST(NoteGeometry, DrawnStaff) {
  struct Row {
    int s;
    float p12;
    int drawn;
  };
  const Row rows[] = {{2, 1, 3}, {7, 2, 6}, {2, 0.5f, 2}, {1, 0, 1},  {32, 1, 32},
                      {1, 2, 1}, {5, 3, 5}, {5, -1, 5},   {5, NAN, 5}};
  for (const Row& row : rows) {
    EXPECT_EQ(drawnStaff(row.s, row.p12), row.drawn) << row.s << " " << row.p12;
  }
}

struct DecodeRow {
  const char* name;
  DrawingMode mode;
  ItemParams note;
  int staff;
  float x;
  float p4;
  float stemLength;
  int stem;
  int accidental;
};

// Staff 1 of size 0.75, staff 2 of size 1.5 above it.
TEST(NoteGeometry, DecodesTheSharedParameters) {
  const DrawingMode basic = DrawingMode::kBasic;
  const DrawingMode complete = DrawingMode::kComplete;
  const DecodeRow rows[] = {
      {"plain", basic, {1, 1, 10, 5, 21, 0, 0, 3}, 1, 10, 5, 3, 2, 1},
      {"P10 10: a head right", basic, {1, 1, 10, 5, 10, 0, 0, 0, 0, 10}, 1, 12.1f, 5, 0, 1, 0},
      {"P10 20: a head left", basic, {1, 1, 10, 5, 10, 0, 0, 0, 0, 20}, 1, 7.9f, 5, 0, 1, 0},
      {"P10 0.5: half a head", basic, {1, 1, 10, 5, 10, 0, 0, 0, 0, 0.5f}, 1, 11.05f, 5, 0, 1, 0},
      {"P10 10 printed", complete, {1, 1, 10, 5, 10, 0, 0, 0, 0, 10}, 1, 12.12475f, 5, 0, 1, 0},
      {"P10 0.5 printed: units",
       complete,
       {1, 1, 10, 5, 10, 0, 0, 0, 0, 0.5f},
       1,
       10.375f,
       5,
       0,
       1,
       0},
      {"P4 and P8 above a hundred", basic, {1, 1, 10, 104, 10, 0, 0, 103}, 1, 10, 4, 3, 1, 0},
      {"P4 of a hundred stays", basic, {1, 1, 10, 100, 10, 0, 0, 100}, 1, 10, 100, 0, 1, 0},
      {"P8 below minus a hundred", basic, {1, 1, 10, 5, 10, 0, 0, -104}, 1, 10, 5, -4, 1, 0},
      {"P8 of minus 99 stays", basic, {1, 1, 10, 5, 10, 0, 0, -99}, 1, 10, 5, -99, 1, 0},
      {"P12 1 printed: the staff above",
       complete,
       {1, 1, 10, 5, 29, 0, 0, 0, 0, 0, 0, 1},
       2,
       10,
       5,
       0,
       2,
       9},
      {"P12 1 basic: its own staff",
       basic,
       {1, 1, 10, 5, 29, 0, 0, 0, 0, 0, 0, 1},
       1,
       10,
       5,
       0,
       2,
       9},
      {"P12 1 printed, P10 10: the head of the staff above",
       complete,
       {1, 1, 10, 5, 10, 0, 0, 0, 0, 10, 0, 1},
       2,
       14.2495f,
       5,
       0,
       1,
       0},
      {"P5 absent", basic, {1, 1, 10, 5}, 1, 10, 5, 0, 0, 0},
  };
  for (const DecodeRow& row : rows) {
    SCOPED_TRACE(row.name);
    Document notes;
    loadItems(notes, {{8, 1, 0, 0, 0.75f}, {8, 2, 0, 0, 1.5f}, row.note});
    View view;
    initViewState(view, 96);
    prepareStaffTables(notes, view);
    std::optional<NoteGeometry> g = decodeNote(view, itemAt(notes.itemTable, 3), row.mode);
    ASSERT_TRUE(g.has_value());
    EXPECT_EQ(g->staff, row.staff);
    EXPECT_EQ(g->size, row.staff == 1 ? 0.75f : 1.5f);
    EXPECT_EQ(g->base, view.staffTables.staffBase[row.staff]);
    EXPECT_FLOAT_EQ(g->x, row.x);
    EXPECT_EQ(g->p4, row.p4);
    EXPECT_EQ(g->stemLength, row.stemLength);
    EXPECT_EQ(g->stem, row.stem);
    EXPECT_EQ(g->accidental, row.accidental);
  }
}

// Staff numbers are checked before P12 moves the note: a note of staff 0
// is not drawn on staff 1.
TEST(NoteGeometry, NothingOffTheStaffTables) {
  const ItemParams notes[] = {{1, 0, 10, 5, 10, 0, 0, 0, 0, 0, 0, 1}, {1, 33, 10, 5}, {1, NAN}};
  for (const ItemParams& note : notes) {
    Document document;
    loadItems(document, {{8, 1}, note});
    View view;
    initViewState(view, 96);
    prepareStaffTables(document, view);
    for (DrawingMode mode : {DrawingMode::kBasic, DrawingMode::kComplete}) {
      EXPECT_FALSE(decodeNote(view, itemAt(document.itemTable, 2), mode).has_value()) << note[1];
    }
  }
}

}  // namespace
