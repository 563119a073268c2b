#include "shell/support/fake_libraries.h"

#include <filesystem>
#include <vector>

#include "library/drw_writer.h"
#include "library/library_table.h"
#include "score/file_replace.h"

namespace {

// One square as four entries: a black polygon and three continuation
// points; y is upward in the file.
std::vector<DrwEntry> squareEntries(int side) {
  auto s = static_cast<int16_t>(side);
  return {{0, 0, kBlackPolygon},
          {s, 0, kContinueEntry},
          {s, static_cast<int16_t>(-s), kContinueEntry},
          {0, static_cast<int16_t>(-s), kContinueEntry}};
}

std::vector<uint8_t> libraryImage(int library) {
  std::vector<DrwSymbol> symbols;
  for (int k = 0; k < kSymbolsPerLibrary; ++k) {
    int symbol = library * kSymbolsPerLibrary + k;
    symbols.push_back({"s" + std::to_string(symbol), squareEntries(fakeSymbolSide(symbol))});
  }
  return drwImage(symbols);
}

}  // namespace

int fakeSymbolSide(int symbol) { return 4 + symbol % 10; }

bool writeFakeLibraries(const std::string& directory) {
  for (int library = 0; library < kLibraryCount; ++library) {
    std::vector<uint8_t> image = libraryImage(library);
    std::string path = (std::filesystem::path(directory) / libraryFileName(library)).string();
    std::string error;
    if (!replaceFileContents(path, image.data(), image.size(), &error)) return false;
  }
  return true;
}

std::string testLibraryDirectory(const std::string& fallbackDirectory) {
  std::filesystem::path built = std::filesystem::path(MELIBRON_BINARY_DIR) / "lib";
  if (std::filesystem::exists(built / "libra.drw")) return built.string();
  writeFakeLibraries(fallbackDirectory);
  return fallbackDirectory;
}
