// The heap of a short run, taken from the system in one step. A page
// converted alone spends more time in the kernel, mapping fresh heap pages
// one fault at a time, than in drawing the page.
#pragma once

#include <cstddef>

#include "cli/command_line.h"

// Bytes the command is expected to allocate at most: the working memory of
// drawing a page, and the page image of a PNG page or thumbnail; 0 for the
// commands that draw nothing and for batches, whose workers reuse their
// memory page after page.
size_t expectedHeapBytes(const CommandLine& line);

// Grows the heap by bytes (at most 16 MB, rounded up to whole large pages)
// mapped in one system call, as large pages where the kernel offers them,
// and keeps them when freed, for the allocations that follow. Without the
// kernel's support the pages are mapped when first used, as usual.
void reserveHeap(size_t bytes);
