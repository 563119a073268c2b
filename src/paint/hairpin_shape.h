// Hairpins (code 4, P5 = 999) as one open polyline through the point and
// the two ends of the opening.
#pragma once

#include <vector>

#include "paint/line_kind.h"
#include "paint/page_frame.h"

// P7 0 opens to the right, -1 closes; other values give the whole opening
// in steps, a negative one closing. The default opening is 2.3 steps. A
// hairpin whose P6 is 0 has no length and gives no points.
std::vector<PagePoint> hairpinLine(const LineItem& item, const StaffFrame& frame);
