// Dashed, wavy and hooked lines against SCORE's printed lines of the corpus
// pages (EPS coordinates).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "eps_frame.h"
#include "library/outline_glyphs.h"
#include "paint/dash_shape.h"
#include "paint/hairpin_shape.h"
#include "paint/hook_shape.h"
#include "paint/wiggle_shape.h"

namespace {

LineItem line(float p3, float p4, float p5, float p6, float p7, float p8 = 0, float p9 = 0) {
  LineItem l;
  l.p3 = p3, l.p4 = p4, l.p5 = p5, l.p6 = p6, l.p7 = p7, l.p8 = p8, l.p9 = p9;
  return l;
}

TEST(LineKind, FromTheParameters) {
  EXPECT_EQ(lineKind(line(1, 2, 999, 30, -1)), LineKind::kHairpin);
  EXPECT_EQ(lineKind(line(1, 2, 2, 30, 1)), LineKind::kDashed);
  EXPECT_EQ(lineKind(line(1, 2, 10, 0, -1)), LineKind::kVerticalWavy);
  EXPECT_EQ(lineKind(line(1, 2, 0, 30, -1)), LineKind::kHorizontalWavy);
  EXPECT_EQ(lineKind(line(1, 2, 3, 30, 0)), LineKind::kStraight);
  EXPECT_EQ(lineKind(line(1, 2, 3, 30, 0.5f)), LineKind::kStraight);
  // P6 = 0 means the line stands at P3, never at the page's left edge.
  EXPECT_EQ(lineRightX(line(17, 2, 3, 0, 0)), 17.0f);
}

TEST(DashedLine, AsChopinPrintsThem) {
  // chopin 267: P8 0, P9 9 on staff 7: dashes 131 EPS long every 1312.5
  // from x 1087.5, at y -14328; the last starts at 5025.
  std::vector<DashSegment> d =
      dashedLine(line(7.25f, -2.5f, -2.5f, 37.25f, 1, 0, 9), epsStaff(-13606));
  ASSERT_EQ(d.size(), 4u);
  EXPECT_NEAR(d[0].from.x, 1087.5, 1);
  EXPECT_NEAR(d[0].to.x, 1218.75, 1);
  EXPECT_NEAR(d[3].from.x, 5025, 1);
  EXPECT_NEAR(d[3].to.x, 5156.25, 1);
  EXPECT_NEAR(d[0].from.y, -14328, 1);
  EXPECT_EQ(d[0].from.y, d[3].to.y);
}

TEST(DashedLine, VerticalCutAndBounded) {
  StaffFrame frame = epsStaff(0);
  // P6 = P3: vertical from P4 up to P5, dash 2 and gap 1 steps; the third
  // dash is cut at the top.
  std::vector<DashSegment> v = dashedLine(line(10, 3, 10, 10, 1, 2, 1), frame);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(v[0].from.x, 1500);
  EXPECT_EQ(v[2].to.x, 1500);
  EXPECT_NEAR(v[2].from.y, 6 * frame.step, 1e-9);
  EXPECT_NEAR(v[2].to.y, 7 * frame.step, 1e-9);
  // A gap of 0 is as long as the dash; a dash of 0 is one step.
  EXPECT_EQ(dashedLine(line(0, 3, 3, 4 * 0.875f, 1, 0, 0), frame).size(), 2u);
  // Degenerate and hostile lengths: nothing, or at most kMaxDashes.
  EXPECT_TRUE(dashedLine(line(10, 3, 3, 10, 1), frame).empty());
  EXPECT_TRUE(dashedLine(line(NAN, 3, 3, 10, 1), frame).empty());
  EXPECT_EQ(dashedLine(line(0, 3, 3, 200, 1, 1e-30f, 1e-30f), frame).size(), size_t{kMaxDashes});
  EXPECT_EQ(dashedLine(line(0, 3, 3, 200, 1, 3e38f, 3e38f), frame).size(), 1u);
}

struct Box {
  double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
};

Box chainBox(const std::vector<GlyphPlacement>& chain, const OutlineGlyph& glyph) {
  Box b;
  for (const GlyphPlacement& p : chain) {
    PagePoint low = p.map({glyph.left, glyph.bottom}), high = p.map({glyph.right, glyph.top});
    b = {std::min(b.left, low.x), std::max(b.right, high.x), std::min(b.bottom, low.y),
         std::max(b.top, high.y)};
  }
  return b;
}

struct Arpeggio {
  const char* name;
  LineItem item;
  double bottom;
  size_t elements;
  Box ink;  // EPS extents of SCORE's chain
};

TEST(WavyLine, ArpeggiosAsBrahmsPrintsThem) {
  const Arpeggio cases[] = {
      {"brahms 185",
       line(181.618f, 1.5f, 10.5f, 0, -1),
       -16037.1,
       6,
       {27136, 27272, -16249, -14877}},
      {"brahms 247", line(96.5f, 2, 12.5f, 0, -1), -13280.8, 7, {14368, 14505, -13429, -11831}},
  };
  const OutlineGlyph& element = arpeggioGlyph();
  double period = trillElementGlyph().advance;
  for (const Arpeggio& c : cases) {
    std::vector<GlyphPlacement> chain =
        verticalWavyLine(c.item, epsStaff(c.bottom), element, period);
    ASSERT_EQ(chain.size(), c.elements) << c.name;
    Box b = chainBox(chain, element);
    EXPECT_NEAR(b.left, c.ink.left, 3) << c.name;
    EXPECT_NEAR(b.right, c.ink.right, 3) << c.name;
    EXPECT_NEAR(b.bottom, c.ink.bottom, 3) << c.name;
    EXPECT_NEAR(b.top, c.ink.top, 3) << c.name;
    // Equal steps between the elements, each one glyph period.
    EXPECT_NEAR(chain[1].y - chain[0].y, period * chain[0].scaleY, 1e-9) << c.name;
  }
}

TEST(WavyLine, HorizontalWiggleSpansItsLine) {
  StaffFrame frame = epsStaff(0);
  const OutlineGlyph& element = trillElementGlyph();
  std::vector<GlyphPlacement> chain =
      horizontalWiggle(line(20, 7, 0, 40, -1), frame, element, element.advance);
  // 20 units = 3000 EPS over elements of 1.722 steps (226 EPS): 14.
  ASSERT_EQ(chain.size(), 14u);
  Box b = chainBox(chain, element);
  EXPECT_NEAR(b.left, 3000, 1e-6);
  EXPECT_NEAR(b.right, 6000, 1e-6);
  EXPECT_NEAR((b.bottom + b.top) / 2, frame.at(0, 7).y, 1e-6);
  EXPECT_NEAR(b.top - b.bottom, 0.91 * 150, 1e-6);
}

TEST(WavyLine, EmptyAndHostileChainsAreBounded) {
  StaffFrame frame = epsStaff(0);
  const OutlineGlyph& arpeggio = arpeggioGlyph();
  EXPECT_TRUE(verticalWavyLine(line(10, 4, 4, 0, -1), frame, arpeggio, 250).empty());
  EXPECT_TRUE(verticalWavyLine(line(10, NAN, 4, 0, -1), frame, arpeggio, 250).empty());
  EXPECT_EQ(verticalWavyLine(line(10, -3e38f, 3e38f, 0, -1), frame, arpeggio, 250).size(),
            size_t{kMaxWiggleElements});
  // P5 below P4: the same line from P5 up.
  EXPECT_EQ(verticalWavyLine(line(10, 10.5f, 1.5f, 0, -1), frame, arpeggio, 250).size(), 6u);
  EXPECT_TRUE(horizontalWiggle(line(10, 4, 0, 10, -1), frame, trillElementGlyph(), 250).empty());
  EXPECT_EQ(horizontalWiggle(line(0, 4, 0, 3e38f, -1), frame, trillElementGlyph(), 250).size(),
            size_t{kMaxWiggleElements});
}

TEST(HookedLine, HooksAtTheEnds) {
  StaffFrame frame{1, 1, 1, 0};
  LineItem item = line(10, 5, 7, 30, 0);
  item.p11 = -2;
  item.p12 = 3;
  std::vector<PagePoint> points = hookedLine(item, frame);
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[0].x, 10);
  EXPECT_EQ(points[0].y, 0);
  EXPECT_EQ(points[3].x, 30);
  EXPECT_EQ(points[3].y, 7);
  item.p11 = 0;
  item.p12 = 150;  // an arrowhead: not drawn
  EXPECT_EQ(hookedLine(item, frame).size(), 2u);
  item.p6 = 0;  // stands at P3
  EXPECT_EQ(hookedLine(item, frame)[1].x, 10);
}

