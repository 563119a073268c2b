#include "library/library_table.h"

void dumpLibrarySymbol(FILE* file, const LibrarySymbol& symbol) {
  // %.5s: a five-character name has no terminator.
  std::fprintf(file, "Item name: %.5s\n", symbol.name);
  std::fprintf(file, "No. of vectors = %d\n", static_cast<int>(symbol.vectors.size()));
  std::fprintf(file, "No. of drawlist entries = %d\n", static_cast<int>(symbol.drawList.size()));
  std::fprintf(file, "Draw list:-\n");
  int number = 1;
  for (const DrawEntry& entry : symbol.drawList) {
    std::fprintf(file, "%d: %d,%d  ", number++, entry.op, entry.pointCount);
  }
  std::fprintf(file, "\nVectors:-\n");
  number = 1;
  for (const Vector& v : symbol.vectors) {
    std::fprintf(file, "%d: %d %d \n", number++, v.x, v.y);
  }
}
