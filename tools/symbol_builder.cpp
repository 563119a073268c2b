#include "symbol_builder.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "contour_join.h"
#include "library/outline_glyphs.h"

namespace {

struct Box {
  double low = std::numeric_limits<double>::max();
  double high = std::numeric_limits<double>::lowest();
};

// The glyphs side by side, in font units, each its own list of contours:
// neighbouring glyphs may overlap, which their contours must not.
bool setGlyphs(const FontFile& font, const std::vector<std::string>& glyphs, double tolerance,
               std::vector<std::vector<FontContour>>* placed, std::string* error) {
  double penX = 0;
  for (const std::string& name : glyphs) {
    GlyphOutline outline;
    if (!loadGlyphOutline(font, name, tolerance, &outline, error)) return false;
    for (FontContour& contour : outline.contours) {
      for (FontPoint& p : contour) p.x += penX;
    }
    placed->push_back(std::move(outline.contours));
    penX += outline.advance;
  }
  return true;
}

// Font coordinate of the anchor on one axis.
double anchorAt(const Placement& placement, const Box& box) {
  switch (placement.anchor) {
    case Anchor::kOrigin: return 0;
    case Anchor::kLow: return box.low;
    case Anchor::kCentre: return (box.low + box.high) / 2;
    case Anchor::kHigh: return box.high;
  }
  return 0;
}

bool toLibrary(double value, int* out) {
  double rounded = std::round(value);
  if (rounded < std::numeric_limits<int16_t>::min() ||
      rounded > std::numeric_limits<int16_t>::max()) {
    return false;
  }
  *out = static_cast<int>(rounded);
  return true;
}

// Rounding can make neighbours equal; a repeated point would only add a
// zero-length edge.
void dropRepeats(PointRun& run) {
  auto same = [](LibraryPoint a, LibraryPoint b) { return a.x == b.x && a.y == b.y; };
  run.erase(std::unique(run.begin(), run.end(), same), run.end());
  while (run.size() > 1 && same(run.front(), run.back())) run.pop_back();
}

// Each polygon is one black-filled draw entry.
void appendPolygons(const std::vector<PointRun>& polygons, std::vector<DrwEntry>& entries) {
  for (const PointRun& polygon : polygons) {
    for (size_t i = 0; i < polygon.size(); ++i) {
      int16_t op = i == 0 ? 2 : 0;
      entries.push_back(
          {static_cast<int16_t>(polygon[i].x), static_cast<int16_t>(polygon[i].y), op});
    }
  }
}

// Where the catalogue puts the glyphs: library = (font - anchor) x k + offset.
struct SymbolFrame {
  double kx = 1, ky = 1;
  double ax = 0, ay = 0;
};

// The glyphs flattened as the libraries hold them, and their frame: the
// anchors are taken on the flattened points, so that both forms of a symbol
// stand exactly where its library file has it.
bool symbolFrame(const FontFile& font, double staffSpace, const CatalogueEntry& entry,
                 std::vector<std::vector<FontContour>>* glyphs, SymbolFrame* frame,
                 std::string* error) {
  frame->kx = kUnitsPerStaffSpace / staffSpace * entry.scaleX;
  frame->ky = kUnitsPerStaffSpace / staffSpace * entry.scaleY;
  if (!setGlyphs(font, entry.glyphs, kFlatteningTolerance / std::max(frame->kx, frame->ky), glyphs,
                 error)) {
    return false;
  }
  Box bx, by;
  for (const auto& contours : *glyphs) {
    for (const FontContour& contour : contours) {
      for (const FontPoint& p : contour) {
        bx = {std::min(bx.low, p.x), std::max(bx.high, p.x)};
        by = {std::min(by.low, p.y), std::max(by.high, p.y)};
      }
    }
  }
  frame->ax = anchorAt(entry.x, bx);
  frame->ay = anchorAt(entry.y, by);
  return true;
}

}  // namespace

bool buildSymbol(const FontFile& font, double staffSpace, const CatalogueEntry& entry,
                 DrwSymbol* symbol, std::string* error) {
  std::vector<std::vector<FontContour>> glyphs;
  SymbolFrame f;
  if (!symbolFrame(font, staffSpace, entry, &glyphs, &f, error)) return false;
  symbol->name = entry.name;
  symbol->entries.clear();
  for (const auto& contours : glyphs) {
    std::vector<PointRun> runs;
    for (const FontContour& contour : contours) {
      PointRun run;
      for (const FontPoint& p : contour) {
        LibraryPoint q{};
        if (!toLibrary((p.x - f.ax) * f.kx + entry.x.offset, &q.x) ||
            !toLibrary((p.y - f.ay) * f.ky + entry.y.offset, &q.y)) {
          *error = "symbol " + std::to_string(entry.number) + " reaches outside 16-bit coordinates";
          return false;
        }
        run.push_back(q);
      }
      dropRepeats(run);
      if (run.size() >= 3) runs.push_back(std::move(run));
    }
    appendPolygons(joinContours(runs), symbol->entries);
  }
  return true;
}

bool buildSymbolPath(const FontFile& font, double staffSpace, const CatalogueEntry& entry,
                     GlyphPath* path, std::string* error) {
  std::vector<std::vector<FontContour>> flattened;
  SymbolFrame f;
  if (!symbolFrame(font, staffSpace, entry, &flattened, &f, error)) return false;
  *path = GlyphPath{};
  path->left = path->top = std::numeric_limits<double>::max();
  path->right = path->bottom = std::numeric_limits<double>::lowest();
  double penX = 0;
  for (const std::string& name : entry.glyphs) {
    GlyphPath glyph;
    if (!loadGlyphPath(font, name, &glyph, error)) return false;
    path->verbs.insert(path->verbs.end(), glyph.verbs.begin(), glyph.verbs.end());
    for (FontPoint p : glyph.points) {
      // y downward: the file's y with its sign inverted, as the loader does.
      FontPoint q{(p.x + penX - f.ax) * f.kx + entry.x.offset,
                  -((p.y - f.ay) * f.ky + entry.y.offset)};
      path->points.push_back(q);
      path->left = std::min(path->left, q.x);
      path->right = std::max(path->right, q.x);
      path->top = std::min(path->top, q.y);
      path->bottom = std::max(path->bottom, q.y);
    }
    penX += glyph.advance;
  }
  path->advance = penX * f.kx;
  return true;
}

uint64_t drwFingerprint(const DrwSymbol& symbol) {
  uint64_t hash = kFingerprintStart;
  for (const DrwEntry& entry : symbol.entries) {
    hash = fingerprintStep(hash, entry.x);
    hash = fingerprintStep(hash, entry.y);
    hash = fingerprintStep(hash, entry.op);
  }
  return hash;
}
