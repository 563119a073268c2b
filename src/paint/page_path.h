// From the page frame of the complete drawing's shapes (page pixels at zoom
// 1, y upward from the page origin) to paths in device pixels.
#pragma once

#include <span>

#include "library/outline_glyphs.h"
#include "paint/drawing_surface.h"
#include "paint/glyph_placement.h"
#include "paint/page_frame.h"
#include "view/view.h"

// The mapping of toWindowX and toWindowY, without their rounding.
struct DeviceMap {
  double scale = 1;
  double originX = 0;
  double originY = 0;

  PathPoint map(PagePoint p) const { return {originX + p.x * scale, originY - p.y * scale}; }
};

DeviceMap deviceMap(const ViewState& view);

// Farther than this from the device origin, in pixels, a shape is not drawn:
// a hundred metres at screen resolutions.
constexpr double kDeviceReach = 1e6;

// Staff s (1..32) in the page frame.
StaffFrame staffFrame(const ViewState& view, const StaffTables& tables, int s);

// A closed polygon, an open polyline, a glyph's outline.
void addPolygon(SurfacePath& path, const DeviceMap& map, std::span<const PagePoint> points);
void addPolyline(SurfacePath& path, const DeviceMap& map, std::span<const PagePoint> points);
void addGlyph(SurfacePath& path, const DeviceMap& map, const OutlineGlyph& glyph,
              const GlyphPlacement& placement);

// A library symbol's outline placed as a component is: each point
// (x, y) at (x s + px, +-y s + py) for the placement's scale s, position and
// mirroring.
void addSymbolOutline(SurfacePath& path, const OutlineGlyph& outline,
                      const ComponentPlacement& placement);

// The device width of a line SCORE prints this many points wide: scaled
// with the resolution and the zoom, and never under one pixel.
double strokeWidth(const ViewState& view, double points);

// A line between window pixels: with the one-pixel pen for a width of one
// pixel or less (the basic drawing's call), else as a stroked path through
// the same pixels' centres.
void strokeLine(DrawingSurface& surface, int x1, int y1, int x2, int y2, double width);

// Draws the path when it lies within reach of any device: a shape pushed
// millions of pixels away by hostile parameters is left out rather than
// handed to a rasteriser.
void drawPagePath(DrawingSurface& surface, const SurfacePath& path, PathFill fill,
                  const StrokeStyle& stroke);
