#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "paint_fixture.h"

namespace {

std::string staffLines(int x1, int x2, const std::vector<int>& ys) {
  std::string ops;
  for (int y : ys) ops += lineOps(x1, y, x2, y);
  return ops;
}

using StaffTest = PaintTest;

TEST_F(StaffTest, DefaultStaffIsFiveLinesWithTruncatedSpacing) {
  EXPECT_EQ(paintOne({{8, 1}}, 1, paintStaff), staffLines(48, 768, {984, 976, 968, 959, 951}));
}

struct StaffCase {
  const char* name;
  ItemParams staff;
  std::vector<int> ys;
};

// Staff 1 at 96 pixels per inch: the bottom line lies at window y 984 and a
// step is 4.2 pixels.
const StaffCase kStaffCases[] = {
    {"P7 -1 hides the staff", {8, 1, 0, 0, 0, 0, -1}, {}},
    {"P7 1 is the bottom line alone", {8, 1, 0, 0, 0, 0, 1}, {984}},
    {"P7 7 gives seven lines", {8, 1, 0, 0, 0, 0, 7}, {984, 976, 968, 959, 951, 943, 934}},
    {"negative P7 gives none", {8, 1, 0, 0, 0, 0, -3}, {}},
    {"P7 105 is five lines, not raised", {8, 1, 0, 0, 0, 0, 105}, {984, 976, 968, 959, 951}},
    {"P7 301 is one line raised two spaces", {8, 1, 0, 0, 0, 0, 301}, {968}},
    {"P7 100 gives no lines", {8, 1, 0, 0, 0, 0, 100}, {}},
    {"P7 200 gives no lines", {8, 1, 0, 0, 0, 0, 200}, {}},
    {"P4 2003: offset 3 steps, two lines", {8, 1, 0, 2003}, {971, 963}},
    {"P4 -2003: offset -3 steps, two lines", {8, 1, 0, -2003}, {997, 989}},
    {"P4 1000: no offset, one line", {8, 1, 0, 1000}, {984}},
    {"P4 999.9 is an offset, not a count", {8, 1, 0, 999.9f, 0, 0, 1}, {-3216}},
    {"P7 in the hundreds wins over the thousands of P4",
     {8, 1, 0, 2003, 0, 0, 105},
     {971, 963, 955, 946, 938}},
    {"P7 -1 hides a staff with thousands", {8, 1, 0, 2003, 0, 0, -1}, {}},
    {"size 0.5 halves the spacing", {8, 1, 0, 0, 0.5f}, {984, 980, 976, 972, 968}},
    {"size 2 doubles spacing and offset", {8, 1, 0, 2, 2}, {967, 951, 934, 917, 900}},
    {"P7 203 at size 0.5 is raised one half space", {8, 1, 0, 0, 0.5f, 0, 203}, {980, 976, 972}},
};

TEST_F(StaffTest, LineCountsAndPositions) {
  for (const StaffCase& c : kStaffCases) {
    SCOPED_TRACE(c.name);
    reset();
    EXPECT_EQ(paintOne({c.staff}, 1, paintStaff), staffLines(48, 768, c.ys)) << c.name;
  }
}

TEST_F(StaffTest, EndsFollowP3AndP6) {
  EXPECT_EQ(paintOne({{8, 1, 10, 0, 0, 50, 1}}, 1, paintStaff), staffLines(84, 228, {984}));
}

TEST_F(StaffTest, SecondStaffStandsEighteenStepsHigher) {
  // 18 steps are 75.6 pixels: the bottom line rounds to 908.
  EXPECT_EQ(paintOne({{8, 2, 0, 0, 0, 0, 1}}, 1, paintStaff), staffLines(48, 768, {908}));
}

TEST_F(StaffTest, ZoomScalesSpacingAndKeepsTheTopLeftCorner) {
  view.viewState.zoom = 2.0;
  // Bottom line 984 pixels below the page top at zoom 1: 1968 at zoom 2.
  EXPECT_EQ(paintOne({{8, 1, 0, 0, 0, 0, 2}}, 1, paintStaff), staffLines(96, 1536, {1968, 1952}));
}

TEST_F(StaffTest, StaffNumbersOutsideTheTablesDrawNothing) {
  for (float s : {0.0f, -1.0f, 33.0f, 1e30f}) {
    reset();
    EXPECT_EQ(paintOne({{8, s}}, 1, paintStaff), "") << "staff " << s;
  }
}

TEST_F(StaffTest, HostileCountsAreBounded) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const ItemParams hostile[] = {
      {8, 1, 0, 0, 0, 0, 1e9f},   {8, 1, 0, 3e38f},        {8, 1, 0, -3e38f},
      {8, 1, 0, 0, 1e30f, 0, 20}, {8, 1, 0, 0, nan, 0, 5}, {8, 1, nan, nan, nan, nan, nan},
  };
  for (const ItemParams& staff : hostile) {
    reset();
    std::string ops = paintOne({staff}, 1, paintStaff);
    EXPECT_LE(countOps(ops, "lineto"), kMaxRuledLines)
        << "P4 " << staff[3] << " P7 " << staff.back();
  }
}

TEST_F(StaffTest, ManyLinesAreCutAtTheLimit) {
  std::string ops = paintOne({{8, 1, 0, 0, 0, 0, 5000}}, 1, paintStaff);
  EXPECT_EQ(countOps(ops, "lineto"), kMaxRuledLines);
  EXPECT_EQ(ops.substr(0, 28), staffLines(48, 768, {984}).substr(0, 28));
}

}  // namespace
