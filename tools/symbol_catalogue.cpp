#include "symbol_catalogue.h"

#include <charconv>
#include <set>
#include <sstream>

#include "score/whole_file.h"

namespace {

constexpr int kSymbolNumbers = 200;
// The catalogue is some kilobytes of text.
constexpr size_t kMaxCatalogueSize = 1 << 20;
constexpr size_t kNameLength = 5;

bool parseNumber(const std::string& text, double* value) {
  const char* end = text.data() + text.size();
  auto result = std::from_chars(text.data(), end, *value);
  return result.ec == std::errc() && result.ptr == end;
}

bool parseScale(const std::string& text, double* sx, double* sy) {
  size_t colon = text.find(':');
  if (colon == std::string::npos) {
    if (!parseNumber(text, sx)) return false;
    *sy = *sx;
  } else if (!parseNumber(text.substr(0, colon), sx) || !parseNumber(text.substr(colon + 1), sy)) {
    return false;
  }
  return *sx > 0 && *sy > 0;
}

// keywords: origin, then the low, centre and high edge names of the axis.
bool parsePlacement(const std::string& text, const char* const keywords[4], Placement* placement) {
  size_t sign = text.find_first_of("+-");
  std::string word = text.substr(0, sign);
  static const Anchor anchors[4] = {Anchor::kOrigin, Anchor::kLow, Anchor::kCentre, Anchor::kHigh};
  bool known = false;
  for (int i = 0; i < 4; ++i) {
    if (word == keywords[i]) {
      placement->anchor = anchors[i];
      known = true;
    }
  }
  if (!known) return false;
  placement->offset = 0;
  if (sign == std::string::npos) return true;
  // from_chars takes no leading '+'.
  std::string number = text.substr(text[sign] == '+' ? sign + 1 : sign);
  return parseNumber(number, &placement->offset);
}

std::vector<std::string> splitGlyphs(const std::string& text) {
  std::vector<std::string> glyphs;
  size_t start = 0;
  while (true) {
    size_t plus = text.find('+', start);
    glyphs.push_back(text.substr(start, plus - start));
    if (plus == std::string::npos) return glyphs;
    start = plus + 1;
  }
}

bool parseLine(const std::string& line, CatalogueEntry* entry, std::string* problem) {
  static const char* const xWords[4] = {"origin", "left", "centre", "right"};
  static const char* const yWords[4] = {"origin", "bottom", "middle", "top"};
  std::istringstream fields(line);
  std::string number, name, glyphs, scale, x, y, extra;
  if (!(fields >> number >> name >> glyphs >> scale >> x >> y) || (fields >> extra)) {
    *problem = "expected six fields: number name glyphs scale x y";
    return false;
  }
  double value = 0;
  if (!parseNumber(number, &value) || value != static_cast<int>(value) || value < 0 ||
      value >= kSymbolNumbers) {
    *problem = "symbol number must be a whole number from 0 to 199";
    return false;
  }
  entry->number = static_cast<int>(value);
  if (name.size() > kNameLength) {
    *problem = "name longer than five characters";
    return false;
  }
  entry->name = name;
  entry->glyphs = splitGlyphs(glyphs);
  for (const std::string& glyph : entry->glyphs) {
    if (glyph.empty()) {
      *problem = "empty glyph name";
      return false;
    }
  }
  if (!parseScale(scale, &entry->scaleX, &entry->scaleY)) {
    *problem = "scale must be a positive number or two joined by ':'";
    return false;
  }
  if (!parsePlacement(x, xWords, &entry->x)) {
    *problem = "x placement must be origin, left, centre or right, with an optional +/- offset";
    return false;
  }
  if (!parsePlacement(y, yWords, &entry->y)) {
    *problem = "y placement must be origin, bottom, middle or top, with an optional +/- offset";
    return false;
  }
  return true;
}

}  // namespace

bool parseCatalogue(const std::string& text, std::vector<CatalogueEntry>* entries,
                    std::string* error) {
  entries->clear();
  std::set<int> seen;
  std::istringstream lines(text);
  std::string line;
  for (int lineNumber = 1; std::getline(lines, line); ++lineNumber) {
    line = line.substr(0, line.find('#'));
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    CatalogueEntry entry;
    entry.line = lineNumber;
    std::string problem;
    if (!parseLine(line, &entry, &problem)) {
      *error = "line " + std::to_string(lineNumber) + ": " + problem;
      return false;
    }
    if (!seen.insert(entry.number).second) {
      *error = "line " + std::to_string(lineNumber) + ": symbol " + std::to_string(entry.number) +
               " is already catalogued";
      return false;
    }
    entries->push_back(entry);
  }
  return true;
}

bool readCatalogue(const std::string& path, std::vector<CatalogueEntry>* entries,
                   std::string* error) {
  std::vector<uint8_t> bytes;
  if (readWholeFile(path, kMaxCatalogueSize, &bytes) != FileReadResult::kRead) {
    *error = path + ": cannot be read";
    return false;
  }
  if (parseCatalogue(std::string(bytes.begin(), bytes.end()), entries, error)) return true;
  *error = path + ": " + *error;
  return false;
}
