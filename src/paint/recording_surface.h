// A drawing surface that records each call as one text line: the .ops
// listing ("moveto X Y", "polygon black 4 ..."). Brush selection writes no
// line; it shows as the brush of the next polygon. Line breaks inside text
// are written as spaces, so every call stays one line.
#pragma once

#include <string>

#include "paint/drawing_surface.h"

class RecordingSurface : public DrawingSurface {
 public:
  // Starts with the white brush selected, as a cleared page has.
  RecordingSurface() = default;

  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void polyline(const Vector* points, int count) override;
  void polygon(const Vector* points, int count) override;
  void polyBezier(const Vector* points, int count) override;
  void selectStockBrush(StockBrush brush) override;
  void selectWidePen(int width) override;
  void restorePen() override;
  void beginPath() override;
  void endPath() override;
  void strokePath() override;
  void setViewportOrigin(int x, int y) override;
  void textOut(int x, int y, const char* text, int length) override;
  void fillRectangle(int x, int y, int width, int height) override;

  // Every recorded line, each ended by "\n".
  const std::string& listing() const { return listing_; }
  StockBrush brush() const { return brush_; }

 private:
  void points(const Vector* points, int count);

  std::string listing_;
  StockBrush brush_ = StockBrush::kWhite;
};
