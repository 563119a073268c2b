// The 2-D drawing calls the painter makes. Implementations: the Qt raster,
// SVG and PDF surfaces of the shell, and the recording surface of tests and
// .ops listings.
#pragma once

#include <cstdint>

#include "library/library_table.h"

enum class StockBrush { kWhite, kBlack };

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // Pen position and straight lines with the current pen.
  virtual void moveTo(int x, int y) = 0;
  virtual void lineTo(int x, int y) = 0;
  // Open polyline through count points with the current pen.
  virtual void polyline(const Vector* points, int count) = 0;
  // Closed polygon: outlined with the current pen, filled even-odd with the
  // selected brush.
  virtual void polygon(const Vector* points, int count) = 0;
  // Cubic Bézier segments through count = 3k + 1 points; any other count
  // draws nothing.
  virtual void polyBezier(const Vector* points, int count) = 0;

  // Selects a stock brush; it stays selected until the next selection.
  virtual void selectStockBrush(StockBrush brush) = 0;
  // Creates a solid black geometric pen of the given width (flat caps, mitre
  // joins), selects it and remembers the pen it replaces.
  virtual void selectWidePen(int width) = 0;
  // Selects the remembered pen again and deletes the wide pen.
  virtual void restorePen() = 0;

  // Path recording: moves and lines between beginPath and endPath form a path
  // that strokePath draws with the current pen.
  virtual void beginPath() = 0;
  virtual void endPath() = 0;
  virtual void strokePath() = 0;

  // Origin of all later coordinates, in device pixels.
  virtual void setViewportOrigin(int x, int y) = 0;
  // Text in the surface's font, black, transparent background.
  virtual void textOut(int x, int y, const char* text, int length) = 0;
  // Fills a rectangle with the selected brush (no outline).
  virtual void fillRectangle(int x, int y, int width, int height) = 0;
};
