// The whole road of a MUS file: bytes -> readMusImage -> layoutScore ->
// paintScore, then everything else a loaded page offers (File Info counts,
// item texts, the --text listing, the PMX listing, the hand-over bytes and reading those back).
#include <string>
#include <vector>

#include "fuzz_fixture.h"
#include "fuzz_target.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/pmx_export.h"
#include "score/text_items.h"

namespace {

void useLoadedPage(FuzzPage& page) {
  layoutAndPaint(page);
  const ItemTable& table = page.document.itemTable;
  countItemsByCode(table);
  for (int i = 1; i <= table.itemCount; ++i) textOfItem(itemAt(table, i));
  textListing(page.document);
  pmxListing(page.document);
  std::vector<uint8_t> handOver;
  std::string error;
  if (!musFileBytes(page.document, &handOver, &error)) return;
  // What we write we must be able to read and draw again.
  FuzzPage again;
  if (readMusImage(std::move(handOver), again.document, &error)) layoutAndPaint(again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool loaded = (loadFakeLibraries(), true);
  (void)loaded;
  FuzzPage page;
  std::string error;
  if (readMusImage(std::vector<uint8_t>(data, data + size), page.document, &error)) {
    useLoadedPage(page);
  }
  return 0;
}
