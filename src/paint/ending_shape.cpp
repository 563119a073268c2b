#include "paint/ending_shape.h"

#include <cmath>

namespace {

constexpr double kNumberIndent = 1.08;  // units of a size-1 staff right of P3
constexpr double kNumberDrop = 1.0;     // steps below P4
constexpr float kLargestNumber = 999999.0f;

}  // namespace

bool isEnding(const SlurItem& item) { return item.p8 == 1.0f || item.p8 == 2.0f; }

EndingShape endingShape(const SlurItem& item, const StaffFrame& frame) {
  EndingShape shape;
  float line = item.p4 + item.p7;
  shape.bracket = {frame.at(item.p3, item.p4), frame.at(item.p3, line), frame.at(item.p6, line),
                   frame.at(item.p6, item.p5)};
  shape.numberAt = frame.at(item.p3 + kNumberIndent * frame.size, item.p4 - kNumberDrop);
  float value = item.p9 != 0.0f ? item.p9 : item.p8;
  if (std::fabs(value) < kLargestNumber) {
    shape.number = std::to_string(static_cast<int>(value));
  }
  return shape;
}
