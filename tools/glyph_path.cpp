#include "glyph_path.h"

#include <ft2build.h>
#include FT_OUTLINE_H
#include FT_BBOX_H

#include "font_file.h"

namespace {

FontPoint toPoint(const FT_Vector* v) {
  return {static_cast<double>(v->x), static_cast<double>(v->y)};
}

GlyphPath* pathOf(void* user) { return static_cast<GlyphPath*>(user); }

// Every contour is closed before the next one starts and at the end.
void closeContour(GlyphPath* path) {
  if (!path->verbs.empty() && path->verbs.back() != GlyphVerb::kClose) {
    path->verbs.push_back(GlyphVerb::kClose);
  }
}

int moveTo(const FT_Vector* to, void* user) {
  closeContour(pathOf(user));
  pathOf(user)->verbs.push_back(GlyphVerb::kMove);
  pathOf(user)->points.push_back(toPoint(to));
  return 0;
}

int lineTo(const FT_Vector* to, void* user) {
  pathOf(user)->verbs.push_back(GlyphVerb::kLine);
  pathOf(user)->points.push_back(toPoint(to));
  return 0;
}

int cubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
  GlyphPath* path = pathOf(user);
  path->verbs.push_back(GlyphVerb::kCubic);
  path->points.insert(path->points.end(), {toPoint(c1), toPoint(c2), toPoint(to)});
  return 0;
}

// A quadratic curve is the cubic with control points two thirds of the way
// from each end to the quadratic's control point.
int conicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
  GlyphPath* path = pathOf(user);
  FontPoint p0 = path->points.back(), q = toPoint(control), p3 = toPoint(to);
  FontPoint c1{p0.x + 2.0 / 3 * (q.x - p0.x), p0.y + 2.0 / 3 * (q.y - p0.y)};
  FontPoint c2{p3.x + 2.0 / 3 * (q.x - p3.x), p3.y + 2.0 / 3 * (q.y - p3.y)};
  path->verbs.push_back(GlyphVerb::kCubic);
  path->points.insert(path->points.end(), {c1, c2, p3});
  return 0;
}

}  // namespace

bool loadGlyphPath(const FontFile& font, const std::string& name, GlyphPath* path,
                   std::string* error) {
  FT_UInt index = FT_Get_Name_Index(font.face, name.c_str());
  if (index == 0 || FT_Load_Glyph(font.face, index, FT_LOAD_NO_SCALE) != 0 ||
      font.face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
    *error = "the font has no outline glyph named " + name;
    return false;
  }
  *path = GlyphPath{};
  path->advance = static_cast<double>(font.face->glyph->advance.x);
  FT_Outline_Funcs funcs{};
  funcs.move_to = moveTo;
  funcs.line_to = lineTo;
  funcs.conic_to = conicTo;
  funcs.cubic_to = cubicTo;
  FT_BBox box{};
  if (FT_Outline_Decompose(&font.face->glyph->outline, &funcs, path) != 0 ||
      FT_Outline_Get_BBox(&font.face->glyph->outline, &box) != 0) {
    *error = "cannot read the outline of glyph " + name;
    return false;
  }
  closeContour(path);
  path->left = static_cast<double>(box.xMin);
  path->bottom = static_cast<double>(box.yMin);
  path->right = static_cast<double>(box.xMax);
  path->top = static_cast<double>(box.yMax);
  return true;
}
