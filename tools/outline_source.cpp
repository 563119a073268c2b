#include "outline_source.h"

#include <cstdio>

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
         "Points, " + number(path.left) + ", " + number(path.bottom) + ", " +
         number(path.right) + ", " + number(path.top) + ", " + number(path.advance) + "};\n";
  return out;
}
