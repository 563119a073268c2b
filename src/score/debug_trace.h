// Debug progress messages of the reader ("Opening file %s" and the like).
#pragma once

// Formats a message and hands it to the debug sink: discarded unless the
// environment variable MELIBRON_DEBUG is set, then written to standard error
// with a line end.
void traceDebug(const char* format, ...) __attribute__((format(printf, 1, 2)));

// True when traces are written; lets callers skip costly trace preparation.
bool debugTraceEnabled();
