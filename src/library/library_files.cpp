#include <filesystem>

#include "library/library_table.h"
#include "score/whole_file.h"

namespace {

// End positions are 16-bit, so no symbol reaches past stream byte 65,534:
// the header and 513 blocks hold everything a library file can use, and
// reading no more keeps a huge file (or an endless one) from exhausting memory.
constexpr size_t kLongestUsefulFile = 76 + 513 * 130;

}  // namespace

bool loadLibraries(const std::string& directory, std::string* error) {
  for (int library = 0; library < kLibraryCount; ++library) {
    std::vector<uint8_t> image;
    std::string path = (std::filesystem::path(directory) / libraryFileName(library)).string();
    // A file that opens but cannot be read counts as missing: the program
    // cannot draw without all twenty. Bytes past the useful length are left.
    FileReadResult read = readWholeFile(path, kLongestUsefulFile, &image);
    if (read != FileReadResult::kRead && read != FileReadResult::kTooLarge) {
      if (error) *error = "Unable to open library files in " + directory + " directory";
      return false;
    }
    loadLibraryImage(library, image);
  }
  return true;
}
