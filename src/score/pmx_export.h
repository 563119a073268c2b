// The "Save As PMX" text listing.
#pragma once

#include <string>

// The listing of the loaded items, one line per item ("\n" line ends).
std::string pmxListing();

// Writes pmxListing() to path in text mode. With no items loaded nothing is
// written and true is returned. Returns false with *error set when the file
// cannot be written (nothing half-written is left behind).
bool exportPmx(const std::string& path, std::string* error);
