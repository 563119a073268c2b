// Reading a PMX text listing (ours or SCORE's own) back into the item table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "score/document.h"

// Turns a listing into the file image our writer would give for the same
// items: one line per item, numbers in any decimal form ("8.", ".000",
// "-.7500", "1e3"), trailing parameters left out; a text item is a line
// starting with "t" (then P2.., at most up to P13) followed by a line holding
// its characters byte for byte. CR LF or LF line ends; blank lines are
// skipped. Returns false with *error = "line N: ..." for malformed input.
bool pmxFileImage(const std::string& listing, std::vector<uint8_t>* image, std::string* error);

// Loads a listing as readMusImage loads a page: on success the document's
// items and statistics are replaced; on failure they are left as they were.
bool readPmxText(const std::string& listing, Document& document, std::string* error);

// Reads the listing at path whole, then readPmxText. "Unable to open file
// <path>" when it cannot be read.
bool readPmxFile(const std::string& path, Document& document, std::string* error);
