#include "score/debug_trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

bool debugTraceEnabled() { return std::getenv("MELIBRON_DEBUG") != nullptr; }

void traceDebug(const char* format, ...) {
  if (!debugTraceEnabled()) return;
  va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);
  va_end(args);
  std::fputc('\n', stderr);
}
