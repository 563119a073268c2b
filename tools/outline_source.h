// Writes glyph paths as C++ definitions of the program's outline glyphs.
#pragma once

#include <string>

#include "glyph_path.h"

// Definitions, at namespace scope, of the verb and point arrays of path and
// of `constexpr OutlineGlyph variable` over them.
std::string outlineDefinition(const std::string& variable, const GlyphPath& path);
