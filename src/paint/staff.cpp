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
constexpr double kStaffSpaceInches = 0.0875;  // two steps

int saturateToInt(int64_t v) {
  return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// The staff's lines as the parameters give them, in window pixels before
// any rounding: x from left to right, the bottom line at bottom, each line
// spacing above the one before.
struct StaffRuling {
  double left = 0, right = 0;
  double bottom = 0;    // toWindowY's argument: page height of the bottom line
  bool raised = false;  // by the hundreds of P7:
  double raise = 0;     // device pixels before the zoom
  float size = 1;       // P5
  int64_t count = 0;
};

// False for staves that cannot be placed or are invisible.
bool readStaffRuling(const View& view, const ItemRecord& item, StaffRuling* ruling) {
  int s = staffOfItem(item);
  // Staff numbers outside the staff tables cannot be placed.
  if (!isStaffNumber(s)) return false;
  float p3 = param(item, 3);
  float p4 = param(item, 4);
  float p5 = param(item, 5);
  float p6 = param(item, 6);
  float p7 = param(item, 7);
  if (p5 == 0.0f) p5 = kDefaultSize;
  if (p6 == 0.0f) p6 = kDefaultRightEnd;
  if (p7 == 0.0f) p7 = kDefaultLineCount;
  if (p7 == kInvisibleStaff) return false;
  const ViewState& v = view.viewState;
  ruling->left = p3 * v.hUnit;
  ruling->right = p6 * v.hUnit;

  // The thousands of P4 are a line count; the rest is the staff's offset.
  StaffP4 split = splitStaffP4(p4);
  int64_t g = std::abs(static_cast<int64_t>(split.thousands));
  p4 = split.offset;
  ruling->bottom = static_cast<double>(p5) * p4 * v.stepUnit + view.staffTables.staffDefaultY[s];

  // P7 as hundreds and two digits: each hundred past the first raises the
  // first line by one staff space; the digits are the line count.
  if (p7 > 99.0f && p7 < kThousand) {
    int h = hundredsOf(p7);
    ruling->raised = true;
    ruling->raise = static_cast<double>(h - 1) * v.pixelsPerInch * p5 * kStaffSpaceInches;
    g = truncToInt(p7 - 100.0 * hundredsOf(p7));
  } else if (g == 0) {
    g = truncToInt(p7);
  }
  ruling->size = p5;
  ruling->count = std::min<int64_t>(g, kMaxRuledLines);
  return true;
}

// The lines with the one-pixel pen, at the window pixels of the first
// versions: the bottom line rounded, the raise and each line's spacing
// truncated.
void paintStaffLines(DrawingSurface& surface, const View& view, const ItemRecord& item) {
  StaffRuling ruling;
  if (!readStaffRuling(view, item, &ruling)) return;
  int x1 = toWindowX(view, ruling.left);
  int x2 = toWindowX(view, ruling.right);
  int yBottom = toWindowY(view, ruling.bottom);
  const ViewState& v = view.viewState;
  if (ruling.raised) yBottom = truncToInt(yBottom - truncToInt(ruling.raise) * v.zoom);
  for (int j = 0; j < ruling.count; ++j) {
    // Spacing is truncated per line, not rounded through toWindowY.
    int d = truncToInt(static_cast<double>(j) * ruling.size * v.zoom * v.stepUnit * 2);
    int y = saturateToInt(static_cast<int64_t>(yBottom) - d);
    drawLine(surface, x1, y, x2, y);
  }
}

// The lines as one path of the given width through their exact heights.
void strokeStaffLines(DrawingSurface& surface, const View& view, const ItemRecord& item,
                      double width) {
  StaffRuling ruling;
  if (!readStaffRuling(view, item, &ruling)) return;
  DeviceMap map = deviceMap(view.viewState);
  double x1 = map.map({ruling.left, 0}).x;
  double x2 = map.map({ruling.right, 0}).x;
  const ViewState& v = view.viewState;
  double yBottom = map.map({0, ruling.bottom}).y - ruling.raise * v.zoom;
  SurfacePath path;
  for (int j = 0; j < ruling.count; ++j) {
    double y = yBottom - static_cast<double>(j) * ruling.size * v.zoom * v.stepUnit * 2;
    path.moveTo(x1, y);
    path.lineTo(x2, y);
  }
  drawPagePath(surface, path, PathFill::kNone, {width, {}});
}

}  // namespace

void paintStaff(DrawingSurface& surface, const Document& document, const View& view, int i) {
  paintStaffLines(surface, view, itemAt(document.itemTable, i));
}

void paintCompleteStaff(DrawingSurface& surface, const Document& document, const View& view,
                        int i) {
  double width = strokeWidth(view.viewState, kLineWeight);
  if (width > 1) {
    strokeStaffLines(surface, view, itemAt(document.itemTable, i), width);
  } else {
    paintStaffLines(surface, view, itemAt(document.itemTable, i));
  }
}
