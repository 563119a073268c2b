// Slur shapes against SCORE's own printed slurs: the numbers are read off
// the EPS files of the corpus pages (ends, peak of each edge across the
// chord, and one point of the first edge near a quarter of the chord).
#include "paint/slur_shape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "eps_frame.h"
#include "paint/ending_shape.h"

namespace {

struct MeasuredSlur {
  const char* name;
  SlurItem item;
  double bottom;  // EPS y of the staff's bottom line
  PagePoint a, b;
  double peak, secondPeak;  // steps across the chord
  double quarterU, quarterHeight;
};

// Signed distance of p from the chord, in steps of the staff.
double across(const SlurCurve& c, PagePoint p, double step) {
  double dx = c.b.x - c.a.x, dy = c.b.y - c.a.y;
  return ((p.y - c.a.y) * dx - (p.x - c.a.x) * dy) / std::hypot(dx, dy) / step;
}

// The largest distance from the chord of the outline's points from first to last.
double peakOf(const SlurCurve& c, const std::vector<PagePoint>& outline, size_t first, size_t last,
              double step) {
  double peak = 0;
  for (size_t i = first; i < last; ++i) {
    double d = across(c, outline[i], step);
    if (std::fabs(d) > std::fabs(peak)) peak = d;
  }
  return peak;
}

SlurItem slur(float p3, float p4, float p5, float p6, float p7, float p8, float p9 = 0,
              float p10 = 0) {
  SlurItem s;
  s.p3 = p3, s.p4 = p4, s.p5 = p5, s.p6 = p6, s.p7 = p7, s.p8 = p8, s.p9 = p9, s.p10 = p10;
  return s;
}

const MeasuredSlur kMeasured[] = {
    {"brahms 8, steep, ends over the notes",
     slur(10.288f, 8, 19, 25.75f, -3.3977f, -1),
     -24000,
     {1711, -23343},
     {4030, -21899},
     -3.393,
     -3.708,
     0.2578,
     -2.884},
    {"brahms 12, tie",
     slur(23.995f, 4.35f, 5.88f, 32.66f, -1.183f, -2),
     -24000,
     {4105, -23822},
     {4786, -23621},
     -1.188,
     -1.417,
     0.2215,
     -0.973},
    {"brahms 22, flattened",
     slur(46.277f, 3.98f, 2.25f, 59.45f, -1.558f, -2, -0.25f),
     -24000,
     {7447, -23870},
     {8804, -24097},
     -1.559,
     -1.833,
     0.2312,
     -1.232},
    {"brahms 39, peak at 0.55",
     slur(83.647f, 8, 16.63f, 96.9f, -3.0227f, -1, 0, 0.55f),
     -24000,
     {12715, -23343},
     {14696, -22214},
     -3.021,
     -3.329,
     0.2458,
     -2.372},
    {"brahms 47, long",
     slur(107.801f, 2, 16, 170.94f, 4.4143f, -1),
     -24000,
     {16337, -24130},
     {25809, -22292},
     4.417,
     4.744,
     0.2525,
     3.678},
    {"brahms 89, thickness inward",
     slur(124.324f, -0.2f, -0.2f, 131.88f, -0.75f, -2, -0.5f),
     -20850,
     {19154, -21269},
     {19669, -21269},
     -0.754,
     -0.526,
     0.2854,
     -0.670},
    {"brahms 443, dotted tie",
     slur(1.667f, 15, 13.25f, 31.46f, 2.8131f, -3),
     1988.8,
     {925, 3563},
     {4605, 3333},
     2.817,
     3.153,
     0.2561,
     2.373},
    {"brahms 464, P8 -4",
     slur(48.237f, 15.88f, 14, 76.66f, 3.1631f, -4),
     1988.8,
     {7572, 3678},
     {11760, 3431},
     3.169,
     3.498,
     0.2445,
     2.606},
    {"chopin 271, P8 -9",
     slur(15.561f, 17, 21.75f, 30.668f, 3, -9, -0.5f),
     -13606,
     {2334, -11768},
     {4862, -11144},
     2.998,
     3.305,
     0.2578,
     2.347},
    {"brahms 354, P8 -6, peak at 0.6",
     slur(81.207f, 16.38f, 11.75f, 107.52f, 3.6984f, -6, -0.25f, 0.6f),
     -5580.4,
     {12518, -3823},
     {16278, -4427},
     3.697,
     4.026,
     0.2523,
     2.650},
};

TEST(SlurShape, MatchesSlursSCOREPrinted) {
  for (const MeasuredSlur& m : kMeasured) {
    StaffFrame frame = epsStaff(m.bottom);
    SlurCurve curve;
    ASSERT_TRUE(slurCurve(m.item, frame, &curve)) << m.name;
    EXPECT_NEAR(curve.a.x, m.a.x, 2) << m.name;
    EXPECT_NEAR(curve.a.y, m.a.y, 2) << m.name;
    EXPECT_NEAR(curve.b.x, m.b.x, 3) << m.name;
    EXPECT_NEAR(curve.b.y, m.b.y, 3) << m.name;
    const int samples = 200;
    std::vector<PagePoint> outline = slurOutline(curve, 0, 1, samples);
    ASSERT_EQ(outline.size(), 2u * (samples + 1)) << m.name;
    EXPECT_NEAR(peakOf(curve, outline, 0, samples + 1, frame.step), m.peak, 0.02) << m.name;
    EXPECT_NEAR(peakOf(curve, outline, samples + 1, outline.size(), frame.step), m.secondPeak, 0.04)
        << m.name;
    EXPECT_NEAR(across(curve, slurPoint(curve, m.quarterU), frame.step), m.quarterHeight, 0.03)
        << m.name;
  }
}

TEST(SlurShape, OutlineClosesAtBothEnds) {
  SlurCurve curve;
  ASSERT_TRUE(slurCurve(kMeasured[0].item, epsStaff(-24000), &curve));
  std::vector<PagePoint> outline = slurOutline(curve, 0, 1, 10);
  // The two edges meet at the tips: the thickness tapers to nothing.
  EXPECT_NEAR(outline.front().x, outline.back().x, 1e-9);
  EXPECT_NEAR(outline.front().y, outline.back().y, 1e-9);
  EXPECT_NEAR(outline[10].x, outline[11].x, 1e-9);
  EXPECT_NEAR(outline[10].y, outline[11].y, 1e-9);
}

TEST(SlurShape, WideningHoldsTheOutlinesInk) {
  SlurCurve curve;
  ASSERT_TRUE(slurCurve(kMeasured[4].item, epsStaff(-24000), &curve));
  const int samples = 50;
  std::vector<PagePoint> plain = slurOutline(curve, 0, 1, samples);
  std::vector<PagePoint> wide = slurOutline(curve, 0, 1, samples, 10);
  ASSERT_EQ(plain.size(), wide.size());
  double step = 131.25;
  // Each edge 10 further out across the chord at the middle, the ends 10
  // further out along it.
  EXPECT_NEAR(across(curve, wide[samples / 2], step) * step,
              across(curve, plain[samples / 2], step) * step - 10, 1e-6);
  EXPECT_NEAR(across(curve, wide[samples + 1 + samples / 2], step) * step,
              across(curve, plain[samples + 1 + samples / 2], step) * step + 10, 1e-6);
  double dx = curve.b.x - curve.a.x, dy = curve.b.y - curve.a.y, chord = std::hypot(dx, dy);
  EXPECT_NEAR(wide.front().x, plain.front().x - 10 * dx / chord + 10 * dy / chord, 1e-6);
  EXPECT_NEAR(wide.back().x, plain.back().x - 10 * dx / chord - 10 * dy / chord, 1e-6);
}

TEST(SlurShape, ThicknessGrowsWithLengthToACeiling) {
  // Points at the measured size: thin for short slurs, a ceiling for long ones.
  EXPECT_DOUBLE_EQ(slurThickness(2), 0.54);
  EXPECT_NEAR(slurThickness(9.2), 0.65, 1e-9);
  EXPECT_NEAR(slurThickness(14.7), 0.71, 1e-9);
  EXPECT_DOUBLE_EQ(slurThickness(500), 0.79);
  double previous = 0;
  for (double length = 0; length < 100; length += 0.5) {
    EXPECT_GE(slurThickness(length), previous) << length;
    previous = slurThickness(length);
  }
}

struct PieceCase {
  const char* name;
  float p12, p14, p15;
  std::vector<SlurPiece> pieces;
};

TEST(SlurShape, HalvesAndParts) {
  SlurItem item = slur(10, 5, 5, 30, 3, 0, 0, 0.4f);
  SlurCurve curve;
  ASSERT_TRUE(slurCurve(item, epsStaff(0), &curve));
  const PieceCase cases[] = {
      {"whole", 0, 0, 0, {{0, 1}}},
      {"left half ends at the peak", 1, 0, 0, {{0, 0.4}}},
      {"right half starts at the peak", 2, 0, 0, {{0.4, 1}}},
      {"part", 0, 0.25f, 0.75f, {{0.25, 0.75}}},
      {"part to the end", 0, 0.5f, 0, {{0.5, 1}}},
      {"part outside the half", 1, 0.5f, 0, {}},
  };
  for (const PieceCase& c : cases) {
    item.p12 = c.p12, item.p14 = c.p14, item.p15 = c.p15;
    std::vector<SlurPiece> pieces = slurPieces(item, curve, epsStaff(0));
    ASSERT_EQ(pieces.size(), c.pieces.size()) << c.name;
    for (size_t i = 0; i < pieces.size(); ++i) {
      EXPECT_NEAR(pieces[i].from, c.pieces[i].from, 1e-6) << c.name;
      EXPECT_NEAR(pieces[i].to, c.pieces[i].to, 1e-6) << c.name;
    }
  }
}

TEST(SlurShape, TupletGapAndNumberAsSCOREPrintsThem) {
  // chopin 922: pieces from x 4123 to 4666 and from 5123 to 5680, the "3"
  // centred at 4893 with its baseline at 10495.
  SlurItem item = slur(25.24f, 10.25f, 10.5f, 36.752f, 2.5f, -6, 1);
  item.p16 = 3;
  StaffFrame frame = epsStaff(9368.6);
  SlurCurve curve;
  ASSERT_TRUE(slurCurve(item, frame, &curve));
  EXPECT_NEAR(curve.a.x, 4123, 2);
  EXPECT_NEAR(curve.b.x, 5680, 2);
  std::vector<SlurPiece> pieces = slurPieces(item, curve, frame);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].from, 0);
  EXPECT_NEAR(slurPoint(curve, pieces[0].to).x, 4666, 25);
  EXPECT_NEAR(slurPoint(curve, pieces[1].from).x, 5123, 25);
  EXPECT_EQ(pieces[1].to, 1);
  TupletNumber number = tupletNumber(item, curve, frame);
  EXPECT_EQ(number.text, "3");
  EXPECT_NEAR(number.centreX, 4893, 15);
  EXPECT_NEAR(number.baseline, 10495, 15);
}

