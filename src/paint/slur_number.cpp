#include "paint/slur_number.h"

#include "paint/printed_text.h"
#include "score/times_widths.h"

namespace {

// Tuplet numbers are set smaller than text of size 1.
constexpr double kTupletSize = 0.875;

}  // namespace

void drawSlurNumber(DrawingSurface& surface, const View& view, const std::string& text, double x,
                    double y, SlurNumberStyle style, double staffSize) {
  if (text.empty()) return;
  bool tuplet = style == SlurNumberStyle::kTuplet;
  TextSpan span{tuplet ? kTimesItalic : kTimesRoman, tuplet ? text : text + "."};
  TextPlacement placement;
  placement.em = textEmPixels(view.viewState, tuplet ? kTupletSize : 1.0, staffSize);
  double left = tuplet ? x - timesAdvance(span.fontCode, span.text) * placement.em / 2 : x;
  placement.origin = {left, y};
  drawSpans(surface, {span}, placement);
}
