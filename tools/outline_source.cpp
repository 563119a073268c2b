#include "outline_source.h"

#include <algorithm>
#include <cstdio>

#include "symbol_builder.h"

namespace {

const char* verbName(GlyphVerb verb) {
  switch (verb) {
    case GlyphVerb::kMove: return "OutlineVerb::kMove";
    case GlyphVerb::kLine: return "OutlineVerb::kLine";
    case GlyphVerb::kCubic: return "OutlineVerb::kCubic";
    case GlyphVerb::kClose: return "OutlineVerb::kClose";
  }
  return "OutlineVerb::kClose";
}

// A float literal that reads back as the same float.
std::string number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(static_cast<float>(v)));
  std::string literal = text;
  if (literal.find_first_of(".e") == std::string::npos) literal += ".0";
  return literal + "f";
}

}  // namespace

std::string outlineDefinition(const std::string& variable, const GlyphPath& path) {
  std::string out = "constexpr OutlineVerb " + variable + "Verbs[] = {";
  for (GlyphVerb verb : path.verbs) out += std::string(verbName(verb)) + ", ";
  out += "};\nconstexpr OutlinePoint " + variable + "Points[] = {";
  for (const FontPoint& p : path.points) out += "{" + number(p.x) + ", " + number(p.y) + "}, ";
  out += "};\nconstexpr OutlineGlyph " + variable + "{" + variable + "Verbs, " + variable +
         "Points, " + number(path.left) + ", " + number(path.bottom) + ", " + number(path.right) +
         ", " + number(path.top) + ", " + number(path.advance) + "};\n";
  return out;
}

bool symbolOutlineDefinitions(const FontFile& font, const std::vector<CatalogueEntry>& entries,
                              std::string* out, std::string* error) {
  std::vector<CatalogueEntry> sorted = entries;
  std::sort(sorted.begin(), sorted.end(),
            [](const CatalogueEntry& a, const CatalogueEntry& b) { return a.number < b.number; });
  double staffSpace = unitsPerEm(font) / kStaffSpacesPerEm;
  std::string table = "constexpr SymbolOutline kSymbolOutlines[] = {\n";
  for (const CatalogueEntry& entry : sorted) {
    DrwSymbol symbol;
    GlyphPath path;
    if (!buildSymbol(font, staffSpace, entry, &symbol, error) ||
        !buildSymbolPath(font, staffSpace, entry, &path, error)) {
      *error = "catalogue line " + std::to_string(entry.line) + ": " + *error;
      return false;
    }
    std::string variable = "kSymbol" + std::to_string(entry.number);
    *out += outlineDefinition(variable, path);
    table += "    {" + std::to_string(entry.number) + ", " +
             std::to_string(drwFingerprint(symbol)) + "ull, " + variable + "},\n";
  }
  *out += table + "};\n";
  return true;
}
