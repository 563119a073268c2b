#include "paint/brace_shape.h"

#include <cmath>

namespace {

// Fitted over SCORE's braces of 21.6 to 25.5 steps: the horizontal extent
// grows more slowly than the height.
constexpr double kTipsReach = 0.428;
constexpr double kTipsGrowth = 0.0227;
constexpr double kBulgeReach = 1.086;
constexpr double kBulgeGrowth = 0.0534;

double proportion(double width, double height) { return std::log(width / height); }

}  // namespace

bool bracePlacement(double x, double bottom, double top, double unit, double fullStep,
                    std::span<const OutlineGlyph> glyphs, BracePlacement* brace) {
  double height = top - bottom;
  double steps = height / fullStep;
  if (!(height > 0) || !std::isfinite(steps) || !std::isfinite(x) || !(unit > 0) ||
      glyphs.empty()) {
    return false;
  }
  double tips = x - (kTipsReach + kTipsGrowth * steps) * unit;
  double bulge = x - (kBulgeReach + kBulgeGrowth * steps) * unit;
  double wanted = proportion(tips - bulge, height);
  int best = 0;
  for (int i = 1; i < static_cast<int>(glyphs.size()); ++i) {
    const OutlineGlyph& g = glyphs[i];
    const OutlineGlyph& b = glyphs[best];
    if (std::fabs(proportion(g.right - g.left, g.top - g.bottom) - wanted) <
        std::fabs(proportion(b.right - b.left, b.top - b.bottom) - wanted)) {
      best = i;
    }
  }
  brace->glyph = best;
  brace->placement = fitGlyph(glyphs[best], bulge, tips, bottom, top);
  return true;
}
