// The one float-to-integer conversion of the program.
#pragma once

#include <cstdint>

// Truncates v toward zero to a 32-bit integer. Out-of-range values saturate to
// INT32_MIN / INT32_MAX and NaN gives 0, so hostile parameters never reach
// undefined behaviour.
int32_t truncToInt(double v);
