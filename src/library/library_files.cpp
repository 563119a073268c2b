#include <algorithm>
#include <filesystem>
#include <fstream>

#include "library/library_table.h"

namespace {

// End positions are 16-bit, so no symbol reaches past stream byte 65,534:
// the header and 513 blocks hold everything a library file can use, and
// reading no more keeps a huge file (or a directory) from exhausting memory.
constexpr std::streamoff kLongestUsefulFile = 76 + 513 * 130;

// The file (up to its useful length) in one read, or false when it cannot be
// opened or read.
bool readWholeFile(const std::filesystem::path& path, std::vector<uint8_t>* bytes) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return false;
  std::streamoff size = file.tellg();
  if (size < 0) return false;
  size = std::min(size, kLongestUsefulFile);
  bytes->resize(static_cast<size_t>(size));
  file.seekg(0);
  file.read(reinterpret_cast<char*>(bytes->data()), size);
  return static_cast<bool>(file);
}

}  // namespace

bool loadLibraries(const std::string& directory, std::string* error) {
  for (int library = 0; library < kLibraryCount; ++library) {
    std::vector<uint8_t> image;
    // A file that opens but cannot be read counts as missing: the program
    // cannot draw without all twenty.
    if (!readWholeFile(std::filesystem::path(directory) / libraryFileName(library), &image)) {
      if (error) *error = "Unable to open library files in " + directory + " directory";
      return false;
    }
    loadLibraryImage(library, image);
  }
  return true;
}
