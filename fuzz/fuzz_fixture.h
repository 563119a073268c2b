// What the harnesses share: a small fake symbol library, a clean core state
// for each input, and the layout-and-paint road of a loaded page.
#pragma once

#include <cstdint>
#include <vector>

#include "library/drw_writer.h"

// A library file of ten small symbols whose draw lists use every opcode
// (polylines, black and white polygons, Bézier runs, continued entries and
// an unknown opcode); the last symbol of library 19 is left empty, so
// symbol 199 cannot be copied.
std::vector<uint8_t> fakeLibraryFile(int library);

// Loads the twenty fake library files through the real loader.
void loadFakeLibraries();

// No items, no components, the start-up view at 96 pixels per inch, and
// staff tables as at program start.
void resetCore();

// Lays out the loaded items and paints them onto a checking surface;
// returns the number of drawing calls.
size_t layoutAndPaint();
