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

// Layout, outlines and the compressed file of a dense page stay below this.
constexpr size_t kDrawingBytes = size_t{2} << 20;
// Blocks up to this size are taken from the heap (the C library's bound on
// its mapping threshold is twice this); a larger page image is mapped on its
// own as before.
constexpr size_t kLargestReserve = size_t{16} << 20;

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
  bytes = std::min(bytes, kLargestReserve);
  if (bytes == 0) return;
  mallopt(M_MMAP_THRESHOLD, static_cast<int>(2 * kLargestReserve));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(4 * kLargestReserve));
  void* block = malloc(bytes);
  if (block == nullptr) return;
  const auto pageBytes = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t start = (reinterpret_cast<uintptr_t>(block) + pageBytes - 1) & ~(pageBytes - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(block) + bytes) & ~(pageBytes - 1);
  // Freed, the block joins the top of the heap, which is kept as mapped.
  if (start < end) madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
  free(block);
}
