// How much of one page's ink the other holds, and a picture of the difference.
#pragma once

#include <cstdint>
#include <vector>

#include "ink_alignment.h"
#include "ink_image.h"

struct InkAgreement {
  long referenceInk = 0;      // SCORE's ink pixels
  long referenceCovered = 0;  // of them, those with our ink within one pixel
  long oursInk = 0;           // our ink pixels, including any moved off SCORE's page
  long oursCovered = 0;       // of them, those with SCORE's ink within one pixel
};

// Counts both ways after shifting our image; our ink that the shift moves
// off SCORE's page counts as not covered.
InkAgreement measureAgreement(const InkImage& reference, const InkImage& ours, PixelShift shift);

// Share of SCORE's ink that ours covers, and of ours that SCORE covers; 1 when
// there is no ink to cover.
double recall(const InkAgreement& agreement);
double precision(const InkAgreement& agreement);

enum class OverlayColour : uint8_t { kWhite, kBoth, kReferenceOnly, kOursOnly };

struct OverlayImage {
  int width = 0;
  int height = 0;
  std::vector<OverlayColour> pixels;  // row by row
};

// SCORE's page frame with both inks: kBoth for ink the other page matches
// within one pixel, kReferenceOnly and kOursOnly for the rest.
OverlayImage makeOverlay(const InkImage& reference, const InkImage& ours, PixelShift shift);
