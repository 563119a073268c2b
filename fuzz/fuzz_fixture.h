// What the harnesses share: a small fake symbol library, a fresh document
// and view for each input, and the layout-and-paint road of a loaded page.
#pragma once

#include <cstdint>
#include <vector>

#include "library/drw_writer.h"
#include "score/document.h"
#include "view/view.h"

// A library file of ten small symbols whose draw lists use every opcode
// (polylines, black and white polygons, Bézier runs, continued entries and
// an unknown opcode); the last symbol of library 19 is left empty, so
// symbol 199 cannot be copied.
std::vector<uint8_t> fakeLibraryFile(int library);

// Loads the twenty fake library files through the real loader.
void loadFakeLibraries();

// A document of no items and the start-up view at 96 pixels per inch, with
// staff tables as at program start.
struct FuzzPage {
  FuzzPage();
  Document document;
  View view;
};

// Lays out the page's items and paints them onto a checking surface, in
// both drawing modes, and the complete drawing as an SVG page; returns the
// number of drawing calls of the complete one.
size_t layoutAndPaint(FuzzPage& page);
