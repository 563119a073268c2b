// The complete drawing's note variants against SCORE 4's EPS of the corpus
// pages (staff size 0.75 there; 1 unit = 150 EPS units, 1 step = 131.25 at
// that size). Item numbers name the page's items.
#include "layout/note_variants.h"

#include <gtest/gtest.h>

#include <cmath>

#include "layout/time_digits.h"

namespace {

constexpr double kZ = 0.75;
constexpr double kEpsUnit = 150.0;

TEST(NoteVariants, DotsOfHundredsAndThousands) {
  struct Row {
    float p4;
    float p9;
    int raise;
    bool shifted;
  };
  // brahms 98, 99, 100, 101, 112, 347; chopin 97 (110.97), 248 (10.97).
  const Row rows[] = {{1, 1110, -1, true},     {3, 1110, -1, true},   {4, 10, 0, false},
                      {8, 1010, 0, true},      {8, 110, 0, false},    {5, 110, -1, false},
                      {3, 110.97f, -1, false}, {6, 10.97f, 0, false}, {5, 10, 1, false},
                      {-3, 11, 1, false},      {NAN, NAN, 0, false}};
  for (const Row& row : rows) {
    DotPlace place = printedDots(row.p4, row.p9);
    EXPECT_EQ(place.raise, row.raise) << row.p4 << " " << row.p9;
    EXPECT_EQ(place.shift != 0, row.shifted) << row.p4 << " " << row.p9;
  }
  // brahms 98: the dot's left edge 806.6 EPS right of P3, 487 without the shift.
  EXPECT_NEAR(printedDots(1, 1110).shift * kZ * kEpsUnit, 806.6 - 487.0, 1.5);
}

TEST(NoteVariants, FermataStep) {
  struct Row {
    float p11;
    float p14;
    float p4;
    int stem;
    float length;
    double step;
  };
  // Above: chor 89 (stem down), 123, 205, 225, 313, 336 (P8 -1); chopin 91
  // (no stem). Below, mirrored: chor 24, 63 (P8 -1.5), 146, 371; chopin 58
  // (no stem, P14 -4.25).
  const Row rows[] = {
      {14, 0, 2, 2, -1.5f, 13}, {14, 0, 5, 1, 0, 14},          {14, 0, 7, 1, 0, 16},
      {14, 0, 6, 1, 0, 15},     {14, 0, 9, 1, -1, 17},         {14, 0, 3, 0, 0, 13},
      {-14, 0, 7, 2, 0, -2},    {-14, 0, 3, 2, -1.5f, -4.5},   {-14, 0, 8, 2, 0, -1},
      {-14, 0, 10, 2, 0, 1},    {-14, -4.25f, -1, 0, 0, -8.25}};
  for (const Row& row : rows) {
    std::vector<ArticulationMark> marks =
        articulationMarks(row.p11, row.p14, row.p4, row.stem, row.length);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].symbol, kPrintedFermataSymbol);
    EXPECT_EQ(marks[0].x, 0);
    EXPECT_EQ(marks[0].mirrored, row.p11 < 0);
    EXPECT_EQ(marks[0].step, row.step) << row.p11 << " " << row.p4;
  }
}

TEST(NoteVariants, StaccatoAndTenuto) {
  // brahms 62 (P11 7) and 412 (P11 10), stem up: dot centre 171 EPS right of
  // P3 and 2 steps below the head, line centre 178 EPS right and 3.18 below.
  std::vector<ArticulationMark> dot = articulationMarks(7, 0, -5, 1, 7);
  ASSERT_EQ(dot.size(), 1u);
  EXPECT_EQ(dot[0].symbol, kPrintedStaccatoSymbol);
  EXPECT_NEAR(dot[0].x * kZ * kEpsUnit, 171, 3);
  EXPECT_DOUBLE_EQ(dot[0].step, -7);
  std::vector<ArticulationMark> both = articulationMarks(10, 0, -3, 1, 7);
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[1].symbol, kPrintedTenutoSymbol);
  EXPECT_NEAR(both[1].x * kZ * kEpsUnit, 178, 3);
  EXPECT_NEAR(both[1].step, -3 - 417.5 / 131.25, 0.01);
  // Stem down, or no stem: the marks stand above the head.
  EXPECT_DOUBLE_EQ(articulationMarks(10, 0, 4, 2, 0)[0].step, 6);
  EXPECT_NEAR(articulationMarks(10, 0, 4, 0, 0)[1].step, 7.18, 1e-9);
}

TEST(NoteVariants, MarksSCOREDoesNotPrint) {
  for (float p11 : {0.0f, 1.0f, 7.5f, -7.0f, NAN, 1e30f}) {
    EXPECT_TRUE(articulationMarks(p11, 0, 5, 1, 0).empty()) << p11;
  }
}

TEST(TimeDigits, AsPrinted) {
  // chopin 2/8: both digits' left edges at P3; brahms 3/2 the same.
  std::vector<TimeDigit> digits = timeSignatureDigits(2, 8);
  ASSERT_EQ(digits.size(), 2u);
  EXPECT_EQ(digits[0].symbol, kTimeDigitSymbol + 2);
  EXPECT_EQ(digits[1].symbol, kTimeDigitSymbol + 8);
  EXPECT_EQ(digits[0].x, 0);
  EXPECT_EQ(digits[1].x, 0);
  // Bottoms: 20 EPS above the middle line and 13.5 above the bottom line.
  EXPECT_NEAR(digits[0].bottom * kZ * 175, 4 * 131.25 + 20, 2);
  EXPECT_NEAR(digits[1].bottom * kZ * 175, 13.5, 2);
}

TEST(TimeDigits, TwoDigitNumbersAndRefusals) {
  std::vector<TimeDigit> digits = timeSignatureDigits(12, 8);
  ASSERT_EQ(digits.size(), 3u);
  EXPECT_EQ(digits[0].symbol, kTimeDigitSymbol + 1);
  EXPECT_EQ(digits[1].symbol, kTimeDigitSymbol + 2);
  EXPECT_GT(digits[1].x, digits[0].x);
  EXPECT_DOUBLE_EQ(digits[2].x, (digits[0].x + digits[1].x) / 2);
  for (auto [p5, p6] : {std::pair{99.0f, 1.0f},
                        {98.0f, 1.0f},
                        {4.0f, 0.0f},
                        {0.0f, 4.0f},
                        {2.5f, 8.0f},
                        {-3.0f, 4.0f},
                        {NAN, 4.0f},
                        {3.0f, 1e30f}}) {
    EXPECT_TRUE(timeSignatureDigits(p5, p6).empty()) << p5 << "/" << p6;
  }
}

}  // namespace
