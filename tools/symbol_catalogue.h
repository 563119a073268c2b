// The symbol catalogue: which font glyphs fill which library symbol numbers,
// under which five-character names, and where each glyph's origin goes.
#pragma once

#include <string>
#include <vector>

// The point of a glyph's outline box that is put at an offset from the
// library origin: the font's own origin, or the box's low edge (left or
// bottom), centre or high edge (right or top).
enum class Anchor { kOrigin, kLow, kCentre, kHigh };

struct Placement {
  Anchor anchor = Anchor::kOrigin;
  double offset = 0;  // library units from the library origin
};

struct CatalogueEntry {
  int number = 0;                   // library symbol number 0..199
  std::string name;                 // at most five characters
  std::vector<std::string> glyphs;  // set side by side by their advance widths
  double scaleX = 1;                // times the library's staff-space scale
  double scaleY = 1;
  Placement x;
  Placement y;
  int line = 0;  // line of the catalogue text, for messages
};

// Parses catalogue text: one symbol per line,
//   number name glyph[+glyph...] scale[:scaleY] x-anchor[+-offset] y-anchor[+-offset]
// with x anchors origin, left, centre, right and y anchors origin, bottom,
// middle, top; '#' starts a comment. False with *error naming the line when a
// line is malformed or a number repeats.
bool parseCatalogue(const std::string& text, std::vector<CatalogueEntry>* entries,
                    std::string* error);

// Reads and parses the catalogue file at path; false with *error = "<path>:
// <reason>" when it cannot be read or parsed.
bool readCatalogue(const std::string& path, std::vector<CatalogueEntry>* entries,
                   std::string* error);
