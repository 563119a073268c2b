// Barline and brace shapes against SCORE's printed barlines of the corpus
// pages (EPS coordinates).
#include "paint/barline_shape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "eps_frame.h"
#include "library/outline_glyphs.h"
#include "paint/brace_shape.h"

namespace {

// brahms staves 3 and 4, which the repeat barlines 156 and 165 span.
const StaffFrame kStaves[] = {epsStaff(-16037.1), epsStaff(-13280.8)};
const double kTop = -13280.8 + 8 * kStaves[1].step;

BarlineItem barline(float p3, float p5, float p15 = 0, float p8 = 0, float p9 = 0) {
  BarlineItem b;
  b.p3 = p3, b.p5 = p5, b.p15 = p15, b.p8 = p8, b.p9 = p9;
  return b;
}

TEST(BarlineShape, RepeatsAsBrahmsPrintsThem) {
  // brahms 156, dots to the left, P15 -1: thin at 12262, thick 12408-12521,
  // dots at 12043 in steps 6 and 8 of both staves.
  BarlineShape left = barlineShape(barline(84.474f, 3, -1), kStaves[0].bottom, kTop, kStaves);
  ASSERT_EQ(left.thin.size(), 1u);
  EXPECT_NEAR(left.thin[0], 12262, 2);
  ASSERT_EQ(left.thick.size(), 1u);
  EXPECT_NEAR(left.thick[0].left, 12408, 2);
  EXPECT_NEAR(left.thick[0].right, 12521, 2);
  const double dotY[] = {-15643.3, -15380.8, -12887.1, -12624.6};
  ASSERT_EQ(left.dots.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(left.dots[i].x, 12043, 2);
    EXPECT_NEAR(left.dots[i].y, dotY[i], 1);
  }
  EXPECT_NEAR(left.dotRadius, 38.1, 0.5);
  // brahms 165, dots to the right: thick 17895-18007, thin at 18154, dots at 18373.6.
  BarlineShape right = barlineShape(barline(120.053f, 4), kStaves[0].bottom, kTop, kStaves);
  ASSERT_EQ(right.thick.size(), 1u);
  EXPECT_NEAR(right.thick[0].left, 17895, 2);
  EXPECT_NEAR(right.thick[0].right, 18007, 2);
  ASSERT_EQ(right.thin.size(), 1u);
  EXPECT_NEAR(right.thin[0], 18154, 2);
  ASSERT_EQ(right.dots.size(), 4u);
  EXPECT_NEAR(right.dots[3].x, 18373.6, 2);
  EXPECT_NEAR(right.dots[3].y, -12624.6, 1);
}

struct KindCase {
  float p5;
  size_t thin, thick, dots;
  bool brace;
};

TEST(BarlineShape, EveryKind) {
  const KindCase cases[] = {
      {0, 1, 0, 0, false},    {1, 2, 0, 0, false},   {2, 1, 1, 0, false},  {3, 1, 1, 4, false},
      {4, 1, 1, 4, false},    {5, 2, 1, 8, false},   {6, 0, 2, 8, false},  {7, 1, 0, 0, false},
      {8, 0, 0, 0, true},     {9, 0, 1, 0, false},   {10, 0, 0, 0, false}, {-1, 0, 0, 0, false},
      {0.5f, 0, 0, 0, false}, {NAN, 0, 0, 0, false},
  };
  for (const KindCase& c : cases) {
    BarlineShape s = barlineShape(barline(50, c.p5), kStaves[0].bottom, kTop, kStaves);
    EXPECT_EQ(s.thin.size(), c.thin) << c.p5;
    EXPECT_EQ(s.thick.size(), c.thick) << c.p5;
    EXPECT_EQ(s.dots.size(), c.dots) << c.p5;
    EXPECT_EQ(s.brace, c.brace) << c.p5;
  }
  // Double: the second bar 1.25 units (of a size-1 staff) left.
  EXPECT_NEAR(barlineShape(barline(50, 1), 0, 1, kStaves).thin[1], 7500 - 1.25 * 112.5, 1e-9);
}

TEST(BarlineShape, DashedBarsAndBracketParts) {
  BarlineShape dashed = barlineShape(barline(50, 7), 0, 1, kStaves);
  EXPECT_NEAR(dashed.dash, 2 * kStaves[0].step, 1e-9);
  EXPECT_NEAR(dashed.gap, kStaves[0].step, 1e-9);
  dashed = barlineShape(barline(50, 7, 0, 0.5f, 3), 0, 1, kStaves);
  EXPECT_NEAR(dashed.dash, 0.5 * kStaves[0].step, 1e-9);
  EXPECT_NEAR(dashed.gap, 3 * kStaves[0].step, 1e-9);
  struct Part {
    float p8;
    bool up, down;
  };
  for (Part p :
       {Part{0, true, true}, Part{1, true, false}, Part{2, false, true}, Part{3, false, false}}) {
    BarlineShape s = barlineShape(barline(50, 9, 0, p.p8), kStaves[0].bottom, kTop, kStaves);
    EXPECT_EQ(s.tipUp, p.up) << p.p8;
    EXPECT_EQ(s.tipDown, p.down) << p.p8;
    ASSERT_EQ(s.thick.size(), 1u);
    EXPECT_LT(s.thick[0].right, 7500) << "the bracket stands left of the barline";
    EXPECT_EQ(s.tipUpAt.y, kTop);
    EXPECT_EQ(s.tipDownAt.x, s.thick[0].left);
  }
}

struct BraceCase {
  const char* name;
  double bottom, top;
  double tips, bulge;  // EPS x of SCORE's brace (x = 0)
};

TEST(BraceShape, ScaledToTheExtentsSCOREPrints) {
  const BraceCase cases[] = {
      {"chopin 2", -24000, -20214, -138, -336},
      {"brahms 2", -24000, -19800, -146, -355},
  };
  std::span<const OutlineGlyph> glyphs = braceGlyphs();
  ASSERT_GE(glyphs.size(), 2u);
  for (const BraceCase& c : cases) {
    BracePlacement brace;
    ASSERT_TRUE(bracePlacement(0, c.bottom, c.top, 150, kEpsFullStep, glyphs, &brace)) << c.name;
    const OutlineGlyph& g = glyphs[brace.glyph];
    PagePoint low = brace.placement.map({g.left, g.bottom});
    PagePoint high = brace.placement.map({g.right, g.top});
    EXPECT_NEAR(low.x, c.bulge, 1.5) << c.name;
    EXPECT_NEAR(high.x, c.tips, 1.5) << c.name;
    EXPECT_NEAR(low.y, c.bottom, 1e-6) << c.name;
    EXPECT_NEAR(high.y, c.top, 1e-6) << c.name;
  }
}

TEST(BraceShape, TallerBracesTakeSlenderGlyphs) {
  std::span<const OutlineGlyph> glyphs = braceGlyphs();
  BracePlacement small, tall;
  ASSERT_TRUE(bracePlacement(0, 0, 6 * 175, 150, 175, glyphs, &small));
  ASSERT_TRUE(bracePlacement(0, 0, 200 * 175, 150, 175, glyphs, &tall));
  EXPECT_LT(small.glyph, tall.glyph);
  BracePlacement none;
  EXPECT_FALSE(bracePlacement(0, 10, 10, 150, 175, glyphs, &none));
  EXPECT_FALSE(bracePlacement(0, 10, 5, 150, 175, glyphs, &none));
  EXPECT_FALSE(bracePlacement(0, 0, INFINITY, 150, 175, glyphs, &none));
  EXPECT_FALSE(bracePlacement(NAN, 0, 10, 150, 175, glyphs, &none));
  EXPECT_FALSE(bracePlacement(0, 0, 10, 150, 175, {}, &none));
}

}  // namespace
