// Writes glyph paths as C++ definitions of the program's outline glyphs.
#pragma once

#include <string>
#include <vector>

#include "glyph_path.h"
#include "symbol_catalogue.h"

// Definitions, at namespace scope, of the verb and point arrays of path and
// of `constexpr OutlineGlyph variable` over them.
std::string outlineDefinition(const std::string& variable, const GlyphPath& path);

// Definitions of bundledSymbolOutlines(): the curves of every catalogued
// symbol of the font, each with the fingerprint of its library symbol.
// False with *error set when the catalogue names a glyph the font lacks.
bool symbolOutlineDefinitions(const FontFile& font, const std::vector<CatalogueEntry>& entries,
                              std::string* out, std::string* error);
