// Writes symbol library files (.drw, described in library/drw_format.h).
#pragma once

#include <string>
#include <vector>

#include "library/drw_format.h"

// The file image of one library. Returns false with *error set when a name is
// longer than five characters or the entries do not fit the end positions.
bool buildLibraryImage(const DrwLibrary& library, std::vector<uint8_t>* image, std::string* error);

// Writes an image to path, replacing it whole; false with *error set when the
// file cannot be written.
bool writeLibraryFile(const std::string& path, const std::vector<uint8_t>& image,
                      std::string* error);
