// Replacing a file's contents without leaving a half-written file behind:
// every file the program writes goes through here.
#pragma once

#include <cstddef>
#include <string>

// Writes size bytes to a temporary file beside path (path + ".part"), then
// renames it over path. Returns false when any step fails, with *error set to
// "Unable to create file <path>" (no temporary file could be made) or "Unable
// to write file <path>", and *reason, when given, to the system's reason
// ("Permission denied"); the temporary file is then removed and path is left
// as it was.
bool replaceFileContents(const std::string& path, const void* data, size_t size, std::string* error,
                         std::string* reason = nullptr);
