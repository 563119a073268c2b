#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "paint_fixture.h"

namespace {

std::string quad(const char* brush, std::vector<int> xy) {
  std::string ops = std::string("polygon ") + brush + " 4";
  for (int v : xy) ops += " " + std::to_string(v);
  return ops + "\n";
}

// Draws a beam as item 2, on a default staff 1 (bottom line at 984), onto a
// fresh surface that holds the white brush.
class BeamTest : public PaintTest {
 protected:
  std::string beam(const std::vector<ItemParams>& items) {
    reset();
    std::vector<ItemParams> all = {{8, 1}};
    all.insert(all.end(), items.begin(), items.end());
    return paintOne(all, 2, paintBeam);
  }
};

TEST_F(BeamTest, WorkedExampleMeetsTheUpStem) {
  EXPECT_EQ(beam({{6, 1, 10, 5, 5, 30, 11}}),
            quad("white", {94, 950, 166, 950, 166, 946, 94, 946}));
}

struct BeamCase {
  const char* name;
  ItemParams beam;
  std::string ops;
};

TEST_F(BeamTest, CountsAndDirections) {
  const std::string up1 = quad("white", {94, 950, 166, 950, 166, 946, 94, 946});
  const std::string up2 = quad("white", {94, 957, 166, 957, 166, 953, 94, 953});
  const std::string up3 = quad("white", {94, 963, 166, 963, 166, 959, 94, 959});
  const std::string down1 = quad("white", {84, 1001, 156, 1001, 156, 1005, 84, 1005});
  const std::string down2 = quad("white", {84, 995, 156, 995, 156, 999, 84, 999});
  const BeamCase cases[] = {
      {"P7 10 is one beam up", {6, 1, 10, 5, 5, 30, 10}, up1},
      {"P7 12 is two beams up", {6, 1, 10, 5, 5, 30, 12}, up1 + up2},
      {"P7 13 is three beams up", {6, 1, 10, 5, 5, 30, 13}, up1 + up2 + up3},
      {"P7 21 is one beam down", {6, 1, 10, 5, 5, 30, 21}, down1},
      {"P7 22 is two beams down", {6, 1, 10, 5, 5, 30, 22}, down1 + down2},
      {"P7 31 draws nothing", {6, 1, 10, 5, 5, 30, 31}, ""},
      {"P7 5 draws nothing", {6, 1, 10, 5, 5, 30, 5}, ""},
      {"P7 -11 draws nothing", {6, 1, 10, 5, 5, 30, -11}, ""},
      {"sloping beam",
       {6, 1, 10, 5, 8, 30, 11},
       quad("white", {94, 950, 166, 938, 166, 934, 94, 946})},
      {"P4 105 is 5 while P5 105 stays",
       {6, 1, 10, 105, 105, 30, 11},
       quad("white", {94, 950, 166, 530, 166, 526, 94, 946})},
      {"P4 200 loses both hundreds",
       {6, 1, 10, 200, 5, 30, 11},
       quad("white", {94, 971, 166, 950, 166, 946, 94, 967})},
      {"staff 0 draws nothing", {6, 0, 10, 5, 5, 30, 11}, ""},
      {"staff 33 draws nothing", {6, 33, 10, 5, 5, 30, 11}, ""},
  };
  for (const BeamCase& c : cases) EXPECT_EQ(beam({c.beam}), c.ops) << c.name;
}

TEST_F(BeamTest, ShortItemReadsNothingBeyondItsOwnParameters) {
  // Read past its six words, the beam would take the next item's count word
  // (11.0) as P7: one beam, stems up.
  ItemParams eleven = {9, 1, 10, 5, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(beam({{6, 1, 10, 5, 5, 30}, eleven}), "");
  EXPECT_EQ(beam({{6, 1}, eleven}), "");
}

TEST_F(BeamTest, FillIsTheBrushLeftByTheLastSymbol) {
  struct BrushCase {
    const char* name;
    std::vector<DrawEntry> head;
    const char* brush;
  };
  const BrushCase cases[] = {
      {"after a black-filled head", {{2, 2}}, "black"},
      {"after a white-filled head", {{3, 2}}, "white"},
      {"after white then black", {{3, 1}, {2, 1}}, "black"},
      {"after a head of lines only", {{1, 2}}, "white"},
  };
  for (const BrushCase& c : cases) {
    reset();
    loadItems(document, {{8, 1}, {1, 1, 10, 5, 10}, {6, 1, 10, 5, 5, 30, 11}});
    attach(2, makeSymbol({{0, 0}, {1, 1}}, c.head));
    std::string ops = paintAll();
    EXPECT_NE(ops.find(quad(c.brush, {94, 950, 166, 950, 166, 946, 94, 946})), std::string::npos)
        << c.name << "\n"
        << ops;
  }
}

}  // namespace
