// Music-font glyphs kept as curves, for the shapes the complete drawing takes
// from the fonts rather than from the symbol libraries: the arpeggio and
// trill wiggle elements and the curved brace; and the outlines of the
// bundled library symbols, for drawing at print resolution. The
// definitions are generated at build time from the fonts.
#pragma once

#include <cstdint>
#include <span>

#include "library/library_table.h"

enum class OutlineVerb : uint8_t { kMove, kLine, kCubic, kClose };  // a cubic takes three points

// Font units, y upward.
struct OutlinePoint {
  float x;
  float y;
};

struct OutlineGlyph {
  std::span<const OutlineVerb> verbs;
  std::span<const OutlinePoint> points;
  // Exact bounds of the outline.
  float left;
  float bottom;
  float right;
  float top;
  float advance;
};

// One element of a vertical wavy line; elements repeat upward with the
// period trillElementGlyph().advance.
const OutlineGlyph& arpeggioGlyph();
// One element of a horizontal wiggle; elements repeat to the right with
// the period of its advance.
const OutlineGlyph& trillElementGlyph();
// The upper and lower end pieces of a square bracket, their origin at the
// top (bottom) end of its vertical bar's left edge.
const OutlineGlyph& bracketTipUpGlyph();
const OutlineGlyph& bracketTipDownGlyph();
// Curved braces of increasing height (and decreasing width for their height).
std::span<const OutlineGlyph> braceGlyphs();

// A bundled library symbol as curves: library units, y downward, the frame
// of its loaded vectors; left/top are the least x and y, right/bottom the
// greatest. The fingerprint is symbolFingerprint of the symbol it outlines.
struct SymbolOutline {
  int symbol;
  uint64_t fingerprint;
  OutlineGlyph outline;
};

// Every bundled symbol's outline, in symbol order.
std::span<const SymbolOutline> bundledSymbolOutlines();

// FNV-1a over the symbol's points and opcodes as its library file holds
// them (x, y upward, opcode per point: the draw entry's opcode at its first
// point, 0 after).
constexpr uint64_t kFingerprintStart = 0xcbf29ce484222325ull;
constexpr uint64_t fingerprintStep(uint64_t hash, int32_t value) {
  for (int byte = 0; byte < 4; ++byte) {
    hash ^= static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * byte));
    hash *= 0x100000001b3ull;
  }
  return hash;
}
uint64_t symbolFingerprint(const LibrarySymbol& symbol);

// The curves of symbol `symbol` when `loaded` is the bundled symbol they
// outline, else null (other libraries, other symbols).
const OutlineGlyph* symbolOutline(int symbol, const LibrarySymbol& loaded);
