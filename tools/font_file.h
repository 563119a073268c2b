// The open font face behind FontFile, for the tools that read glyphs.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

struct FontFile {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};
