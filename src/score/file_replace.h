// Replacing a file's contents without leaving a half-written file behind.
#pragma once

#include <cstddef>
#include <string>

// Writes size bytes to a temporary file beside path, then renames it over
// path. Returns false with *error naming path when any step fails; the
// temporary file is then removed and path is left as it was.
bool replaceFileContents(const std::string& path, const void* data, size_t size,
                         std::string* error);
