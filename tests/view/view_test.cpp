#include "view/view.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "score/item_table.h"
#include "support/mus_bytes.h"

namespace {

struct ResolutionCase {
  int pixelsPerInch;
  double stepUnit, hUnit, symbolUnit;
  int leftMargin, bottomMargin, pageHeight;
  int originX, originY;
};

TEST(ViewState, MeasuresFollowTheResolution) {
  const ResolutionCase cases[] = {
      {96, 4.2, 3.6, 0.6, 48, 72, 1056, 48, 984},
      {120, 5.25, 4.5, 0.75, 60, 90, 1320, 60, 1230},
  };
  View view;
  for (const ResolutionCase& c : cases) {
    view.viewState.zoom = 3.0;
    view.viewState.viewOffsetX = 7;
    view.viewState.viewOffsetY = -9;
    initViewState(view, c.pixelsPerInch);
    SCOPED_TRACE(::testing::Message() << c.pixelsPerInch << " ppi");
    EXPECT_EQ(view.viewState.pixelsPerInch, c.pixelsPerInch);
    EXPECT_DOUBLE_EQ(view.viewState.stepUnit, c.stepUnit);
    EXPECT_DOUBLE_EQ(view.viewState.hUnit, c.hUnit);
    EXPECT_DOUBLE_EQ(view.viewState.symbolUnit, c.symbolUnit);
    EXPECT_EQ(view.viewState.leftMargin, c.leftMargin);
    EXPECT_EQ(view.viewState.bottomMargin, c.bottomMargin);
    EXPECT_EQ(view.viewState.pageHeight, c.pageHeight);
    EXPECT_EQ(view.viewState.zoom, 1.0);
    EXPECT_EQ(view.viewState.viewOffsetX, 0);
    EXPECT_EQ(view.viewState.viewOffsetY, 0);
    EXPECT_EQ(toWindowX(view, 0), c.originX);
    EXPECT_EQ(toWindowY(view, 0), c.originY);
  }
}

struct RoundCase {
  const char* name;
  double v;
  int expected;
};

TEST(RoundToInt, HalvesGoAwayFromZeroAndExtremesSaturate) {
  const RoundCase cases[] = {
      {"half", 0.5, 1},
      {"minus half", -0.5, -1},
      {"zero", 0.0, 0},
      {"minus zero", -0.0, 0},
      {"two and a half", 2.5, 3},
      {"minus two and a half", -2.5, -3},
      {"just below half", 2.49, 2},
      {"just above minus half", -2.49, -2},
      {"largest int", 2147483647.0, INT_MAX},
      {"largest int plus 0.4", 2147483647.4, INT_MAX},
      {"smallest int", -2147483648.0, INT_MIN},
      {"huge", 1e300, INT_MAX},
      {"minus huge", -1e300, INT_MIN},
      {"infinity", std::numeric_limits<double>::infinity(), INT_MAX},
      {"NaN", std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const RoundCase& c : cases) EXPECT_EQ(roundToInt(c.v), c.expected) << c.name;
}

class ViewTransformTest : public ::testing::Test {
 protected:
  void SetUp() override { initViewState(view, 96); }
  View view;
};

TEST_F(ViewTransformTest, ZoomGrowsThePageFromItsTopLeftCorner) {
  view.viewState.zoom = 2.0;
  EXPECT_EQ(toWindowX(view, 0), 2 * view.viewState.leftMargin);
  EXPECT_EQ(toWindowY(view, 0), 2 * 984);
  view.viewState.viewOffsetX = 30;
  view.viewState.viewOffsetY = -40;
  EXPECT_EQ(toWindowX(view, -view.viewState.leftMargin), 30);
  EXPECT_EQ(toWindowY(view, view.viewState.pageHeight - view.viewState.bottomMargin), -40);
  EXPECT_EQ(toWindowX(view, 10.25), roundToInt((48 + 10.25) * 2 + 30));
}

TEST_F(ViewTransformTest, ZoomZeroMapsEverythingToTheCorner) {
  view.viewState.zoom = 0.0;
  view.viewState.viewOffsetX = 5;
  view.viewState.viewOffsetY = 6;
  for (double p : {-1000.0, 0.0, 37.5, 1e6}) {
    EXPECT_EQ(toWindowX(view, p), 5) << "x " << p;
    EXPECT_EQ(toWindowY(view, p), 6) << "y " << p;
  }
}

TEST_F(ViewTransformTest, NegativeZoomMirrorsThroughTheCorner) {
  view.viewState.zoom = -1.0;
  view.viewState.viewOffsetX = 100;
  view.viewState.viewOffsetY = 200;
  EXPECT_EQ(toWindowX(view, -48 + 10), 90);
  EXPECT_EQ(toWindowY(view, 984 - 10), 190);
  EXPECT_EQ(toWindowX(view, 0), 52);
  EXPECT_EQ(toWindowY(view, 0), 200 - 984);
}

class StaffTablesTest : public ::testing::Test {
 protected:
  void SetUp() override { initViewState(view, 96); }
  static ItemParams staff(float n, float p4, float p5) { return {8, n, 0, p4, p5}; }
  Document document;
  View view;
};

TEST_F(StaffTablesTest, DefaultHeightsStandEighteenStepsApart) {
  loadItems(document, {});
  prepareStaffTables(document, view);
  for (int n = 1; n <= kStaffCount; ++n) {
    EXPECT_FLOAT_EQ(view.staffTables.staffDefaultY[n], 18 * (n - 1) * 4.2f) << "staff " << n;
  }
  EXPECT_FLOAT_EQ(view.staffTables.staffBase[2] - view.staffTables.staffBase[1], 75.6f);
}

struct StaffItemCase {
  const char* name;
  ItemParams item;  // a staff item for staff 2
  double offsetSteps;
  float size;
};

TEST_F(StaffTablesTest, OffsetDropsThousandsAndSizeDefaultsToOne) {
  const StaffItemCase cases[] = {
      {"P4 999.9 keeps its offset", {8, 2, 0, 999.9f, 1}, 999.9, 1.0f},
      {"P4 1000 has no offset", {8, 2, 0, 1000, 1}, 0, 1.0f},
      {"P4 -1000.5 keeps the half", {8, 2, 0, -1000.5f, 1}, -0.5, 1.0f},
      {"P4 1500", {8, 2, 0, 1500, 1}, 500, 1.0f},
      {"P4 -2300", {8, 2, 0, -2300, 1}, -300, 1.0f},
      {"P4 -999", {8, 2, 0, -999, 1}, -999, 1.0f},
      // Below 2000, so one thousand: the product with 0.001 is not rounded to
      // single precision, which would make it 2.0.
      {"P4 just below 2000", {8, 2, 0, 1999.99988f, 1}, 999.99988, 1.0f},
      {"P5 0 means size 1", {8, 2, 0, 4, 0}, 4, 1.0f},
      {"no P5 means size 1", {8, 2, 0, 4}, 4, 1.0f},
      {"no P4 means no offset", {8, 2, 0}, 0, 1.0f},
      {"P5 0.75", {8, 2, 0, 10, 0.75f}, 10, 0.75f},
      {"code 8.9 is a staff", {8.9f, 2, 0, 3, 2}, 3, 2.0f},
      {"staff 2.9 is staff 2", {8, 2.9f, 0, 3, 2}, 3, 2.0f},
  };
  for (const StaffItemCase& c : cases) {
    view.staffTables = StaffTables{};
    loadItems(document, {c.item});
    prepareStaffTables(document, view);
    double offset = c.offsetSteps * 4.2;
    EXPECT_NEAR(view.staffTables.staffOffset[2], offset, 1e-3) << c.name;
    EXPECT_EQ(view.staffTables.staffSize[2], c.size) << c.name;
    EXPECT_NEAR(view.staffTables.staffBase[2], c.size * offset + 75.6, 1e-3) << c.name;
  }
}

TEST_F(StaffTablesTest, LaterStaffItemDecides) {
  loadItems(document, {staff(1, 4, 2), {1, 1, 10, 5}, {8, 1, 0, -2}});
  prepareStaffTables(document, view);
  EXPECT_FLOAT_EQ(view.staffTables.staffOffset[1], -8.4f);
  EXPECT_FLOAT_EQ(view.staffTables.staffSize[1], 1.0f);
  EXPECT_FLOAT_EQ(view.staffTables.staffBase[1], -8.4f);
}

TEST_F(StaffTablesTest, OtherItemCodesArePassedOver) {
  loadItems(document, {{1, 1, 10, 5, 3}, {7.9f, 1, 0, 4, 2}, {9, 1, 0, 4, 2}});
  prepareStaffTables(document, view);
  EXPECT_EQ(view.staffTables.staffOffset[1], 0.0f);
  EXPECT_EQ(view.staffTables.staffSize[1], 0.0f);
}

TEST_F(StaffTablesTest, StaffWithoutStaffItemKeepsItsLastValues) {
  loadItems(document, {staff(1, 0, 1), {1, 3, 10, 5}});
  prepareStaffTables(document, view);
  EXPECT_EQ(view.staffTables.staffSize[3], 0.0f);
  EXPECT_EQ(view.staffTables.staffBase[3], view.staffTables.staffDefaultY[3]);
  EXPECT_FLOAT_EQ(view.staffTables.staffDefaultY[3], 36 * 4.2f);

  loadItems(document, {staff(3, 5, 2)});
  prepareStaffTables(document, view);
  loadItems(document, {staff(1, 0, 1)});
  prepareStaffTables(document, view);
  EXPECT_FLOAT_EQ(view.staffTables.staffSize[3], 2.0f);
  EXPECT_FLOAT_EQ(view.staffTables.staffBase[3], 2 * 21.0f + 36 * 4.2f);
}

TEST_F(StaffTablesTest, StaffNumbersOutsideTheTablesTouchNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (float n : {0.0f, 0.9f, -0.5f, 33.0f, -1.0f, 1e9f, 3e38f, -inf, nan}) {
    for (int s = 0; s <= kStaffCount; ++s) {
      view.staffTables.staffOffset[s] = 7.0f;
      view.staffTables.staffSize[s] = 0.5f;
    }
    loadItems(document, {staff(n, 100, 3), {8, n, 0}});
    prepareStaffTables(document, view);
    for (int s = 0; s <= kStaffCount; ++s) {
      EXPECT_EQ(view.staffTables.staffOffset[s], 7.0f) << "staff number " << n << ", slot " << s;
      EXPECT_EQ(view.staffTables.staffSize[s], 0.5f) << "staff number " << n << ", slot " << s;
    }
  }
}

}  // namespace
