// Text items, numbers and the numbers of slurs as text runs: faces by font
// code, sizes and baselines against SCORE's own EPS of the corpus pages, and
// bounded drawing of hostile values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "paint/page_path.h"
#include "paint_fixture.h"
#include "score/mus_file.h"
#include "score/times_widths.h"

namespace {

struct TextLine {
  std::string style;
  double size = 0, x = 0, y = 0, rotation = 0;
  std::string rest;  // what follows the rotation: options and the quoted string
  std::string text;
};

// The text runs of a listing ("text Nimbus Roman italic 13.886 41.52 ...").
std::vector<TextLine> textRuns(const std::string& listing) {
  const std::string prefix = "text Nimbus Roman ";
  std::vector<TextLine> runs;
  std::istringstream lines(listing);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(prefix, 0) != 0) continue;
    std::istringstream fields(line.substr(prefix.size()));
    TextLine run;
    fields >> run.style >> run.size >> run.x >> run.y >> run.rotation;
    std::getline(fields, run.rest);
    size_t quote = run.rest.find('"');
    run.text = run.rest.substr(quote + 1, run.rest.size() - quote - 2);
    runs.push_back(run);
  }
  return runs;
}

class TextPaint : public PaintTest {
 protected:
  void SetUp() override {
    PaintTest::SetUp();
    view.drawingMode = DrawingMode::kComplete;
  }

  // The runs of the last item, after two staves of size 0.75.
  std::vector<TextLine> runsOfLast(std::vector<ItemParams> items) {
    items.insert(items.begin(), {{8, 1, 0, 0, 0.75f}, {8, 2, 0, 0, 0.75f}});
    lastOps =
        paintOne(items, static_cast<int>(items.size()),
                 [](DrawingSurface& s, const Document& d, View& v, int) { paintScore(s, d, v); });
    return textRuns(lastOps);
  }

  // A text item with the given P2..P11.
  static ItemParams text(ItemParams p2to11, const std::string& characters) {
    p2to11.insert(p2to11.begin(), 16);
    return textItemParams(p2to11, characters);
  }

  // Device x of horizontal position h and y of height v on staff 1.
  PathPoint onStaff1(double h, double v) {
    return deviceMap(view.viewState).map(staffFrame(view.viewState, view.staffTables, 1).at(h, v));
  }

  std::string lastOps;
};

TEST_F(TextPaint, FontCodesChooseTheFaces) {
  struct Row {
    const char* name;
    ItemParams item;
    const char* style;
    const char* text;
  };
  const Row rows[] = {
      {"_00 roman", text({1, 10, 5, 1, 1}, "_00Lento"), "roman", "Lento"},
      {"_01 bold", text({1, 10, 5, 1, 1}, "_015"), "bold", "5"},
      {"_02 italic", text({1, 10, 5, 1, 1}, "_02dolce"), "italic", "dolce"},
      {"_03 bold italic", text({1, 10, 5, 1, 1}, "_03Fine"), "bolditalic", "Fine"},
      {"no code", text({1, 10, 5, 1, 1}, "Lento"), "roman", "Lento"},
      {"P8 9702 overrides", text({1, 10, 5, 1, 1, 0, 9702}, "_00dim."), "italic", "dim."},
      {"number, P7 1", {10, 1, 0, 13, 4, 0, 1}, "italic", "4"},
      {"number, P7 0", {10, 1, 0, 13, 4}, "roman", "4"},
      {"number letter", {10, 1, 0, 13, 1001}, "roman", "A"},
  };
  for (const Row& row : rows) {
    std::vector<TextLine> runs = runsOfLast({row.item});
    ASSERT_EQ(runs.size(), 1u) << row.name << ": " << lastOps;
    EXPECT_EQ(runs[0].style, row.style) << row.name;
    EXPECT_EQ(runs[0].text, row.text) << row.name;
  }
}

TEST_F(TextPaint, FontChangesInsideAStringFollowOneAnother) {
  std::vector<TextLine> runs = runsOfLast({text({1, 10, 5, 1, 2}, "_00Allegro _02con brio")});
  ASSERT_EQ(runs.size(), 2u) << lastOps;
  EXPECT_EQ(runs[0].text, "Allegro ");
  EXPECT_EQ(runs[1].style, "italic");
  EXPECT_NEAR(runs[1].x - runs[0].x, timesAdvance(0, "Allegro ") * runs[0].size, 0.002);
  EXPECT_EQ(runs[1].y, runs[0].y);
}

TEST_F(TextPaint, OriginAtP3PlusP11AndBaselineAtP4) {
  std::vector<TextLine> runs = runsOfLast({text({1, 20, 9, 1, 1, 0, 0, 0, 0, -1.5f}, "_00x")});
  ASSERT_EQ(runs.size(), 1u) << lastOps;
  PathPoint at = onStaff1(18.5, 9);
  EXPECT_NEAR(runs[0].x, at.x, 0.001);
  EXPECT_NEAR(runs[0].y, at.y, 0.001);
  // 10.41 pt at 96 pixels per inch.
  EXPECT_NEAR(runs[0].size, 10.4145 * 96 / 72, 0.001);
  // On a staff of size 1 the text is larger by 1 / 0.75.
  runs = runsOfLast({{8, 3, 0, 0, 1.0f}, text({3, 20, 9, 1, 1}, "_00x")});
  ASSERT_EQ(runs.size(), 1u) << lastOps;
  EXPECT_NEAR(runs[0].size, 10.4145 * 96 / 72 / 0.75, 0.001);
}

