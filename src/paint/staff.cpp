#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "paint/line_weights.h"
#include "paint/page_path.h"
#include "paint/painter.h"
#include "score/conversions.h"
#include "score/item_table.h"

namespace {

constexpr float kDefaultSize = 1.0f;
constexpr float kDefaultRightEnd = 200.0f;
constexpr float kDefaultLineCount = 5.0f;
constexpr float kInvisibleStaff = -1.0f;
constexpr float kThousand = 1000.0f;
constexpr float kThousandth = 0.001f;  // single precision on purpose
constexpr double kStaffSpaceInches = 0.0875;  // two steps

int saturateToInt(int64_t v) {
  return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// The staff lines, each a line of the given width (1 or less: the pen).
void paintStaffLines(DrawingSurface& surface, const View& view, const ItemRecord& item,
                     double width) {
  int s = staffOfItem(item);
  // Staff numbers outside the staff tables cannot be placed.
  if (!isStaffNumber(s)) return;
  float p3 = param(item, 3);
  float p4 = param(item, 4);
  float p5 = param(item, 5);
  float p6 = param(item, 6);
  float p7 = param(item, 7);
  if (p5 == 0.0f) p5 = kDefaultSize;
  if (p6 == 0.0f) p6 = kDefaultRightEnd;
  if (p7 == 0.0f) p7 = kDefaultLineCount;
  if (p7 == kInvisibleStaff) return;

  int x1 = toWindowX(view, p3 * view.viewState.hUnit);
  int x2 = toWindowX(view, p6 * view.viewState.hUnit);

  // The thousands of P4 are a line count; the rest is the staff's offset.
  int64_t g = 0;
  if (p4 >= kThousand || p4 <= -kThousand) {
    int32_t t = truncToInt(static_cast<double>(p4) * static_cast<double>(kThousandth));
    g = std::abs(static_cast<int64_t>(t));
    p4 = static_cast<float>(p4 - 1000.0 * t);
  }
  int yBottom = toWindowY(view, static_cast<double>(p5) * p4 * view.viewState.stepUnit +
                          view.staffTables.staffDefaultY[s]);

  // P7 as hundreds and two digits: each hundred past the first raises the
  // first line by one staff space; the digits are the line count.
  if (p7 > 99.0f && p7 < kThousand) {
    int h = hundredsOf(p7);
    int raise = truncToInt(static_cast<double>(h - 1) * view.viewState.pixelsPerInch * p5 *
                           kStaffSpaceInches);
    yBottom = truncToInt(yBottom - raise * view.viewState.zoom);
    g = truncToInt(p7 - 100.0 * hundredsOf(p7));
  } else if (g == 0) {
    g = truncToInt(p7);
  }

  int64_t count = std::min<int64_t>(g, kMaxRuledLines);
  for (int j = 0; j < count; ++j) {
    // Spacing is truncated per line, not rounded through toWindowY.
    int d = truncToInt(static_cast<double>(j) * p5 * view.viewState.zoom * view.viewState.stepUnit * 2);
    int y = saturateToInt(static_cast<int64_t>(yBottom) - d);
    strokeLine(surface, x1, y, x2, y, width);
  }
}

}  // namespace

void paintStaff(DrawingSurface& surface, const Document& document, const View& view, int i) {
  paintStaffLines(surface, view, itemAt(document.itemTable, i), 0);
}

void paintCompleteStaff(DrawingSurface& surface, const Document& document, const View& view,
                        int i) {
  paintStaffLines(surface, view, itemAt(document.itemTable, i),
                  strokeWidth(view.viewState, kLineWeight));
}
