// Finding the whole-pixel shift that lays our page over SCORE's.
#pragma once

#include "ink_image.h"

// Moving our image by (dx, dy) puts our pixel (x, y) at (x + dx, y + dy) of
// SCORE's image.
struct PixelShift {
  int dx = 0;
  int dy = 0;
};

// How far the search goes each way from no shift, in pixels.
struct SearchWindow {
  int x = 0;
  int y = 0;
};

// The shift within the window that lays the most of our ink exactly on
// SCORE's ink (the peak of the cross-correlation); ties go to the smaller
// shift. Searches the whole window in large blocks of pixels, then ever
// smaller blocks around the best shift so far, then single pixels.
PixelShift findBestShift(const InkImage& reference, const InkImage& ours, SearchWindow window);

// The number of our ink pixels that land on SCORE's ink after the shift.
long inkOverlap(const InkImage& reference, const InkImage& ours, PixelShift shift);
