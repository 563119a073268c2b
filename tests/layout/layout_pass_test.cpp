#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

#include "layout/layout_fixture.h"
#include "score/item_table.h"
#include "support/mus_bytes.h"
#include "view/view.h"

namespace {

using LayoutPassTest = LayoutTest;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// One item of every laid-out family, each with a drawable symbol.
const std::vector<ItemParams> kMixedPage = {
    {8, 1},
    {8, 2, 10, 0, 0.5f},
    {1, 1, 10, 5, 23, 0, 0, 0, 32},
    {2, 2, 30, 0, 3, 2},
    {3, 1, 2, 102, 3},
    {9, 2, 40, 7.5f, 95, 2},
    {17, 1, 50, 0, -4, 2},
    {18, 2, 60, 7, 98},
    {4, 1, 0, 0, 10, 10},
};

// Every point of every component of every item, in order.
std::vector<std::vector<Vector>> allPoints(Document& document, View& view) {
  std::vector<std::vector<Vector>> points;
  for (int i = 1; i <= document.itemTable.itemCount; ++i) {
    const ItemRecord& record = itemAt(document.itemTable, i);
    for (int k = 0; k < componentCount(view, i); ++k)
      points.push_back(componentOf(view, i, k).vectors);
  }
  return points;
}

bool samePoints(const std::vector<std::vector<Vector>>& a,
                const std::vector<std::vector<Vector>>& b) {
  if (a.size() != b.size()) return false;
  for (size_t c = 0; c < a.size(); ++c) {
    if (a[c].size() != b[c].size()) return false;
    for (size_t p = 0; p < a[c].size(); ++p) {
      if (a[c][p].x != b[c][p].x || a[c][p].y != b[c][p].y) return false;
    }
  }
  return true;
}

TEST_F(LayoutPassTest, StaffYAndSymbolFactorFollowTheStaffTables) {
  loadItems(document, {{8, 1}, {8, 2, 0, 10, 0.5f}});
  layoutScore(document, view);
  EXPECT_DOUBLE_EQ(staffY(view, 1, 2), 2 * view.viewState.stepUnit);
  // Staff 2: 18 steps up, its own 10 steps at size 0.5.
  EXPECT_DOUBLE_EQ(staffY(view, 2, 4),
                   0.5 * 4 * view.viewState.stepUnit + view.staffTables.staffBase[2]);
  EXPECT_NEAR(view.staffTables.staffBase[2], (18 + 5) * 4.2, 1e-4);
  EXPECT_EQ(symbolFactor(view, 1), 0.15f);
  EXPECT_EQ(symbolFactor(view, 2), 0.075f);
  view.viewState.zoom = 2.0;
  EXPECT_EQ(symbolFactor(view, 1), 0.3f);
  EXPECT_EQ(symbolFactor(view, 0), 0.0f);
  EXPECT_EQ(symbolFactor(view, 33), 0.0f);
  EXPECT_EQ(staffY(view, -5, 2), 0.0);
}

TEST_F(LayoutPassTest, EmptyTableStillRefreshesStaffTables) {
  layoutScore(document, view);
  EXPECT_NEAR(view.staffTables.staffDefaultY[32], 558 * 4.2, 1e-3);
  EXPECT_EQ(view.staffTables.staffBase[32], view.staffTables.staffDefaultY[32]);
}

TEST_F(LayoutPassTest, StaffItemsGovernTheirStaffWhereverTheyStand) {
  loadItems(document, {{1, 1, 10, 5}, {8, 1, 0, 0, 0.5f}});
  layoutScore(document, view);
  EXPECT_EQ(placedOf(view, 1), (std::vector<Placed>{at(11, 84, 980, 0.075f)}));
  releaseItemTable(document.itemTable);
  loadItems(document, {{8, 1, 0, 0, 0.5f}, {1, 1, 10, 5}, {8, 1, 0, 0, 2}});
  layoutScore(document, view);
  EXPECT_EQ(placedOf(view, 2), (std::vector<Placed>{at(11, 84, 967, 0.3f)}));
}

TEST_F(LayoutPassTest, DispatchByTruncatedItemCode) {
  struct Row {
    const char* name;
    float code;
    size_t components;
  } rows[] = {
      {"1.7 is a note", 1.7f, 3},
      {"0.5 is code 0", 0.5f, 0},
      {"line", 4, 0},
      {"slur", 5, 0},
      {"beam", 6, 0},
      {"trill", 7, 0},
      {"staff", 8, 0},
      {"number", 10, 0},
      {"user symbol", 11, 0},
      {"special shape", 12, 0},
      {"dummy", 13, 0},
      {"barline", 14, 0},
      {"EPS", 15, 0},
      {"text", 16, 0},
      {"code 19", 19, 0},
      {"code -1", -1, 0},
      {"NaN code", kNaN, 0},
  };
  for (const Row& row : rows) {
    loadItems(document, {{8, 1}, {row.code, 1, 10, 5, 99, 2, 1, 1, 11, 1}});
    layoutScore(document, view);
    EXPECT_EQ(placedOf(view, 2).size(), row.components) << row.name;
  }
}

TEST_F(LayoutPassTest, ItemsOffTheStaffTablesGetNothing) {
  struct Row {
    const char* name;
    ItemParams item;
  } rows[] = {
      {"note on staff 0", {1, 0, 10, 5, 21, 0, 0, 0, 11}},
      {"note on staff 33", {1, 33, 10, 5, 21, 0, 0, 0, 11}},
      {"note of one parameter", {1}},
      {"rest on staff -1", {2, -1, 10, 0, 3, 2}},
      {"clef on staff 1e10", {3, 1e10f, 10}},
      {"misc symbol on staff NaN", {9, kNaN, 10, 3, 24}},
      {"key signature on staff 40", {17, 40, 10, 0, 3}},
      {"time signature on staff -32", {18, -32, 10, 7, 99}},
  };
  for (const Row& row : rows) {
    loadItems(document, {{8, 1}, {8, 33}, row.item});
    layoutScore(document, view);
    EXPECT_EQ(componentCount(view, 3), 0) << row.name;
  }
}

// NaN, infinities and huge values in every parameter after the staff number:
// the pass must finish with defined results (run under the sanitizers).
TEST_F(LayoutPassTest, HostileParametersStayDefined) {
  const float kInf = std::numeric_limits<float>::infinity();
  const float values[] = {kNaN, kInf, -kInf, 3e38f, -3e38f, 2147483648.0f, -2147483904.0f};
  const float codes[] = {1, 2, 3, 9, 17, 18};
  for (float code : codes) {
    for (float v : values) {
      for (int k = 3; k <= 10; ++k) {
        ItemParams item = {code, 1, 10, 5, 21, 0, 0, 0, 11, 0};
        item[k - 1] = v;
        loadItems(document, {{8, 1}, item});
        layoutScore(document, view);
        EXPECT_LE(componentCount(view, 2), 256) << "code " << code << " P" << k << " = " << v;
      }
    }
  }
}

TEST_F(LayoutPassTest, RelayoutAfterFreeAllGivesIdenticalComponents) {
  loadItems(document, kMixedPage);
  layoutScore(document, view);
  std::vector<std::vector<Vector>> first = allPoints(document, view);
  ASSERT_EQ(first.size(), 7u + 5 + 1 + 1 + 4 + 1);
  freeAllComponents(view.components);
  EXPECT_TRUE(allPoints(document, view).empty());
  layoutScore(document, view);
  EXPECT_TRUE(samePoints(allPoints(document, view), first));
}

TEST_F(LayoutPassTest, ViewOffsetsMoveEveryComponent) {
  loadItems(document, kMixedPage);
  layoutScore(document, view);
  std::vector<std::vector<Vector>> moved = allPoints(document, view);
  for (auto& points : moved) {
    for (Vector& v : points) {
      v.x += 20;
      v.y -= 40;
    }
  }
  freeAllComponents(view.components);
  view.viewState.viewOffsetX = 20;
  view.viewState.viewOffsetY = -40;
  layoutScore(document, view);
  EXPECT_TRUE(samePoints(allPoints(document, view), moved));
}

TEST_F(LayoutPassTest, ParametersAreNeverChanged) {
  loadItems(document, kMixedPage);
  std::vector<uint8_t> before = document.itemTable.fileImage;
  layoutScore(document, view);
  EXPECT_EQ(document.itemTable.fileImage, before);
}

TEST_F(LayoutPassTest, DebugTraceNamesSymbolsAndTranslations) {
  loadItems(document, {{8, 1}, {1, 1, 10, 5, 10, 0, 0, 0, 11}});
  setenv("MELIBRON_DEBUG", "1", 1);
  testing::internal::CaptureStderr();
  layoutScore(document, view);
  std::string trace = testing::internal::GetCapturedStderr();
  unsetenv("MELIBRON_DEBUG");
  EXPECT_NE(trace.find("item 2: symbol 11 scaled 0.150000006 at (84, 976)"), std::string::npos)
      << trace;
  EXPECT_NE(trace.find("symbol 20 scaled 0.150000006 at (94, 971) mirrored"), std::string::npos)
      << trace;
  EXPECT_NE(trace.find("Layout item 2 (NOTE): 3 components"), std::string::npos) << trace;
}

}  // namespace
