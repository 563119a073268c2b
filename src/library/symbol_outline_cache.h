// The curves of the loaded symbols for a surface that fills symbols from
// them: each symbol's lookup, a fingerprint of its points, done once.
#pragma once

#include <utility>
#include <vector>

#include "library/outline_glyphs.h"

class SymbolOutlineCache {
 public:
  // The curves of symbol `symbol` (0 to kSymbolCount - 1) of the loaded
  // libraries; null when it is not loaded or is not the bundled symbol
  // they outline.
  const OutlineGlyph* outlineOf(int symbol);

 private:
  std::vector<std::pair<bool, const OutlineGlyph*>> outlines_;  // looked up, curves
};
