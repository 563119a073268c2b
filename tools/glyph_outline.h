// Glyph outlines of an OpenType font, looked up by glyph name and flattened
// into closed polygons (font units, y upward).
#pragma once

#include <string>
#include <vector>

struct FontPoint {
  double x;
  double y;
};

// One closed contour; the last point is not repeated.
using FontContour = std::vector<FontPoint>;

struct GlyphOutline {
  std::vector<FontContour> contours;
  double advance = 0;  // horizontal advance width
};

struct FontFile;  // an open font face

// Opens the font at path, or returns null with *error set.
FontFile* openFont(const std::string& path, std::string* error);
void closeFont(FontFile* font);

// Units per em of the open font.
int unitsPerEm(const FontFile& font);

// The outline of the glyph called name, its curves replaced by chords that
// stray at most tolerance font units from them. False with *error set when
// the font has no glyph of that name.
bool loadGlyphOutline(const FontFile& font, const std::string& name, double tolerance,
                      GlyphOutline* outline, std::string* error);