TEST_F(TextPaint, SpacingVerticalSizeAndRotation) {
  std::vector<TextLine> runs = runsOfLast({text({1, 20, 9, 1.5f, 2, 3, 0, 30}, "_00ab")});
  ASSERT_EQ(runs.size(), 1u) << lastOps;
  EXPECT_NEAR(runs[0].size, 2 * 10.4145 * 96 / 72, 0.001);
  EXPECT_EQ(runs[0].rotation, 30);
  EXPECT_NE(runs[0].rest.find(" spacing 1.5 "), std::string::npos) << lastOps;
  EXPECT_NE(runs[0].rest.find(" height 1.5 "), std::string::npos) << lastOps;
  // A second span of a turned string continues along the turned baseline.
  runs = runsOfLast({text({1, 20, 9, 1, 1, 0, 0, 90}, "_00ab_01cd")});
  ASSERT_EQ(runs.size(), 2u) << lastOps;
  EXPECT_NEAR(runs[1].x, runs[0].x, 0.002);
  EXPECT_NEAR(runs[1].y - runs[0].y, timesAdvance(0, "ab") * runs[0].size, 0.002);
}

TEST_F(TextPaint, NumberLeftEdgeAtP3PlusP15) {
  ItemParams number{10, 1, 30, 13, 13, 0, 1, 0, 0, 0, 0, 0, 0, 0, -1.8f};
  std::vector<TextLine> runs = runsOfLast({number});
  ASSERT_EQ(runs.size(), 1u) << lastOps;
  EXPECT_EQ(runs[0].text, "13");
  PathPoint at = onStaff1(28.2, 13);
  EXPECT_NEAR(runs[0].x, at.x, 0.001);
  EXPECT_NEAR(runs[0].y, at.y, 0.001);
  // P6 of 0 is size 1, its hundreds are flags; P8 2 boxes the digits.
  number[5] = 102;
  number[7] = 2;
  runs = runsOfLast({number});
  ASSERT_EQ(runs.size(), 1u) << lastOps;
  EXPECT_NEAR(runs[0].size, 2 * 10.4145 * 96 / 72, 0.001);
  EXPECT_EQ(countOps(lastOps, "path none"), 1) << lastOps;
}

TEST_F(TextPaint, TupletAndEndingNumbers) {
  // A tuplet slur: its number in italic at 0.875, centred on the peak.
  std::vector<TextLine> runs =
      runsOfLast({{5, 1, 10, 8, 8, 30, 2, -1, 0, 0, 0, 0, 0.65f, 0, 0, 3}});
  ASSERT_EQ(runs.size(), 1u) << lastOps;
  EXPECT_EQ(runs[0].style, "italic");
  EXPECT_EQ(runs[0].text, "3");
  EXPECT_NEAR(runs[0].size, 0.875 * 10.4145 * 96 / 72, 0.001);
  double centre = runs[0].x + 0.25 * runs[0].size;
  // The ends move by 1.49 units times the staff size for P8 = -1.
  EXPECT_NEAR(centre, onStaff1(20 + 1.49 * 0.75, 0).x, 0.05);
  EXPECT_LT(runs[0].y, onStaff1(0, 8).y) << "above the chord";
  // Endings: "1." from P8, "2." from P9, a unit of the measured size right
  // of P3 and a step below P4.
  runs = runsOfLast({{5, 1, 10, 12, 12, 30, 3, 1}});
  ASSERT_EQ(runs.size(), 1u) << lastOps;
  EXPECT_EQ(runs[0].text, "1.");
  EXPECT_EQ(runs[0].style, "roman");
  EXPECT_NEAR(runs[0].x, onStaff1(10 + 0.81, 0).x, 0.02);
  EXPECT_NEAR(runs[0].y, onStaff1(0, 11).y, 0.001);
  runs = runsOfLast({{5, 1, 10, 12, 12, 30, 3, 2, 2}});
  ASSERT_EQ(runs.size(), 1u) << lastOps;
  EXPECT_EQ(runs[0].text, "2.");
}

TEST_F(TextPaint, BasicModeDrawsNoText) {
  view.drawingMode = DrawingMode::kBasic;
  std::vector<TextLine> runs =
      runsOfLast({text({1, 10, 5, 1, 1}, "_00Lento"),
                  {10, 1, 0, 13, 4, 0, 1},
                  {5, 1, 10, 8, 8, 30, 2, -1, 0, 0, 0, 0, 0.65f, 0, 0, 3}});
  EXPECT_TRUE(runs.empty()) << lastOps;
}

