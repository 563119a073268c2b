// The "Save As PMX" text listing.
#pragma once

#include <string>

#include "score/document.h"

// The listing of the document's items, one line per item ("\n" line ends).
std::string pmxListing(const Document& document);

// Writes pmxListing() to path in text mode. With no items loaded nothing is
// written and true is returned. Returns false with *error set when the file
// cannot be written (nothing half-written is left behind).
bool exportPmx(const std::string& path, const Document& document, std::string* error);
