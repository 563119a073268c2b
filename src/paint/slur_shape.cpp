#include "paint/slur_shape.h"

#include <algorithm>
#include <cmath>

namespace {

struct EndShiftRow {
  float p8;
  SlurEndShift shift;
};

// Measured on SCORE's printed slurs; other values of P8 keep the ends at P3 and P6.
constexpr EndShiftRow kEndShifts[] = {
    {-1.0f, {1.49, 1.49}},   // ends centred over the notes
    {-2.0f, {4.50, -1.00}},  // tie: between the tied notes
    {-3.0f, {6.00, -1.00}},  // tie after a dotted note
    {-4.0f, {3.00, 2.33}},  {-6.0f, {3.00, 1.49}}, {-9.0f, {0.00, 2.33}},
};

// A peak moved off the middle moves the right end too, against it and
// along the chord: units of x on a size-1 staff per unit of P10 - 0.5
// (measured for P8 = -1, -6, -9).
constexpr double kApexEndShift = 1.5;

struct ThicknessRow {
  double chord;   // units
  double points;  // at the measured staff size
};

// Thin up to a chord of about 5 units, then thicker up to a ceiling from
// about 20 units; linear between the measured lengths.
constexpr ThicknessRow kThickness[] = {
    {5.3, 0.54}, {9.2, 0.65}, {14.7, 0.71}, {20.0, 0.78}, {64.0, 0.79},
};

// SCORE computes a slur at an odd number of equal steps along the chord,
// about this long, at least seven; the middle step stays at the peak.
constexpr double kSampleStep = 1.27;  // units, two steps
constexpr double kFewestSamples = 7;
// Rise exponents outside these bounds make no slur shape (a spike or a box).
constexpr double kLowestExponent = 1.0;
constexpr double kHighestExponent = 12.0;
constexpr double kDefaultExponent = 2.5;

// Tuplet numbers: the gap around them, their size and their baseline.
constexpr double kTupletGap = 4.0;           // units of a size-1 staff
constexpr double kTupletBaselineDrop = 1.3;  // steps below the peak
constexpr double kLargestTuplet = 999999.0;
constexpr int kBisections = 48;

bool finite(const SlurItem& s) {
  const float values[] = {s.p3, s.p4, s.p5, s.p6, s.p7, s.p9, s.p10};
  return std::all_of(std::begin(values), std::end(values),
                     [](float v) { return std::isfinite(v); });
}

bool finite(PagePoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Half the chord fraction of SCORE's flat middle step for a chord this long.
double flatHalf(double chordUnits) {
  double steps = std::max(kFewestSamples, 2 * std::round(chordUnits / kSampleStep) + 1);
  return 0.5 / steps;
}

// How far u has come from the nearer end towards the peak: 0 at the ends,
// 1 from the start of the flat middle on.
double towardsPeak(const SlurCurve& curve, double u) {
  u = std::clamp(u, 0.0, 1.0);
  double c = curve.apex;
  double x = u <= c ? u / (c - curve.flat) : (1 - u) / (1 - c - curve.flat);
  return std::clamp(x, 0.0, 1.0);
}

struct Range {
  double from;
  double to;
};

// The first-edge x coordinate reaches target between u = lo and u = hi,
// where x grows with u by the sign given; returns the fraction where it
// does, or the end it never passes.
double fractionAtX(const SlurCurve& curve, double target, double lo, double hi, double sign) {
  if ((slurPoint(curve, lo).x - target) * sign >= 0) return lo;
  if ((slurPoint(curve, hi).x - target) * sign < 0) return hi;
  for (int i = 0; i < kBisections; ++i) {
    double mid = (lo + hi) / 2;
    if ((slurPoint(curve, mid).x - target) * sign < 0) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return (lo + hi) / 2;
}

std::vector<SlurPiece> aroundGap(const SlurCurve& curve, const StaffFrame& frame, Range drawn) {
  double sign = curve.b.x > curve.a.x ? 1.0 : (curve.b.x < curve.a.x ? -1.0 : 0.0);
  if (sign == 0.0) return {{drawn.from, drawn.to}};
  double centre = slurPoint(curve, curve.apex).x;
  double half = kTupletGap * frame.size * frame.unit / 2;
  double gapFrom = fractionAtX(curve, centre - sign * half, 0.0, curve.apex, sign);
  double gapTo = fractionAtX(curve, centre + sign * half, curve.apex, 1.0, sign);
  std::vector<SlurPiece> pieces;
  double before = std::min(gapFrom, drawn.to), after = std::max(gapTo, drawn.from);
  if (before > drawn.from) pieces.push_back({drawn.from, before});
  if (after < drawn.to) pieces.push_back({after, drawn.to});
  return pieces;
}

}  // namespace

SlurEndShift slurEndShift(float p8) {
  for (const EndShiftRow& row : kEndShifts) {
    if (row.p8 == p8) return row.shift;
  }
  return {};
}

double slurThickness(double chordUnits) {
  const ThicknessRow* first = std::begin(kThickness);
  if (!(chordUnits > first->chord)) return first->points;
  for (const ThicknessRow* row = first + 1; row != std::end(kThickness); ++row) {
    const ThicknessRow& low = row[-1];
    if (chordUnits <= row->chord) {
      double share = (chordUnits - low.chord) / (row->chord - low.chord);
      return low.points + share * (row->points - low.points);
    }
  }
  return std::end(kThickness)[-1].points;
}

bool slurCurve(const SlurItem& item, const StaffFrame& frame, SlurCurve* curve) {
  if (!finite(item)) return false;
  SlurEndShift shift = slurEndShift(item.p8);
  SlurCurve c;
  c.apex = item.p10 > 0.0f && item.p10 < 1.0f ? item.p10 : 0.5;
  c.a = frame.at(item.p3 + shift.left * frame.size, item.p4);
  c.b = frame.at(item.p6 + shift.right * frame.size, item.p5);
  if (shift.right != 0 && c.b.x != c.a.x) {
    double along = -kApexEndShift * (c.apex - 0.5) * frame.size * frame.unit / (c.b.x - c.a.x);
    c.b = {c.b.x + along * (c.b.x - c.a.x), c.b.y + along * (c.b.y - c.a.y)};
  }
  double chord = std::hypot(c.b.x - c.a.x, c.b.y - c.a.y);
  if (!finite(c.a) || !finite(c.b) || !(chord > 0) || !std::isfinite(chord)) return false;
  c.height = item.p7 * frame.step;
  // Narrower beside a peak off the middle, so that both sides still rise.
  c.flat = flatHalf(chord / frame.unit) * std::min(c.apex, 1 - c.apex) * 2;
  c.exponent = std::clamp(kDefaultExponent + item.p9, kLowestExponent, kHighestExponent);
  c.thickness = frame.measured(slurThickness(chord / frame.unit));
  c.side = item.p7 > -1.0f ? 1.0 : -1.0;
  if (!std::isfinite(c.height) || !std::isfinite(c.thickness)) return false;
  *curve = c;
  return true;
}

double slurRise(const SlurCurve& curve, double u) {
  return 1 - std::pow(1 - towardsPeak(curve, u), curve.exponent);
}

PagePoint slurPoint(const SlurCurve& curve, double u, double extra) {
  double dx = curve.b.x - curve.a.x, dy = curve.b.y - curve.a.y;
  double chord = std::hypot(dx, dy);
  double across = curve.height * slurRise(curve, u) + extra;
  return {curve.a.x + u * dx - across * dy / chord, curve.a.y + u * dy + across * dx / chord};
}

double slurTaper(const SlurCurve& curve, double u) {
  return curve.thickness * towardsPeak(curve, u);
}

std::vector<PagePoint> slurOutline(const SlurCurve& curve, double from, double to, int samples,
                                   double widening) {
  samples = std::max(samples, 1);
  double dx = curve.b.x - curve.a.x, dy = curve.b.y - curve.a.y;
  double chord = std::hypot(dx, dy);
  PagePoint along{dx / chord, dy / chord};
  PagePoint normal{-along.y, along.x};
  double outward = curve.side * widening;
  std::vector<PagePoint> outline(2 * static_cast<size_t>(samples + 1));
  for (int i = 0; i <= samples; ++i) {
    double u = from + (to - from) * i / samples;
    double rise = curve.height * slurRise(curve, u) - outward;
    double end = i == 0 ? -widening : i == samples ? widening : 0;
    PagePoint first{curve.a.x + u * dx + rise * normal.x + end * along.x,
                    curve.a.y + u * dy + rise * normal.y + end * along.y};
    double taper = curve.side * slurTaper(curve, u) + 2 * outward;
    outline[i] = first;
    outline[outline.size() - 1 - i] = {first.x + taper * normal.x, first.y + taper * normal.y};
  }
  return outline;
}

std::vector<SlurPiece> slurPieces(const SlurItem& item, const SlurCurve& curve,
                                  const StaffFrame& frame) {
  Range drawn{0.0, 1.0};
  if (item.p12 == 1.0f) drawn.to = curve.apex;
  if (item.p12 == 2.0f) drawn.from = curve.apex;
  if (item.p14 > 0.0f && item.p14 < 1.0f) drawn.from = std::max<double>(drawn.from, item.p14);
  if (item.p15 > 0.0f && item.p15 < 1.0f) drawn.to = std::min<double>(drawn.to, item.p15);
  if (!(drawn.from < drawn.to)) return {};
  if (item.p16 != 0.0f && std::isfinite(item.p16)) return aroundGap(curve, frame, drawn);
  return {{drawn.from, drawn.to}};
}

TupletNumber tupletNumber(const SlurItem& item, const SlurCurve& curve, const StaffFrame& frame) {
  PagePoint peak = slurPoint(curve, curve.apex);
  TupletNumber number;
  number.centreX = peak.x;
  number.baseline = peak.y - kTupletBaselineDrop * frame.step;
  if (std::fabs(item.p16) < kLargestTuplet) {
    number.text = std::to_string(static_cast<int>(item.p16));
  }
  return number;
}
