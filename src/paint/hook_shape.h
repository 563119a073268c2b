// Straight lines (code 4) with their end hooks (P11, P12).
#pragma once

#include <vector>

#include "paint/line_kind.h"
#include "paint/page_frame.h"

// The polyline (P3, P4 + P11) -> (P3, P4) -> (P6, P5) -> (P6, P5 + P12), a
// hook being a vertical segment that many steps long. Hooks of 0 are left
// out, and so are non-finite ones and those of 100 steps or more, which
// SCORE turns into arrowheads that are not drawn here.
std::vector<PagePoint> hookedLine(const LineItem& item, const StaffFrame& frame);
