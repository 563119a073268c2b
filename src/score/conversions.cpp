#include "score/conversions.h"

#include <cmath>

int32_t truncToInt(double v) {
  if (std::isnan(v)) return 0;
  // Bounds are exact doubles; anything strictly between them truncates into range.
  if (v >= 2147483648.0) return INT32_MAX;
  if (v <= -2147483649.0) return INT32_MIN;
  return static_cast<int32_t>(v);
}
