#include "paint/dash_shape.h"

#include <cmath>

namespace {

constexpr float kDefaultDash = 1.0f;  // steps

bool finite(PagePoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

std::vector<DashSegment> dashes(PagePoint start, PagePoint end, double dash, double gap) {
  std::vector<DashSegment> out;
  double dx = end.x - start.x, dy = end.y - start.y;
  double axis = dx != 0 ? std::fabs(dx) : std::fabs(dy);
  if (!finite(start) || !finite(end) || !(axis > 0) || !(dash > 0) || !(gap >= 0) ||
      !std::isfinite(dash + gap)) {
    return out;
  }
  double period = (dash + gap) / axis;
  for (int k = 0; k < kMaxDashes; ++k) {
    double t0 = k * period;
    if (!(t0 < 1)) break;
    double t1 = std::fmin(t0 + dash / axis, 1.0);
    out.push_back({{start.x + t0 * dx, start.y + t0 * dy}, {start.x + t1 * dx, start.y + t1 * dy}});
  }
  return out;
}

std::vector<DashSegment> dashedLine(const LineItem& item, const StaffFrame& frame) {
  float dash = item.p8 > 0.0f ? item.p8 : kDefaultDash;
  float gap = item.p9 > 0.0f ? item.p9 : dash;
  float right = lineRightX(item);
  PagePoint start = frame.at(item.p3, item.p4);
  PagePoint end = frame.at(right, item.p5);
  return dashes(start, end, dash * frame.step, gap * frame.step);
}
