#include "paint/hairpin_shape.h"

#include <cmath>

namespace {

constexpr double kDefaultHalfOpening = 1.15;  // steps
constexpr float kClosingDefault = -1.0f;

}  // namespace

std::vector<PagePoint> hairpinLine(const LineItem& item, const StaffFrame& frame) {
  if (item.p6 == 0.0f) return {};
  double half = item.p7 == 0.0f || item.p7 == kClosingDefault || !std::isfinite(item.p7)
                    ? kDefaultHalfOpening
                    : std::fabs(item.p7) / 2;
  bool opening = !(item.p7 < 0.0f);
  float point = opening ? item.p3 : item.p6;
  float open = opening ? item.p6 : item.p3;
  return {frame.at(open, item.p4 + half), frame.at(point, item.p4), frame.at(open, item.p4 - half)};
}
