// One library file: bytes -> loadLibraryImage -> drawSymbol of each of its
// ten symbols, the symbol dump, and a page that places every symbol of the
// library as a component (mirrored, scaled and moved) and paints it.
#include <cstdio>
#include <vector>

#include "checking_surface.h"
#include "fuzz_fixture.h"
#include "fuzz_target.h"
#include "library/library_table.h"
#include "paint/painter.h"
#include "score/mus_file.h"
#include "seed_pages.h"

namespace {

// Library 2 holds the flag (20) and the dot (24), which notes and rests
// place in numbers and mirrored; misc symbols reach the other eight.
constexpr int kLibrary = 2;

const std::vector<uint8_t>& libraryPage() {
  static const std::vector<uint8_t> page = musBytes(pageUsingLibrary(kLibrary));
  return page;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool loaded = (loadFakeLibraries(), true);
  static std::FILE* sink = std::fopen("/dev/null", "wb");
  (void)loaded;
  loadLibraryImage(kLibrary, std::vector<uint8_t>(data, data + size));
  CheckingSurface surface;
  for (int k = 0; k < kSymbolsPerLibrary; ++k) {
    const LibrarySymbol* symbol = findLibrarySymbol(kSymbolsPerLibrary * kLibrary + k);
    if (symbol == nullptr) continue;
    drawSymbol(surface, *symbol);
    if (sink != nullptr) dumpLibrarySymbol(sink, *symbol);
  }
  std::string error;
  FuzzPage page;
  if (readMusImage(libraryPage(), page.document, &error)) layoutAndPaint(page);
  loadLibraryImage(kLibrary, fakeLibraryFile(kLibrary));
  return 0;
}
