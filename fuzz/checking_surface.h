// A drawing surface for the harnesses: it reads every point handed to it, so
// the sanitizer sees any run that reaches outside a vector list, and checks
// the calls the painter makes, without building a listing (the recording
// surface's text made long runs several times slower).
#pragma once

#include <cstdint>

#include "paint/drawing_surface.h"

class CheckingSurface : public DrawingSurface {
 public:
  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void polyline(const Vector* points, int count) override;
  void polygon(const Vector* points, int count) override;
  void polyBezier(const Vector* points, int count) override;
  void selectStockBrush(StockBrush brush) override;
  void selectWidePen(int width) override;
  void restorePen() override;
  void selectPenWeight(PenWeight) override {}
  void beginPath() override;
  void endPath() override;
  void strokePath() override;
  void setViewportOrigin(int x, int y) override;
  void textOut(int x, int y, const char* text, int length) override;
  void fillRectangle(int x, int y, int width, int height) override;
  void drawPath(const SurfacePath& path, PathFill fill, const StrokeStyle& stroke) override;
  void drawText(const TextRun& run) override;
  void beginItem(int item) override;
  void endItem() override;
  void beginSymbol(const ComponentPlacement&) override {}
  void endSymbol() override {}

  // Number of calls, and a sum over every coordinate seen.
  int64_t calls() const { return calls_; }
  uint64_t checksum() const { return checksum_; }

 private:
  void add(int64_t v);
  void points(const Vector* points, int count);
  void addReal(double v);

  int64_t calls_ = 0;
  uint64_t checksum_ = 0;
  int widePens_ = 0;  // selected and not yet restored
  bool inPath_ = false;
  int item_ = 0;  // the item whose calls are coming, 0 outside items
};