TEST(SlurShape, TupletGapWiderThanTheSlurLeavesNothing) {
  SlurItem item = slur(10, 5, 5, 11, 1, 0);
  item.p16 = 3;
  SlurCurve curve;
  ASSERT_TRUE(slurCurve(item, epsStaff(0), &curve));
  EXPECT_TRUE(slurPieces(item, curve, epsStaff(0)).empty());
}

TEST(SlurShape, UndrawableItemsGiveNoCurve) {
  const float nan = std::nanf("");
  const float inf = INFINITY;
  const SlurItem cases[] = {
      slur(10, 5, 5, 10, 3, 0),  // ends coincide
      slur(nan, 5, 5, 30, 3, 0),     slur(10, inf, 5, 30, 3, 0),       slur(10, 5, 5, 30, nan, 0),
      slur(10, 5, 5, 30, 3, 0, inf), slur(10, 5, 5, 30, 3, 0, 0, nan),
  };
  SlurCurve curve;
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_FALSE(slurCurve(cases[i], epsStaff(0), &curve)) << i;
  }
  // Huge values stay finite in the frame's arithmetic: a shape, far away.
  ASSERT_TRUE(slurCurve(slur(10, 5, 5, 3e38f, 3e38f, 0, 3e38f), epsStaff(0), &curve));
  for (const PagePoint& p : slurOutline(curve, 0, 1, 8)) {
    EXPECT_FALSE(std::isnan(p.x) || std::isnan(p.y));
  }
}