TEST(Hairpin, AsBrahmsPrintsThem) {
  // brahms 92 (staff 2, default opening, crescendo) and 470 (P7 -1.5,
  // decrescendo on staff 8): SCORE's three-point polylines.
  std::vector<PagePoint> open = hairpinLine(line(125.413f, -5, 999, 179.1f, 0), epsStaff(-20850));
  ASSERT_EQ(open.size(), 3u);
  EXPECT_NEAR(open[0].x, 179.1 * 150, 1);
  EXPECT_NEAR(open[1].x, 125.413 * 150, 1);
  EXPECT_NEAR(open[0].y - open[1].y, 1.15 * 131.25, 1e-6);
  EXPECT_NEAR(open[1].y, -20850 - 8 * 131.25, 1e-6);
  std::vector<PagePoint> close = hairpinLine(line(61.095f, 13.5f, 999, 68.26f, -1.5f), epsStaff(0));
  ASSERT_EQ(close.size(), 3u);
  EXPECT_NEAR(close[0].x, 61.095 * 150, 1);
  EXPECT_NEAR(close[1].x, 68.26 * 150, 1);
  EXPECT_NEAR(close[0].y - close[2].y, 1.5 * 131.25, 1e-6);
  EXPECT_TRUE(hairpinLine(line(61, 13.5f, 999, 0, 0), epsStaff(0)).empty());
}

}  // namespace
