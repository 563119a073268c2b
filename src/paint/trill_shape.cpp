#include "paint/trill_shape.h"

namespace {

constexpr double kGap = 0.5;    // units of a size-1 staff between sign and extension
constexpr float kHook = 2.0f;   // steps
constexpr float kWavy = -1.0f;  // P7 of the line kinds
constexpr float kDashed = 1.0f;
// The extension runs this far above the sign's baseline.
constexpr double kTrillLift = 1.0;   // steps: through the middle of "tr"
constexpr double kOttavaLift = 1.5;  // steps: at the figures' middle

}  // namespace

bool trillLine(const TrillItem& item, double size, double signEnd, LineItem* line) {
  TrillKind kind = trillKind(item.p5);
  double start = signEnd + kGap * size;
  if (item.p6 == 0.0f || !(item.p6 > start)) return false;
  double lift = kind == TrillKind::kTrill   ? kTrillLift
                : kind == TrillKind::kPedal ? 0
                                            : kOttavaLift;
  LineItem l;
  l.p3 = static_cast<float>(start);
  l.p6 = item.p6;
  l.p4 = static_cast<float>(item.p4 + lift);
  if (kind == TrillKind::kTrill) {
    l.p7 = kWavy;  // with P5 = 0: horizontal
  } else if (kind == TrillKind::kPedal) {
    l.p5 = l.p4;
    l.p12 = kHook;
  } else {
    l.p5 = l.p4;
    l.p7 = kDashed;
    l.p8 = l.p9 = 1;
    l.p12 = kind == TrillKind::kOttavaBassa ? kHook : -kHook;
  }
  *line = l;
  return true;
}
