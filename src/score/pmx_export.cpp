#include "score/pmx_export.h"

#include <cstdio>

#include "score/conversions.h"
#include "score/file_replace.h"
#include "score/item_table.h"
#include "score/words.h"

namespace {

constexpr int kTextLineLastParam = 11;

void appendNumber(std::string& out, const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  out += buffer;
}

void appendTextItem(std::string& out, const ItemRecord& item) {
  out += "t  ";
  out += std::to_string(truncToInt(param(item, 2)));
  out += ".     ";
  for (int k = 3; k <= kTextLineLastParam; ++k) {
    float value = param(item, k);
    if (value == 0.0f) {
      out += ".000   ";
    } else {
      appendNumber(out, "%.3f ", value);
    }
  }
  out += "\n";
  std::string text = textOfItem(item);
  out += text.substr(0, text.find('\0'));
}

// All of the item's words are listed, not only the 8-bit count's worth, so
// long items survive a listing.
void appendPlainItem(std::string& out, const ItemRecord& item) {
  for (int k = 0; k < item.paramWords; ++k) {
    appendNumber(out, "%.3f ", readFloatAt(item.params + 4 * k));
  }
}

}  // namespace

std::string pmxListing(const Document& document) {
  const ItemTable& table = document.itemTable;
  std::string out;
  for (int i = 1; i <= table.itemCount; ++i) {
    const ItemRecord& item = table.items[i];
    if (isTextItem(item)) {
      appendTextItem(out, item);
    } else {
      appendPlainItem(out, item);
    }
    out += "\n";
  }
  return out;
}

bool exportPmx(const std::string& path, const Document& document, std::string* error) {
  if (document.itemTable.itemCount <= 0) return true;
  const std::string listing = pmxListing(document);
  return replaceFileContents(path, listing.data(), listing.size(), error);
}
