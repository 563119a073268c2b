// The frame the complete drawing computes its shapes in: x to the right and
// y upward, both axes in one length chosen by the caller (page pixels at
// zoom 1 when painting, EPS units in tests), and where one staff's item
// coordinates lie in it.
#pragma once

#include "view/view.h"

struct PagePoint {
  double x = 0;
  double y = 0;
};

constexpr double kPointsPerInch = 72.0;
// SCORE's printed sizes are measured in points; one horizontal unit is 2.7 pt.
constexpr double kPointsPerUnit = 2.7;
// The staff size every measured page uses; sizes measured there scale by
// size / kMeasuredSize.
constexpr double kMeasuredSize = 0.75;

struct StaffFrame {
  double unit = 0;    // one horizontal unit (P3, P6)
  double step = 0;    // one step of this staff, its size included (P4, P5)
  double size = 1;    // the staff size
  double bottom = 0;  // height of the bottom line (kBottomLineStep of item heights)

  // The point of horizontal position h and height v (steps).
  PagePoint at(double h, double v) const {
    return {h * unit, bottom + (v - kBottomLineStep) * step};
  }
  // A length given in points.
  double points(double pt) const { return pt * unit / kPointsPerUnit; }
  // A length measured in points on a staff of the measured size, at this size.
  double measured(double pt) const { return points(pt) * size / kMeasuredSize; }
};
