// Generates the twenty symbol library files from a music font and the
// symbol catalogue:  make_symbol_libraries FONT CATALOGUE OUTPUT_DIR
#include <array>
#include <cstdio>
#include <filesystem>

#include "drw_writer.h"
#include "glyph_outline.h"
#include "symbol_builder.h"
#include "symbol_catalogue.h"

namespace {

constexpr int kLibraries = 20;
constexpr int kSymbolsPerLibrary = static_cast<int>(kDrwSymbolsPerFile);

std::string libraryPath(const std::string& directory, int library) {
  std::string name = "libr";
  name += static_cast<char>('a' + library);
  name += ".drw";
  return (std::filesystem::path(directory) / name).string();
}

bool buildLibraries(const FontFile& font, const std::vector<CatalogueEntry>& entries,
                    std::array<DrwLibrary, kLibraries>* libraries, std::string* error) {
  double staffSpace = unitsPerEm(font) / kStaffSpacesPerEm;
  for (const CatalogueEntry& entry : entries) {
    DrwSymbol& slot =
        (*libraries)[entry.number / kSymbolsPerLibrary][entry.number % kSymbolsPerLibrary];
    if (!buildSymbol(font, staffSpace, entry, &slot, error)) {
      *error = "catalogue line " + std::to_string(entry.line) + ": " + *error;
      return false;
    }
  }
  return true;
}

bool writeLibraries(const std::array<DrwLibrary, kLibraries>& libraries,
                    const std::string& directory, std::string* error) {
  std::error_code ignored;
  std::filesystem::create_directories(directory, ignored);
  for (int library = 0; library < kLibraries; ++library) {
    std::vector<uint8_t> image;
    if (!buildLibraryImage(libraries[library], &image, error) ||
        !writeLibraryFile(libraryPath(directory, library), image, error)) {
      *error = libraryPath(directory, library) + ": " + *error;
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s FONT CATALOGUE OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  std::string error;
  std::vector<CatalogueEntry> entries;
  if (!readCatalogue(argv[2], &entries, &error)) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
    return 1;
  }
  FontFile* font = openFont(argv[1], &error);
  if (!font) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
    return 1;
  }
  std::array<DrwLibrary, kLibraries> libraries;
  bool ok = buildLibraries(*font, entries, &libraries, &error) &&
            writeLibraries(libraries, argv[3], &error);
  closeFont(font);
  if (!ok) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
    return 1;
  }
  return 0;
}
