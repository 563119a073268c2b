#include "paint/hook_shape.h"

#include <cmath>

namespace {

constexpr float kArrowMark = 100.0f;

bool isHook(float p) { return p != 0.0f && std::fabs(p) < kArrowMark; }

}  // namespace

std::vector<PagePoint> hookedLine(const LineItem& item, const StaffFrame& frame) {
  float right = lineRightX(item);
  std::vector<PagePoint> points;
  if (isHook(item.p11)) points.push_back(frame.at(item.p3, item.p4 + item.p11));
  points.push_back(frame.at(item.p3, item.p4));
  points.push_back(frame.at(right, item.p5));
  if (isHook(item.p12)) points.push_back(frame.at(right, item.p5 + item.p12));
  return points;
}
