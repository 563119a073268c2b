#include "paint/svg_markup.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

bool usable(double v) { return std::isfinite(v) && std::fabs(v) <= kSvgReach; }

double rounded(double v, int decimals) {
  double scale = std::pow(10.0, decimals);
  return std::round(v * scale) / scale;
}

}  // namespace

void appendNumber(std::string& out, double v, int decimals) {
  if (!std::isfinite(v)) v = 0;
  char buffer[64];
  int length = std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(decimals, 0, 6), v);
  if (length <= 0) return;
  std::string text(buffer, static_cast<size_t>(length));
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  out += text;
}

void appendFactor(std::string& out, double v) {
  if (!std::isfinite(v)) v = 0;
  char buffer[64];
  int length = std::snprintf(buffer, sizeof buffer, "%.6g", v);
  if (length > 0) out.append(buffer, static_cast<size_t>(length));
}

bool appendPathData(std::string& out, const SurfacePath& path, double dx, double dy, int decimals) {
  if (!path.wellFormed() || path.points.empty()) return false;
  for (const PathPoint& p : path.points) {
    if (!usable(p.x + dx) || !usable(p.y + dy)) return false;
  }
  // Moves are absolute, the rest relative to the rounded point before, so
  // that rounding never adds up along the path.
  PathPoint at{0, 0};
  PathPoint start{0, 0};
  size_t next = 0;
  for (PathVerb verb : path.verbs) {
    out += verb == PathVerb::kMove    ? "M"
           : verb == PathVerb::kLine  ? "l"
           : verb == PathVerb::kCubic ? "c"
                                      : "z";
    PathPoint base = at;
    for (int k = 0; k < pointsOfVerb(verb); ++k, ++next) {
      PathPoint p{rounded(path.points[next].x + dx, decimals),
                  rounded(path.points[next].y + dy, decimals)};
      if (k > 0) out += ' ';
      bool absolute = verb == PathVerb::kMove;
      appendNumber(out, absolute ? p.x : p.x - base.x, decimals);
      out += ' ';
      appendNumber(out, absolute ? p.y : p.y - base.y, decimals);
      at = p;
    }
    if (verb == PathVerb::kMove) start = at;
    if (verb == PathVerb::kClose) at = start;
  }
  return true;
}

void appendPointData(std::string& out, const Vector* points, int count, double dx, double dy,
                     bool closed) {
  for (int i = 0; i < count; ++i) {
    out += i == 0 ? 'M' : 'l';
    double x = points[i].x, y = points[i].y;
    appendNumber(out, i == 0 ? x + dx : x - points[i - 1].x);
    out += ' ';
    appendNumber(out, i == 0 ? y + dy : y - points[i - 1].y);
  }
  if (closed && count > 0) out += 'z';
}

namespace {

// Length of the well-formed UTF-8 sequence of an XML character at text[i],
// or 0.
size_t xmlCharacterLength(const std::string& text, size_t i) {
  unsigned char lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r' ? 1 : 0;
  size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || i + length > text.size()) return 0;
  uint32_t code = lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    unsigned char next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  bool shortest = (length == 2 && code >= 0x80) || (length == 3 && code >= 0x800) ||
                  (length == 4 && code >= 0x10000 && code <= 0x10FFFF);
  bool allowed = !(code >= 0xD800 && code <= 0xDFFF) && code != 0xFFFE && code != 0xFFFF;
  return shortest && allowed ? length : 0;
}

}  // namespace

void appendEscaped(std::string& out, const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    size_t length = xmlCharacterLength(text, i);
    if (length == 0) {
      ++i;  // a byte that is no character XML allows is left out
      continue;
    }
    switch (text[i]) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out.append(text, i, length); break;
    }
    i += length;
  }
}
