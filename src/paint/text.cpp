#include <algorithm>
#include <cmath>

#include "paint/line_weights.h"
#include "paint/page_path.h"
#include "paint/painter.h"
#include "paint/printed_text.h"
#include "score/item_table.h"
#include "score/number_text.h"
#include "score/text_items.h"
#include "score/times_widths.h"

namespace {

// A size of 0 means size 1, for text and numbers alike.
constexpr float kDefaultSize = 1.0f;
// Larger sizes and factors come only from hostile values.
constexpr double kLargestSize = 1000.0;
constexpr double kLargestFactor = 100.0;
constexpr double kFullTurn = 360.0;
// Number sizes carry part-extraction flags in their hundreds.
constexpr float kSizeFlags = 100.0f;

// P6 as an em factor, or 0 when it draws nothing.
double textSize(float p6) {
  if (p6 == 0.0f) return kDefaultSize;
  return p6 > 0.0f && p6 <= kLargestSize ? p6 : 0.0;
}

// A factor whose 0 (or nonsense) means 1.
double factorOr1(double v) { return v > 0 && v <= kLargestFactor ? v : 1.0; }

double turn(float degrees) { return std::isfinite(degrees) ? std::fmod(degrees, kFullTurn) : 0.0; }

// The staff frame of an item's staff, or false when it has none.
bool itemFrame(const View& view, const ItemRecord& item, StaffFrame* frame) {
  int s = staffOfItem(item);
  if (!isStaffNumber(s)) return false;
  *frame = staffFrame(view.viewState, view.staffTables, s);
  return true;
}

// The frame of a number (not measured: no page has one) clears the digits
// by a fifth of an em; the circle is centred on them.
constexpr double kFrameClearance = 0.2;
constexpr double kCapHeight = 0.66;
constexpr double kDescent = 0.05;
constexpr double kQuarterCircle = 0.5523;  // control distance of a quarter circle's Bezier

// P6 of a number without its flags.
float numberSize(float p6) {
  return p6 >= kSizeFlags && p6 < 10 * kSizeFlags ? std::fmod(p6, kSizeFlags) : p6;
}

// The circle (P8 = 1) or box (P8 = 2) around a number's digits.
void drawNumberFrame(DrawingSurface& surface, const View& view, float p8, PathPoint left,
                     double width, double em) {
  SurfacePath path;
  double top = left.y - (kCapHeight + kFrameClearance) * em,
         bottom = left.y + (kDescent + kFrameClearance) * em;
  if (p8 == 2.0f) {
    double x0 = left.x - kFrameClearance * em, x1 = left.x + width + kFrameClearance * em;
    path.moveTo(x0, top);
    path.lineTo(x1, top);
    path.lineTo(x1, bottom);
    path.lineTo(x0, bottom);
    path.close();
  } else if (p8 == 1.0f) {
    double cx = left.x + width / 2, cy = (top + bottom) / 2;
    double r = std::max(width / 2 + kFrameClearance * em, (bottom - top) / 2),
           k = kQuarterCircle * r;
    path.moveTo(cx + r, cy);
    path.cubicTo(cx + r, cy + k, cx + k, cy + r, cx, cy + r);
    path.cubicTo(cx - k, cy + r, cx - r, cy + k, cx - r, cy);
    path.cubicTo(cx - r, cy - k, cx - k, cy - r, cx, cy - r);
    path.cubicTo(cx + k, cy - r, cx + r, cy - k, cx + r, cy);
    path.close();
  } else {
    return;
  }
  drawPagePath(surface, path, PathFill::kNone, {strokeWidth(view.viewState, kLineWeight), {}});
}

}  // namespace

void paintText(DrawingSurface& surface, const Document& document, const View& view, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  StaffFrame frame;
  double size = textSize(param(item, 6));
  if (!itemFrame(view, item, &frame) || size == 0) return;
  TextPlacement placement;
  placement.origin =
      deviceMap(view.viewState)
          .map(frame.at(static_cast<double>(param(item, 3)) + param(item, 11), param(item, 4)));
  placement.em = textEmPixels(view.viewState, size, frame.size);
  placement.spacing = factorOr1(param(item, 5));
  placement.verticalScale = factorOr1(param(item, 7) / size);
  placement.rotation = turn(param(item, 9));
  drawSpans(surface, textItemSpans(item), placement);
}

void paintNumber(DrawingSurface& surface, const Document& document, const View& view, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  StaffFrame frame;
  double size = textSize(numberSize(param(item, 6)));
  std::vector<TextSpan> spans{{numberFontCode(param(item, 7)), numberText(param(item, 5))}};
  if (!itemFrame(view, item, &frame) || size == 0 || spans[0].text.empty()) return;
  TextPlacement placement;
  // SCORE stores the centring of the digits in P15: the left edge is P3 + P15.
  placement.origin =
      deviceMap(view.viewState)
          .map(frame.at(static_cast<double>(param(item, 3)) + param(item, 15), param(item, 4)));
  placement.em = textEmPixels(view.viewState, size, frame.size);
  drawSpans(surface, spans, placement);
  double width = timesAdvance(spans[0].fontCode, spans[0].text) * placement.em;
  drawNumberFrame(surface, view, param(item, 8), placement.origin, width, placement.em);
}
