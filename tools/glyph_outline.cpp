#include "glyph_outline.h"

#include <ft2build.h>
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>

#include "font_file.h"

namespace {

// Subdivision stops here even if a degenerate curve never looks flat.
constexpr int kMaxDepth = 16;

struct Flattener {
  std::vector<FontContour>* contours;
  double tolerance;
  FontPoint current{0, 0};
};

FontPoint toPoint(const FT_Vector* v) {
  return {static_cast<double>(v->x), static_cast<double>(v->y)};
}

double distanceToChord(FontPoint p, FontPoint a, FontPoint b) {
  double dx = b.x - a.x, dy = b.y - a.y;
  double length = std::hypot(dx, dy);
  if (length == 0) return std::hypot(p.x - a.x, p.y - a.y);
  return std::fabs((p.x - a.x) * dy - (p.y - a.y) * dx) / length;
}

FontPoint midpoint(FontPoint a, FontPoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

// De Casteljau halving until both control points lie within the tolerance
// of the chord; the chord ends are appended to the contour.
void flattenCubic(FontContour& out, FontPoint p0, FontPoint p1, FontPoint p2, FontPoint p3,
                  double tolerance, int depth) {
  if (depth >= kMaxDepth ||
      (distanceToChord(p1, p0, p3) <= tolerance && distanceToChord(p2, p0, p3) <= tolerance)) {
    out.push_back(p3);
    return;
  }
  FontPoint a = midpoint(p0, p1), b = midpoint(p1, p2), c = midpoint(p2, p3);
  FontPoint d = midpoint(a, b), e = midpoint(b, c), m = midpoint(d, e);
  flattenCubic(out, p0, a, d, m, tolerance, depth + 1);
  flattenCubic(out, m, e, c, p3, tolerance, depth + 1);
}

int moveTo(const FT_Vector* to, void* user) {
  auto* f = static_cast<Flattener*>(user);
  f->current = toPoint(to);
  f->contours->push_back({f->current});
  return 0;
}

int lineTo(const FT_Vector* to, void* user) {
  auto* f = static_cast<Flattener*>(user);
  f->current = toPoint(to);
  f->contours->back().push_back(f->current);
  return 0;
}

int cubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
  auto* f = static_cast<Flattener*>(user);
  flattenCubic(f->contours->back(), f->current, toPoint(c1), toPoint(c2), toPoint(to), f->tolerance,
               0);
  f->current = toPoint(to);
  return 0;
}

// A quadratic curve is the cubic with control points two thirds of the way
// from each end to the quadratic's control point.
int conicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
  auto* f = static_cast<Flattener*>(user);
  FontPoint p0 = f->current, q = toPoint(control), p3 = toPoint(to);
  FontPoint c1{p0.x + 2.0 / 3 * (q.x - p0.x), p0.y + 2.0 / 3 * (q.y - p0.y)};
  FontPoint c2{p3.x + 2.0 / 3 * (q.x - p3.x), p3.y + 2.0 / 3 * (q.y - p3.y)};
  flattenCubic(f->contours->back(), p0, c1, c2, p3, f->tolerance, 0);
  f->current = p3;
  return 0;
}

void dropClosingPoint(FontContour& contour) {
  while (contour.size() > 1 && contour.front().x == contour.back().x &&
         contour.front().y == contour.back().y) {
    contour.pop_back();
  }
}

}  // namespace

FontFile* openFont(const std::string& path, std::string* error) {
  auto* font = new FontFile;
  if (FT_Init_FreeType(&font->library) != 0) {
    *error = "cannot start FreeType";
    delete font;
    return nullptr;
  }
  if (FT_New_Face(font->library, path.c_str(), 0, &font->face) != 0) {
    *error = "cannot open font " + path;
    closeFont(font);
    return nullptr;
  }
  return font;
}

void closeFont(FontFile* font) {
  if (!font) return;
  if (font->face) FT_Done_Face(font->face);
  if (font->library) FT_Done_FreeType(font->library);
  delete font;
}

int unitsPerEm(const FontFile& font) { return font.face->units_per_EM; }

bool loadGlyphOutline(const FontFile& font, const std::string& name, double tolerance,
                      GlyphOutline* outline, std::string* error) {
  FT_UInt index = FT_Get_Name_Index(font.face, name.c_str());
  if (index == 0 || FT_Load_Glyph(font.face, index, FT_LOAD_NO_SCALE) != 0 ||
      font.face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
    *error = "the font has no outline glyph named " + name;
    return false;
  }
  outline->contours.clear();
  outline->advance = static_cast<double>(font.face->glyph->advance.x);
  Flattener flattener{&outline->contours, tolerance};
  FT_Outline_Funcs funcs{};
  funcs.move_to = moveTo;
  funcs.line_to = lineTo;
  funcs.conic_to = conicTo;
  funcs.cubic_to = cubicTo;
  if (FT_Outline_Decompose(&font.face->glyph->outline, &funcs, &flattener) != 0) {
    *error = "cannot read the outline of glyph " + name;
    return false;
  }
  for (FontContour& contour : outline->contours) dropClosingPoint(contour);
  std::erase_if(outline->contours, [](const FontContour& c) { return c.size() < 3; });
  return true;
}
