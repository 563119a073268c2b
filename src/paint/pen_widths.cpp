#include "paint/pen_widths.h"

#include "paint/line_weights.h"
#include "paint/page_path.h"

namespace {

double widerThanAPixel(const ViewState& view, double points) {
  double width = strokeWidth(view, points);
  return width > 1 ? width : 0;
}

}  // namespace

PenWidths penWidths(const ViewState& view) {
  PenWidths widths;
  widths.line = widerThanAPixel(view, kLineWeight);
  widths.ledgerLine = widerThanAPixel(view, kLedgerLineWeight);
  widths.wideOutline = widths.line;
  return widths;
}
