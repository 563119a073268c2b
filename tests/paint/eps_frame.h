// Staff frames in the EPS units of SCORE's own output of the corpus pages
// (1 horizontal unit = 150, one full step = 175, every staff of size 0.75),
// so that shapes can be checked against coordinates read off those files.
#pragma once

#include "paint/page_frame.h"

inline StaffFrame epsStaff(double bottom) { return {150.0, 175.0 * 0.75, 0.75, bottom}; }

constexpr double kEpsFullStep = 175.0;
