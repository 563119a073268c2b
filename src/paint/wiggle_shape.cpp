#include "paint/wiggle_shape.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kElementPeriod = 1.722;  // steps of the staff
constexpr double kChainDrop = 0.12;       // steps below the first element's start
constexpr double kElementHeight = 1.85;   // steps
constexpr double kLeftReach = 0.71;       // units left of P3, at the measured size
constexpr double kRightReach = 0.20;      // units right of P3
constexpr double kElementWidth = kLeftReach + kRightReach;

// Elements needed to cover a length, or 0 when there is nothing to cover.
int elementCount(double length, double period) {
  double n = std::ceil(length / period);
  if (!(n >= 1)) return 0;
  return static_cast<int>(std::min<double>(n, kMaxWiggleElements));
}

// One placement per element, the chain from low to high along the chain's
// axis: the glyph's extent [glyphLow, glyphHigh] plus count - 1 periods.
// Along the other axis every element has the same placement.
struct ChainFit {
  double scale;
  double offset;
};
ChainFit fitChain(double glyphLow, double glyphHigh, double period, int count, double low,
                  double high) {
  double span = (count - 1) * period + glyphHigh - glyphLow;
  double scale = span > 0 ? (high - low) / span : 0;
  return {scale, low - scale * glyphLow};
}

}  // namespace

std::vector<GlyphPlacement> verticalWavyLine(const LineItem& item, const StaffFrame& frame,
                                             const OutlineGlyph& element, double period) {
  double bottom = std::min(item.p4, item.p5), top = std::max(item.p4, item.p5);
  int count = elementCount(top - bottom, kElementPeriod);
  if (count == 0 || !(period > 0)) return {};
  double reach = frame.unit * frame.size / kMeasuredSize;
  double x = item.p3 * frame.unit;
  GlyphPlacement across = fitGlyph(element, x - kLeftReach * reach, x + kRightReach * reach, 0, 0);
  double low = frame.at(0, bottom - kChainDrop).y;
  double high = frame.at(0, bottom + kElementPeriod * (count - 1) + kElementHeight - kChainDrop).y;
  ChainFit fit = fitChain(element.bottom, element.top, period, count, low, high);
  std::vector<GlyphPlacement> chain;
  chain.reserve(static_cast<size_t>(count));
  for (int k = 0; k < count; ++k) {
    chain.push_back({across.x, fit.offset + k * period * fit.scale, across.scaleX, fit.scale});
  }
  return chain;
}

std::vector<GlyphPlacement> horizontalWiggle(const LineItem& item, const StaffFrame& frame,
                                             const OutlineGlyph& element, double period) {
  double left = std::min(item.p3, item.p6) * frame.unit;
  double right = std::max(item.p3, item.p6) * frame.unit;
  int count = elementCount(right - left, kElementPeriod * frame.step);
  if (count == 0 || !(period > 0)) return {};
  double half = kElementWidth / 2 * frame.unit * frame.size / kMeasuredSize;
  double y = frame.at(0, item.p4).y;
  GlyphPlacement across = fitGlyph(element, 0, 0, y - half, y + half);
  ChainFit fit = fitChain(element.left, element.right, period, count, left, right);
  std::vector<GlyphPlacement> chain;
  chain.reserve(static_cast<size_t>(count));
  for (int k = 0; k < count; ++k) {
    chain.push_back({fit.offset + k * period * fit.scale, across.y, fit.scale, across.scaleY});
  }
  return chain;
}
