// First and second ending brackets (code 5 with P8 = 1 or 2).
#pragma once

#include <string>
#include <vector>

#include "paint/page_frame.h"
#include "paint/slur_shape.h"

bool isEnding(const SlurItem& item);

struct EndingShape {
  // (P3, P4) -> (P3, P4 + P7) -> (P6, P4 + P7) -> (P6, P5): the hooks and
  // the bracket line.
  std::vector<PagePoint> bracket;
  // The number, printed with a period after it ("1."): its left edge and
  // baseline.
  PagePoint numberAt;
  std::string number;  // the digits
};

// The bracket of an ending; the number is P9 when P9 is not 0, else P8.
EndingShape endingShape(const SlurItem& item, const StaffFrame& frame);
