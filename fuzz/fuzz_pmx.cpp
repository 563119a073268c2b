// PMX text -> readPmxText -> layoutScore -> paintScore, and the listing of
// what was read.
#include <string>

#include "fuzz_fixture.h"
#include "fuzz_target.h"
#include "score/pmx_export.h"
#include "score/pmx_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool loaded = (loadFakeLibraries(), true);
  (void)loaded;
  FuzzPage page;
  std::string error;
  if (readPmxText(std::string(reinterpret_cast<const char*>(data), size), page.document, &error)) {
    layoutAndPaint(page);
    pmxListing(page.document);
  }
  return 0;
}
