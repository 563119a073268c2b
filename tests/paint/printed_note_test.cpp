// The complete drawing's note painter: stem and ledger lines where the basic
// painter draws those of an equivalent note.
#include <gtest/gtest.h>

#include <string>

#include "paint_fixture.h"
#include "view/note_geometry.h"

namespace {

class PrintedNote : public PaintTest {
 protected:
  // The note as item 3, over staff 1 and staff 2 eighteen steps above it.
  std::string draw(const ItemParams& note, bool printed) {
    TearDown();
    SetUp();
    return paintOne({{8, 1}, {8, 2}, note}, 3, printed ? paintPrintedNote : paintNote);
  }
};

TEST_F(PrintedNote, AsEquivalentBasicNotes) {
  struct Row {
    const char* name;
    ItemParams printed;
    ItemParams basic;
  };
  // An up-stem note below the staff: a stem and two ledger lines.
  const float shifted = static_cast<float>(10 + kPrintedHeadWidth);
  const Row rows[] = {
      {"P12 1: on the staff above",
       {1, 1, 10, -1, 10, 0, 0, 1, 0, 0, 0, 1},
       {1, 2, 10, -1, 10, 0, 0, 1}},
      {"P12 2: on the staff below", {1, 2, 10, -1, 20, 0, 0, 0, 0, 0, 0, 2}, {1, 1, 10, -1, 20}},
      {"P12 0.5: on its own staff", {1, 1, 10, -1, 10, 0, 0, 0, 0, 0, 0, 0.5f}, {1, 1, 10, -1, 10}},
      {"P10 1: a unit right", {1, 1, 10, -1, 10, 0, 0, 0, 0, 1}, {1, 1, 11, -1, 10}},
      {"P10 20: a printed head width left",
       {1, 1, shifted, 14, 20, 0, 0, 0, 0, 20},
       {1, 1, 10, 14, 20}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(draw(row.printed, true), draw(row.basic, false)) << row.name;
  }
}

}  // namespace
