#include "paint/line_kind.h"

namespace {

constexpr float kHairpinMark = 999.0f;
constexpr float kDashedMark = 1.0f;
constexpr float kWavyMark = -1.0f;

}  // namespace

LineKind lineKind(const LineItem& item) {
  if (item.p5 == kHairpinMark) return LineKind::kHairpin;
  if (item.p7 == kDashedMark) return LineKind::kDashed;
  if (item.p7 == kWavyMark && item.p6 == 0.0f) return LineKind::kVerticalWavy;
  if (item.p7 == kWavyMark && item.p5 == 0.0f) return LineKind::kHorizontalWavy;
  return LineKind::kStraight;
}

float lineRightX(const LineItem& item) { return item.p6 == 0.0f ? item.p3 : item.p6; }
