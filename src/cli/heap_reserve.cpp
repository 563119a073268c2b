#include "cli/heap_reserve.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "cli/batch_conversion.h"
#include "cli/page_conversion.h"
#include "cli/page_export.h"

namespace {

// Layout, outlines and the compressed file of the corpus pages take about
// this beside the page image (their heap peaks under 2 MB at 96 dpi); a
// denser page grows the heap further as usual.
constexpr size_t kDrawingBytes = size_t{1} << 20;
// Blocks up to this size are taken from the heap (the C library's bound on
// its mapping threshold is twice this); a larger page image is mapped on its
// own as before.
constexpr size_t kLargestReserve = size_t{16} << 20;

// The kernel's large pages: one fault maps what takes 512 small pages,
// for little more than the cost of one on a virtual machine.
constexpr uintptr_t kLargePage = uintptr_t{2} << 20;
constexpr uintptr_t kSmallPage = 4096;

uintptr_t alignUp(uintptr_t value, uintptr_t step) { return (value + step - 1) / step * step; }

size_t imageBytes(int width, int height) {
  size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height);
  return bytes + kDrawingBytes <= kLargestReserve ? bytes : 0;
}

}  // namespace

size_t expectedHeapBytes(const CommandLine& line) {
  if (line.action == CommandAction::kThumbnail) {
    return kDrawingBytes + imageBytes(2 * line.thumbnailSize, 2 * line.thumbnailSize);
  }
  if (line.action != CommandAction::kConvert || isBatchConversion(line)) return 0;
  if (!isPageFormat(line.format)) return 0;
  if (line.format != OutputFormat::kPng) return kDrawingBytes;
  PagePixels size = pageSize(line.page);
  return kDrawingBytes + imageBytes(size.width, size.height);
}

void reserveHeap(size_t bytes) {
  const size_t largePages = alignUp(std::min(bytes, kLargestReserve), kLargePage);
  if (largePages == 0) return;
  mallopt(M_MMAP_THRESHOLD, static_cast<int>(2 * kLargestReserve));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(4 * kLargestReserve));
  // The heap's end moved to a small page before a large page's boundary:
  // the heap grown next begins there, so the block below has its header in
  // that small page and leaves whole large pages after it for the kernel to
  // map as such. The address space skipped is never touched.
  auto end = reinterpret_cast<uintptr_t>(sbrk(0));
  if (end == static_cast<uintptr_t>(-1)) return;
  const uintptr_t start = alignUp(end + kSmallPage, kLargePage);
  if (reinterpret_cast<intptr_t>(sbrk(static_cast<intptr_t>(start - kSmallPage - end))) == -1) {
    return;
  }
  void* block = malloc(largePages + kSmallPage);
  if (block == nullptr) return;
  // Only a block at the boundary is the heap grown there (an allocator of
  // a checking build takes its memory elsewhere).
  const auto at = reinterpret_cast<uintptr_t>(block);
  if (at > start - kSmallPage && at < start) {
    void* pages = static_cast<char*>(block) + (start - at);
    madvise(pages, largePages, MADV_HUGEPAGE);
    madvise(pages, largePages, MADV_POPULATE_WRITE);
  }
  // Freed, the block joins the top of the heap, which is kept as mapped.
  free(block);
}
