#include "paint/printed_text.h"

#include <cmath>
#include <numbers>

#include "paint/page_path.h"
#include "score/times_widths.h"

namespace {

// Beyond these, in device pixels, text comes only from hostile values: the
// largest real text at the largest resolution and zoom has an em of about
// 15,000 pixels.
constexpr double kLargestEm = 1e5;

bool within(double v, double limit) { return std::isfinite(v) && std::fabs(v) <= limit; }

}  // namespace

FontStyle fontStyleOf(int fontCode) {
  switch (fontCode) {
    case kTimesBold: return FontStyle::kBold;
    case kTimesItalic: return FontStyle::kItalic;
    case kTimesBoldItalic: return FontStyle::kBoldItalic;
    default: return FontStyle::kRoman;
  }
}

int fontCodeOf(FontStyle style) {
  switch (style) {
    case FontStyle::kBold: return kTimesBold;
    case FontStyle::kItalic: return kTimesItalic;
    case FontStyle::kBoldItalic: return kTimesBoldItalic;
    default: return kTimesRoman;
  }
}

double textEmPixels(const ViewState& view, double size, double staffSize) {
  return kTextEmPoints * size * staffSize / kMeasuredSize * view.pixelsPerInch / kPointsPerInch *
         view.zoom;
}

void drawSpans(DrawingSurface& surface, const std::vector<TextSpan>& spans,
               const TextPlacement& placement) {
  if (!within(placement.em, kLargestEm) || !(placement.em > 0) ||
      !within(placement.origin.x, kDeviceReach) || !within(placement.origin.y, kDeviceReach)) {
    return;
  }
  double angle = placement.rotation * std::numbers::pi / 180;
  PathPoint at = placement.origin;
  for (const TextSpan& span : spans) {
    TextRun run;
    run.family = kTextFamily;
    run.style = fontStyleOf(span.fontCode);
    run.size = placement.em;
    run.x = at.x;
    run.y = at.y;
    run.rotation = placement.rotation;
    run.spacing = placement.spacing;
    run.verticalScale = placement.verticalScale;
    run.text = span.text;
    surface.drawText(run);
    double advance = timesAdvance(span.fontCode, span.text) * placement.em * placement.spacing;
    // Device y grows downward, so a clockwise turn is a positive angle.
    at.x += advance * std::cos(angle);
    at.y += advance * std::sin(angle);
  }
}
