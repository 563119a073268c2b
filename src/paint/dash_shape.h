// Dashed lines: the dashes of a line (code 4, P7 = 1) and of a dashed
// barline, each a separate segment.
#pragma once

#include <vector>

#include "paint/line_kind.h"
#include "paint/page_frame.h"

struct DashSegment {
  PagePoint from;
  PagePoint to;
};

// Dashes from start towards end: each dash long lengths along the line's
// main axis (x, or y for a vertical line), then a gap, repeated while a dash
// starts before end; the last is cut at end. Non-positive or non-finite
// lengths draw nothing, and at most kMaxDashes are made.
std::vector<DashSegment> dashes(PagePoint start, PagePoint end, double dash, double gap);

constexpr int kMaxDashes = 10000;

// The dashes of a dashed line item: dash P8 and gap P9 in steps of its
// staff measured along the line, from (P3, P4) to (P6, P5); when P6 is P3
// the line is vertical from P4 up to P5.
std::vector<DashSegment> dashedLine(const LineItem& item, const StaffFrame& frame);
