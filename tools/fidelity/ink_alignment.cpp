#include "ink_alignment.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The first pass tries about this many block shifts each way, whatever the
// window and resolution.
constexpr double kCoarseSteps = 81;

struct InkPoint {
  int x;
  int y;
};

std::vector<InkPoint> inkPoints(const InkImage& image) {
  std::vector<InkPoint> points;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (inkAt(image, x, y)) points.push_back({x, y});
    }
  }
  return points;
}

// One pixel per block, inked where any pixel of the block is; with
// `grow`, also where any of the eight neighbouring blocks is.
InkImage blockInk(const InkImage& image, int block, bool grow) {
  InkImage blocks;
  blocks.width = (image.width + block - 1) / block;
  blocks.height = (image.height + block - 1) / block;
  blocks.ink.assign(static_cast<size_t>(blocks.width) * blocks.height, 0);
  const int reach = grow ? 1 : 0;
  for (const InkPoint& p : inkPoints(image)) {
    for (int y = p.y / block - reach; y <= p.y / block + reach; ++y) {
      for (int x = p.x / block - reach; x <= p.x / block + reach; ++x) {
        if (x >= 0 && y >= 0 && x < blocks.width && y < blocks.height) {
          blocks.ink[static_cast<size_t>(y) * blocks.width + x] = 1;
        }
      }
    }
  }
  return blocks;
}

long overlap(const InkImage& reference, const std::vector<InkPoint>& ours, PixelShift shift) {
  long count = 0;
  for (const InkPoint& p : ours) count += inkAt(reference, p.x + shift.dx, p.y + shift.dy);
  return count;
}

// More overlap wins; among equals, the smaller shift.
bool better(long count, PixelShift shift, long bestCount, PixelShift best) {
  if (count != bestCount) return count > bestCount;
  return std::abs(shift.dx) + std::abs(shift.dy) < std::abs(best.dx) + std::abs(best.dy);
}

struct ShiftRange {
  int left, right, top, bottom;  // inclusive
};

PixelShift bestShiftIn(const InkImage& reference, const std::vector<InkPoint>& ours,
                       ShiftRange range) {
  PixelShift best{range.left, range.top};
  long bestCount = -1;
  for (int dy = range.top; dy <= range.bottom; ++dy) {
    for (int dx = range.left; dx <= range.right; ++dx) {
      const long count = overlap(reference, ours, {dx, dy});
      if (better(count, {dx, dy}, bestCount, best)) {
        bestCount = count;
        best = {dx, dy};
      }
    }
  }
  return best;
}

// Pixel range [low, high] as the block shifts that cover it.
int blocksBelow(int pixels, int block) {
  return static_cast<int>(std::floor(static_cast<double>(pixels) / block));
}
int blocksAbove(int pixels, int block) {
  return static_cast<int>(std::ceil(static_cast<double>(pixels) / block));
}

}  // namespace

// Each pass compares our blocks with SCORE's blocks grown by one. Whatever
// the offset within a block, the block shift nearest the true one then counts
// all the ink that matches, so a staff line one space away cannot outvote it,
// and the true shift lies within two blocks of the best block shift.
PixelShift findBestShift(const InkImage& reference, const InkImage& ours, SearchWindow window) {
  const int windowX = std::max(window.x, 0);
  const int windowY = std::max(window.y, 0);
  const double span = std::sqrt((2.0 * windowX + 1) * (2.0 * windowY + 1));
  int block = std::max(1, static_cast<int>(std::ceil(span / kCoarseSteps)));
  ShiftRange pixels{-windowX, windowX, -windowY, windowY};
  while (block > 1) {
    const ShiftRange blocks{
        blocksBelow(pixels.left, block) - 1, blocksAbove(pixels.right, block) + 1,
        blocksBelow(pixels.top, block) - 1, blocksAbove(pixels.bottom, block) + 1};
    const PixelShift found = bestShiftIn(blockInk(reference, block, true),
                                         inkPoints(blockInk(ours, block, false)), blocks);
    const int reach = 2 * block;
    pixels = {
        std::max(-windowX, found.dx * block - reach), std::min(windowX, found.dx * block + reach),
        std::max(-windowY, found.dy * block - reach), std::min(windowY, found.dy * block + reach)};
    block /= 2;
  }
  return bestShiftIn(reference, inkPoints(ours), pixels);
}

long inkOverlap(const InkImage& reference, const InkImage& ours, PixelShift shift) {
  return overlap(reference, inkPoints(ours), shift);
}
