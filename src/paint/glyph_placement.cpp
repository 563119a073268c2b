#include "paint/glyph_placement.h"

namespace {

// The scale and offset mapping [from0, from1] onto [to0, to1].
void fitAxis(double from0, double from1, double to0, double to1, double* scale, double* offset) {
  *scale = from1 > from0 ? (to1 - to0) / (from1 - from0) : 0;
  *offset = to0 - *scale * from0;
}

}  // namespace

GlyphPlacement fitGlyph(const OutlineGlyph& glyph, double left, double right, double bottom,
                        double top) {
  GlyphPlacement p;
  fitAxis(glyph.left, glyph.right, left, right, &p.scaleX, &p.x);
  fitAxis(glyph.bottom, glyph.top, bottom, top, &p.scaleY, &p.y);
  return p;
}
