#include "library/symbol_outline_cache.h"

#include "library/library_table.h"

const OutlineGlyph* SymbolOutlineCache::outlineOf(int symbol) {
  if (outlines_.empty()) outlines_.assign(kSymbolCount, {false, nullptr});
  auto& [looked, outline] = outlines_[static_cast<size_t>(symbol)];
  if (!looked) {
    const LibrarySymbol* loaded = findLibrarySymbol(symbol);
    outline = loaded != nullptr ? symbolOutline(symbol, *loaded) : nullptr;
    looked = true;
  }
  return outline;
}
