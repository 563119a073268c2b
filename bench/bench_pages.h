// Pages for the benchmarks: the demo page, the corpus pages when they are
// there, and generated dense pages of any size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "score/document.h"
#include "view/view.h"

using PageItems = std::vector<std::vector<float>>;

// Items of a generated page of exactly `count` items (at least 10): ten
// staves, then notes with accidentals, flags and dots, rests, clefs, key
// signatures, beams, lines and barlines spread evenly over them.
PageItems densePageItems(int count);

// The .mus file image of items with a SCORE trailer. Words beyond the
// format's 16-bit count are not checked here; the reader refuses them.
std::vector<uint8_t> pageImage(const PageItems& items);

// Replaces the document's items with items the way the reader would, but
// with no file-format limit: pages beyond 65,535 words can only be built
// this way.
void loadItemsInMemory(Document& document, const PageItems& items);

// Loads the symbol libraries the program finds by default. False, with the
// reason on standard error, when they cannot be read.
bool loadBenchLibraries();

// examples/demo.mus of the source tree.
std::string demoPagePath();

// The corpus page of that name, or "" when the corpus folder or the page is
// absent.
std::string corpusPagePath(const std::string& name);

// The corpus pages, largest last.
const std::vector<std::string>& corpusPageNames();

// Total live components of all items in the view.
long componentTotal(const View& view);
