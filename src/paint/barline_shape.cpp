#include "paint/barline_shape.h"

namespace {

// Distances in units of a size-1 staff left (-) or right (+) of x, measured
// on SCORE's printed barlines of kinds 0 to 4; kinds 5 and 6 are built
// from the same distances.
constexpr double kDoubleGap = -1.25;
constexpr double kFinalThin = -2.3;
constexpr double kThickWidth = 1.0;
constexpr double kRepeatThin = 1.3;  // from the thick bar's edge
constexpr double kDotsBeyondThin = 1.95;
constexpr double kDotRadius = 0.339;
constexpr double kDotSteps[] = {6.0, 8.0};   // the two middle spaces
constexpr double kBracketGap = 0.75;         // between the bracket's bar and x
constexpr double kBracketWidth = 0.9;        // steps
constexpr double kFontUnitsPerStep = 125.0;  // music font: 1000 units per 8 steps
constexpr double kDefaultDash = 2.0;         // steps
constexpr double kDefaultDashGap = 1.0;

// Kinds (P5).
constexpr float kSingle = 0.0f;
constexpr float kDouble = 1.0f;
constexpr float kFinal = 2.0f;
constexpr float kRepeatLeft = 3.0f;
constexpr float kRepeatRight = 4.0f;
constexpr float kRepeatBoth = 5.0f;   // thin, thick, thin
constexpr float kHeavyRepeat = 6.0f;  // thick, thick
constexpr float kDashed = 7.0f;
constexpr float kBrace = 8.0f;
constexpr float kBracket = 9.0f;

enum BracketPart { kBothEnds = 0, kTopOnly = 1, kBottomOnly = 2, kBarOnly = 3 };

void addDots(BarlineShape& shape, double x, std::span<const StaffFrame> staves) {
  for (const StaffFrame& staff : staves) {
    for (double step : kDotSteps) shape.dots.push_back({x, staff.at(0, step).y});
  }
}

void addBracket(BarlineShape& shape, const BarlineItem& item, double x, const StaffFrame& low) {
  double u = low.unit * low.size;
  double right = x - kBracketGap * u;
  double left = right - kBracketWidth * low.step;
  shape.thick.push_back({left, right});
  int part = item.p8 == 1.0f   ? kTopOnly
             : item.p8 == 2.0f ? kBottomOnly
             : item.p8 == 3.0f ? kBarOnly
                               : kBothEnds;
  shape.tipUp = part == kBothEnds || part == kTopOnly;
  shape.tipDown = part == kBothEnds || part == kBottomOnly;
  shape.tipUpAt = {left, shape.top};
  shape.tipDownAt = {left, shape.bottom};
  shape.tipScale = low.step / kFontUnitsPerStep;
}

}  // namespace

BarlineShape barlineShape(const BarlineItem& item, double bottom, double top,
                          std::span<const StaffFrame> staves) {
  BarlineShape shape;
  shape.bottom = bottom;
  shape.top = top;
  if (staves.empty()) return shape;
  const StaffFrame& low = staves.front();
  double u = low.unit * low.size;  // one unit at this staff's size
  double x = (item.p3 + item.p15) * low.unit;
  shape.dotRadius = kDotRadius * u;
  double thickLeft = x - kThickWidth * u;
  if (item.p5 == kSingle) {
    shape.thin = {x};
  } else if (item.p5 == kDouble) {
    shape.thin = {x, x + kDoubleGap * u};
  } else if (item.p5 == kFinal || item.p5 == kRepeatLeft) {
    shape.thin = {x + kFinalThin * u};
    shape.thick = {{thickLeft, x}};
    if (item.p5 == kRepeatLeft) addDots(shape, x + (kFinalThin - kDotsBeyondThin) * u, staves);
  } else if (item.p5 == kRepeatRight) {
    shape.thick = {{thickLeft, x}};
    shape.thin = {x + kRepeatThin * u};
    addDots(shape, x + (kRepeatThin + kDotsBeyondThin) * u, staves);
  } else if (item.p5 == kRepeatBoth) {
    double half = kThickWidth / 2, thin = half + kRepeatThin;
    shape.thick = {{x - half * u, x + half * u}};
    shape.thin = {x - thin * u, x + thin * u};
    addDots(shape, x - (thin + kDotsBeyondThin) * u, staves);
    addDots(shape, x + (thin + kDotsBeyondThin) * u, staves);
  } else if (item.p5 == kHeavyRepeat) {
    double inner = kThickWidth / 2, outer = inner + kThickWidth;
    shape.thick = {{x - outer * u, x - inner * u}, {x + inner * u, x + outer * u}};
    addDots(shape, x - (outer + kDotsBeyondThin) * u, staves);
    addDots(shape, x + (outer + kDotsBeyondThin) * u, staves);
  } else if (item.p5 == kDashed) {
    shape.thin = {x};
    shape.dash = (item.p8 > 0.0f ? item.p8 : kDefaultDash) * low.step;
    shape.gap = (item.p9 > 0.0f ? item.p9 : kDefaultDashGap) * low.step;
  } else if (item.p5 == kBrace) {
    shape.brace = true;
    shape.braceX = x;
  } else if (item.p5 == kBracket) {
    addBracket(shape, item, x, low);
  }
  return shape;
}
