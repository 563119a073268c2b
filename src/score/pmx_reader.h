// Reading a PMX text listing (ours or SCORE's own) back into the item table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "score/document.h"
#include "score/whole_file.h"

// A listing of a full page is well under a megabyte; this only keeps a
// wrong file from being read into memory whole.
constexpr size_t kMaxListingSize = size_t{16} << 20;

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

// Loads the listing at path from what readWholeFile gave for it: readPmxText
// of the bytes read, or "Unable to open file <path>", "Unable to read file
// <path>" or a message that it is too large.
bool readPmxFileBytes(FileReadResult read, const std::vector<uint8_t>& bytes,
                      const std::string& path, Document& document, std::string* error);

// Reads the listing at path whole (kMaxListingSize at most), then
// readPmxFileBytes.
bool readPmxFile(const std::string& path, Document& document, std::string* error);
