// The five external utilities the user registers, kept in a ten-line
// settings file between runs.
#pragma once

#include <array>
#include <string>

class MessageSink;

constexpr int kUtilityCount = 5;
// Longest value a field or a settings line holds.
constexpr int kMaxSettingLength = 254;

// Program paths and command-line options of utilities 1..5; empty at start.
extern std::array<std::string, kUtilityCount> utilityPaths;
extern std::array<std::string, kUtilityCount> utilityOptions;

// Fills the ten strings from the settings file at path: lines 1..5 are the
// paths, 6..10 the options. A file that ends early leaves the rest empty; a
// file that cannot be opened (a directory included) shows the read-failure
// message and changes nothing.
void readSettings(const std::string& path, MessageSink& messages);

// Writes the ten strings, one per line, replacing the file at path in one step
// (temporary file and rename). On failure shows the write-failure message and
// leaves the old file as it was.
void writeSettings(const std::string& path, MessageSink& messages);