TEST(EndingShape, AsBrahmsPrintsIt) {
  // brahms 222: hooks from step 18 up to 21 at x 44 and 82 of staff 4, "1"
  // from x 6721 on the baseline -11443.
  SlurItem item = slur(44, 18, 18, 82, 3, 1);
  ASSERT_TRUE(isEnding(item));
  EndingShape ending = endingShape(item, epsStaff(-13280.8));
  const PagePoint bracket[] = {{6600, -11312}, {6600, -10918}, {12300, -10918}, {12300, -11312}};
  ASSERT_EQ(ending.bracket.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(ending.bracket[i].x, bracket[i].x, 1) << i;
    EXPECT_NEAR(ending.bracket[i].y, bracket[i].y, 1) << i;
  }
  EXPECT_EQ(ending.number, "1");
  EXPECT_NEAR(ending.numberAt.x, 6721, 2);
  EXPECT_NEAR(ending.numberAt.y, -11443, 1);
  // brahms 243: P8 2 and P9 2 print "2."; P9 names the number when given.
  item.p8 = 2;
  EXPECT_EQ(endingShape(item, epsStaff(0)).number, "2");
  item.p9 = 3;
  EXPECT_EQ(endingShape(item, epsStaff(0)).number, "3");
  item.p9 = 3e38f;
  EXPECT_EQ(endingShape(item, epsStaff(0)).number, "");
  EXPECT_FALSE(isEnding(slur(44, 18, 18, 82, 3, -1)));
}

}  // namespace
