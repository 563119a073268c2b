#include "library/library_table.h"

std::array<std::unique_ptr<LibrarySymbol>, kSymbolCount> libraryTable;

const LibrarySymbol* findLibrarySymbol(int symbol) {
  if (symbol < 0 || symbol >= kSymbolCount) return nullptr;
  return libraryTable[symbol].get();
}

std::string libraryFileName(int library) {
  return std::string("libr") + static_cast<char>('a' + library) + ".drw";
}
