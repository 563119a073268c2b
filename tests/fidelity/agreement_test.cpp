#include <gtest/gtest.h>

#include "ink_agreement.h"
#include "synthetic_page.h"

namespace {

struct AgreementCase {
  const char* name;
  int oursLeft, oursTop, oursWidth, oursHeight;  // our rectangle, SCORE's is 10x1 at (5, 5)
  PixelShift shift;
  long referenceCovered;
  long oursInk;
  long oursCovered;
};

TEST(MeasureAgreement, CountsInkWithinOnePixel) {
  const AgreementCase cases[] = {
      {"the same line", 5, 5, 10, 1, {0, 0}, 10, 10, 10},
      {"a pixel lower and right: diagonals count", 6, 6, 10, 1, {0, 0}, 10, 10, 10},
      {"two pixels lower", 5, 7, 10, 1, {0, 0}, 0, 10, 0},
      {"two pixels lower, shifted back", 5, 7, 10, 1, {0, -2}, 10, 10, 10},
      {"a thicker line: three of its four rows lie near", 5, 4, 10, 4, {0, 0}, 10, 40, 30},
      {"shorter than SCORE's", 5, 5, 4, 1, {0, 0}, 5, 4, 4},
      {"moved off the page counts as uncovered", 5, 5, 10, 1, {-20, 0}, 0, 10, 0},
  };
  for (const AgreementCase& c : cases) {
    InkImage reference = blankImage(30, 12);
    InkImage ours = blankImage(30, 12);
    inkRect(reference, 5, 5, 10, 1);
    inkRect(ours, c.oursLeft, c.oursTop, c.oursWidth, c.oursHeight);
    const InkAgreement agreement = measureAgreement(reference, ours, c.shift);
    EXPECT_EQ(agreement.referenceInk, 10) << c.name;
    EXPECT_EQ(agreement.referenceCovered, c.referenceCovered) << c.name;
    EXPECT_EQ(agreement.oursInk, c.oursInk) << c.name;
    EXPECT_EQ(agreement.oursCovered, c.oursCovered) << c.name;
  }
}

TEST(MeasureAgreement, ComparesImagesOfDifferentSizesInScoresFrame) {
  InkImage reference = blankImage(20, 10);
  InkImage ours = blankImage(40, 30);
  inkRect(reference, 2, 2, 5, 1);
  inkRect(ours, 2, 2, 5, 1);
  inkRect(ours, 30, 25, 5, 1);  // beyond SCORE's page
  const InkAgreement agreement = measureAgreement(reference, ours, {0, 0});
  EXPECT_DOUBLE_EQ(recall(agreement), 1.0);
  EXPECT_DOUBLE_EQ(precision(agreement), 0.5);
}

TEST(RecallAndPrecision, AreSharesOfCoveredInk) {
  EXPECT_DOUBLE_EQ(recall({200, 150, 100, 25}), 0.75);
  EXPECT_DOUBLE_EQ(precision({200, 150, 100, 25}), 0.25);
  EXPECT_DOUBLE_EQ(recall({0, 0, 0, 0}), 1.0);
  EXPECT_DOUBLE_EQ(precision({0, 0, 0, 0}), 1.0);
}

TEST(MakeOverlay, ColoursEachPixelByWhoseInkItIs) {
  InkImage reference = blankImage(12, 6);
  InkImage ours = blankImage(12, 6);
  inkRect(reference, 1, 1, 3, 1);  // matched by ours one row below, after the shift
  inkRect(reference, 8, 4, 1, 1);  // SCORE only
  inkRect(ours, 2, 3, 3, 1);
  inkRect(ours, 11, 5, 1, 1);  // ours only
  const OverlayImage overlay = makeOverlay(reference, ours, {-1, -1});
  ASSERT_EQ(overlay.width, 12);
  ASSERT_EQ(overlay.height, 6);
  auto at = [&](int x, int y) { return overlay.pixels[static_cast<size_t>(y) * 12 + x]; };
  EXPECT_EQ(at(1, 1), OverlayColour::kBoth);
  EXPECT_EQ(at(2, 2), OverlayColour::kBoth);  // ours, next to SCORE's
  EXPECT_EQ(at(8, 4), OverlayColour::kReferenceOnly);
  EXPECT_EQ(at(10, 4), OverlayColour::kOursOnly);
  EXPECT_EQ(at(0, 5), OverlayColour::kWhite);
}

}  // namespace
