// The files opened last, kept in a small file of their own beside the
// settings file, one path a line, the latest first.
#pragma once

#include <string>
#include <vector>

constexpr size_t kMaxRecentFiles = 10;

// The list in the file at path; empty when there is none. Blank lines and
// lines past the tenth are passed over.
std::vector<std::string> readRecentFiles(const std::string& path);

// Writes the list to path in one step; false when it cannot be written.
bool writeRecentFiles(const std::string& path, const std::vector<std::string>& files);

// The list with file first, not repeated further down, held to ten.
std::vector<std::string> withRecentFile(const std::vector<std::string>& files,
                                        const std::string& file);
