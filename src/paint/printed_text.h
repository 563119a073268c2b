// Text as SCORE prints it: the faces, the size of its em, and strings of
// several fonts drawn one span after the other.
#pragma once

#include <vector>

#include "paint/drawing_surface.h"
#include "score/score_text.h"
#include "view/view.h"

// The family of the Times faces the program draws with: metric-matching,
// so SCORE's stored widths and offsets fit its glyphs.
constexpr const char* kTextFamily = "Nimbus Roman";

// The em of text size 1 on a staff of the measured size, in points (578.58
// of the EPS's 0.018 pt units).
constexpr double kTextEmPoints = 10.4145;

// The face of a SCORE font code; codes of other fonts draw in roman.
FontStyle fontStyleOf(int fontCode);
// The SCORE font code of a face.
int fontCodeOf(FontStyle style);

// The em, in device pixels, of text size `size` on a staff of size z: it
// grows with the staff size as with the resolution and the zoom.
double textEmPixels(const ViewState& view, double size, double staffSize);

// Where and how a string is set, in device pixels.
struct TextPlacement {
  PathPoint origin;          // baseline start of the first span
  double em = 0;             // em size
  double spacing = 1;        // advance factor of every character
  double verticalScale = 1;  // glyph height over the em size
  double rotation = 0;       // degrees, clockwise
};

// Draws the spans one after another as text runs, each advanced by the
// Times width of the spans before it. Draws nothing when the em or the
// origin is not finite, the em is not positive, or either lies beyond any
// device's reach.
void drawSpans(DrawingSurface& surface, const std::vector<TextSpan>& spans,
               const TextPlacement& placement);
