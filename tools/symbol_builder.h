// Builds library symbols from catalogue entries and a font.
#pragma once

#include <cstdint>
#include <string>

#include "drw_writer.h"
#include "glyph_outline.h"
#include "glyph_path.h"
#include "symbol_catalogue.h"

// One staff space (two steps) in library units: the layout scales symbols by
// 0.15 pixel per unit at 96 pixels per inch, where a step is 4.2 pixels.
constexpr double kUnitsPerStaffSpace = 56.0;
// The font's em is the height of its five-line staff: four staff spaces.
constexpr double kStaffSpacesPerEm = 4.0;

// Curves are replaced by chords that stray at most this far (library units):
// a library unit is under a pixel at 600 pixels per inch and zoom 1.
constexpr double kFlatteningTolerance = 0.25;

// The entries of the catalogued symbol: its glyphs set side by side, scaled
// from staffSpace font units to kUnitsPerStaffSpace times the entry's scale,
// placed as the entry says, each island one black polygon. False with *error
// set when a glyph is missing or a point falls outside the 16-bit range.
bool buildSymbol(const FontFile& font, double staffSpace, const CatalogueEntry& entry,
                 DrwSymbol* symbol, std::string* error);

// The same symbol's outline kept as curves, in library units with y
// downward (the frame of a loaded symbol's vectors), placed exactly as
// buildSymbol places its polygons. False with *error set when a glyph is
// missing.
bool buildSymbolPath(const FontFile& font, double staffSpace, const CatalogueEntry& entry,
                     GlyphPath* path, std::string* error);

// The fingerprint the symbol has once loaded from its library file
// (symbolFingerprint of the library layer).
uint64_t drwFingerprint(const DrwSymbol& symbol);
