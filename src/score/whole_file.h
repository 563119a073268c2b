// Reading a whole file into memory, never more than a limit, whatever kind
// of file the path names (an endless one such as /dev/zero included).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class FileReadResult { kRead, kTooLarge, kCannotOpen, kCannotRead };

// Reads the file at path into *bytes. A file longer than limit bytes gives
// kTooLarge with its first limit bytes in *bytes; a directory, or a path that
// cannot be opened, kCannotOpen; a read error kCannotRead. *bytes is empty
// after those two.
FileReadResult readWholeFile(const std::string& path, size_t limit, std::vector<uint8_t>* bytes);
