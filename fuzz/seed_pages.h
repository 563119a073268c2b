// Pages made by our own code for the seed corpora and the harnesses: small
// well-formed pages that use every item code, pages full of extreme values,
// and malformed file images.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SeedItem {
  std::vector<float> params;  // P1..Pn
  std::string text;           // characters after P13 of a text item
};

struct NamedBytes {
  std::string name;
  std::vector<uint8_t> bytes;
};

// A well-formed file image of the items with the trailer our writer uses.
std::vector<uint8_t> musBytes(const std::vector<SeedItem>& items);

// A staff and items that place every symbol of library L (notes with flags
// and dots, rests with hooks and dots, misc symbols 10L .. 10L + 9).
std::vector<SeedItem> pageUsingLibrary(int library);

// One item of every code 0..19 with typical parameters, on one staff.
std::vector<SeedItem> everyItemCode();

// Named MUS file images: well-formed pages with extreme parameters, and
// images that break the layout rules (counts, trailer, truncation). Every
// case that a fuzzer once found is among them, named "regression-...".
std::vector<NamedBytes> musSeeds();