TEST_F(TextPaint, HostileValuesDrawBoundedOrNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Row {
    const char* name;
    ItemParams item;
    size_t runs;
  };
  const Row rows[] = {
      {"size NaN", text({1, 10, 5, 1, nan}, "_00a"), 0},
      {"size 0 is size 1", text({1, 10, 5, 1, 0}, "_00a"), 1},
      {"size -1", text({1, 10, 5, 1, -1}, "_00a"), 0},
      {"size 1e30", text({1, 10, 5, 1, 1e30f}, "_00a"), 0},
      {"x infinite", text({1, inf, 5, 1, 1}, "_00a"), 0},
      {"baseline 1e30", text({1, 10, 1e30f, 1, 1}, "_00a"), 0},
      {"rotation 1e9", text({1, 10, 5, 1, 1, 0, 0, 1e9f}, "_00a"), 1},
      {"spacing NaN", text({1, 10, 5, nan, 1, nan}, "_00a"), 1},
      {"escapes only", text({1, 10, 5, 1, 1}, "%%<<"), 1},
      {"codes only", text({1, 10, 5, 1, 1}, "_00_01"), 0},
      {"non-ASCII bytes", text({1, 10, 5, 1, 1}, "\x81\xfe\xff"), 1},
      {"staff 0", text({0, 10, 5, 1, 1}, "_00a"), 0},
      {"number 1e12", {10, 1, 0, 13, 1e12f}, 0},
      {"number NaN", {10, 1, 0, 13, nan}, 0},
      {"number size 1e30", {10, 1, 0, 13, 4, 1e30f}, 0},
      {"tuplet 1e12", {5, 1, 10, 8, 8, 30, 2, -1, 0, 0, 0, 0, 0.65f, 0, 0, 1e12f}, 0},
  };
  for (const Row& row : rows) {
    std::vector<TextLine> runs = runsOfLast({row.item});
    ASSERT_EQ(runs.size(), row.runs) << row.name << ": " << lastOps;
    for (const TextLine& run : runs) {
      EXPECT_TRUE(std::fabs(run.rotation) < 360) << row.name;
      EXPECT_TRUE(run.size > 0 && run.size < 1e5) << row.name;
    }
  }
  // A length that runs past the item keeps to the item's words: the
  // characters and the space that pads them.
  ItemParams past = text({1, 10, 5, 1, 1}, "_00abcd");
  past[11] = 4000;
  std::vector<TextLine> runs = runsOfLast({past});
  ASSERT_EQ(runs.size(), 1u) << lastOps;
  EXPECT_EQ(runs[0].text, "abcd ");
}

// SCORE's EPS of the corpus pages: where each string starts (x truncated,
// as SCORE prints it), its baseline and its em, in EPS units.
struct EpsString {
  const char* page;
  const char* text;
  double x, y, em;
};
constexpr EpsString kEpsStrings[] = {
    {"chor005.mus", "An Wasserflüssen Babylon", 3241, 364, 796.514},
    {"chor005.mus", "BWV 267", 27665, 233, 578.581},
    {"chor005.mus", "5", 450, -3048, 1365.452},
    {"chor005.mus", "13", -270, -19275, 578.581},
    {"chopin2801.mus", "Frédéric Chopin", 26226, 12387, 578.581},
    {"chopin2801.mus", "Prelude in C major", 11114, 13043, 1024.09},
    {"chopin2801.mus", "stretto", 16275, -7129, 578.581},
    {"brahms-op76n7-p1.mus", "11", -235, -4136, 578.581},
    {"brahms-op76n7-p1.mus", "op. 76/7", 28131, 12444, 578.581},
};
constexpr double kEpsPoint = 0.018;
constexpr double kEpsPerUnit = 150, kEpsPerStep = 175, kEpsStaff1 = -24000;

TEST_F(TextPaint, CorpusStringsWhereScorePrintsThemAt200Dpi) {
  initViewState(view, 200);
  view.drawingMode = DrawingMode::kComplete;
  bool any = false;
  for (const EpsString& eps : kEpsStrings) {
    std::string path = corpusPath(eps.page);
    if (path.empty()) continue;
    any = true;
    std::string error;
    ASSERT_TRUE(readMusFile(path, document, &error)) << error;
    std::vector<TextLine> runs = textRuns(paintAll());
    const TextLine* found = nullptr;
    for (const TextLine& run : runs) {
      if (run.text == eps.text) found = &run;
    }
    ASSERT_NE(found, nullptr) << eps.page << " " << eps.text;
    // EPS heights are full-size steps above staff 1's bottom line.
    PathPoint at = onStaff1(eps.x / kEpsPerUnit, 3);
    at.y -= (eps.y - kEpsStaff1) / kEpsPerStep * view.viewState.stepUnit;
    // SCORE truncates x to its EPS unit, a 150th of a unit.
    EXPECT_NEAR(found->x, at.x, 0.25) << eps.text;
    EXPECT_NEAR(found->y, at.y, 0.25) << eps.text;
    EXPECT_NEAR(found->size, eps.em * kEpsPoint * 200 / 72, 0.01) << eps.text;
  }
  if (!any) GTEST_SKIP() << "corpus folder absent";
}

}  // namespace
