#include <algorithm>

#include "library/outline_glyphs.h"

uint64_t symbolFingerprint(const LibrarySymbol& symbol) {
  uint64_t hash = kFingerprintStart;
  size_t next = 0;
  for (const DrawEntry& entry : symbol.drawList) {
    for (int32_t k = 0; k < entry.pointCount && next < symbol.vectors.size(); ++k, ++next) {
      const Vector& v = symbol.vectors[next];
      hash = fingerprintStep(hash, v.x);
      // The file's y; the loader inverted it, and never from the lowest value.
      hash = fingerprintStep(hash, static_cast<int32_t>(-static_cast<int64_t>(v.y)));
      hash = fingerprintStep(hash, k == 0 ? entry.op : kContinueEntry);
    }
  }
  return hash;
}

const OutlineGlyph* symbolOutline(int symbol, const LibrarySymbol& loaded) {
  std::span<const SymbolOutline> outlines = bundledSymbolOutlines();
  auto found = std::lower_bound(outlines.begin(), outlines.end(), symbol,
                                [](const SymbolOutline& o, int n) { return o.symbol < n; });
  if (found == outlines.end() || found->symbol != symbol) return nullptr;
  return found->fingerprint == symbolFingerprint(loaded) ? &found->outline : nullptr;
}
