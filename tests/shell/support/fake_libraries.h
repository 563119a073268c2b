// Twenty small symbol library files for shell tests.
#pragma once

#include <string>

// Side of the square that symbol n is drawn as: 4 + n % 10 library units.
int fakeSymbolSide(int symbol);

// Writes libra.drw .. librt.drw into directory (which must exist). Symbol n
// is a black-filled square of side fakeSymbolSide(n) with its top-left corner
// at the origin, named "s" followed by n. Returns false when a file cannot
// be written.
bool writeFakeLibraries(const std::string& directory);

// The real generated libraries of the build when present, else fake ones
// written into fallbackDirectory; returns the directory to use.
std::string testLibraryDirectory(const std::string& fallbackDirectory);
