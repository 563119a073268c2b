// The whole road of a MUS file: bytes -> readMusImage -> layoutScore ->
// paintScore, then everything else a loaded page offers (File Info counts,
// item texts, the PMX listing, the hand-over bytes and reading those back).
#include <string>
#include <vector>

#include "fuzz_fixture.h"
#include "fuzz_target.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/pmx_export.h"

namespace {

void useLoadedPage() {
  layoutAndPaint();
  countItemsByCode();
  for (int i = 1; i <= itemTable.itemCount; ++i) textOfItem(itemAt(i));
  pmxListing();
  std::vector<uint8_t> handOver;
  std::string error;
  if (!musFileBytes(&handOver, &error)) return;
  // What we write we must be able to read and draw again.
  resetCore();
  if (readMusImage(std::move(handOver), &error)) layoutAndPaint();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool loaded = (loadFakeLibraries(), true);
  (void)loaded;
  resetCore();
  std::string error;
  if (readMusImage(std::vector<uint8_t>(data, data + size), &error)) useLoadedPage();
  resetCore();
  return 0;
}
