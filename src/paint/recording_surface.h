// A drawing surface that records each call as one text line: the .ops
// listing ("moveto X Y", "polygon black 4 ..."). Brush selection writes no
// line; it shows as the brush of the next polygon. Pen weights write none
// either: they are the surfaces' mapping of the pen, not a drawing call. Line breaks inside text
// are written as spaces, so every call stays one line. Paths and text runs
// print their numbers with at most three decimals, trailing zeros dropped:
//   path FILL WIDTH [dash D1 D2 ...] M x y L x y C x1 y1 x2 y2 x y Z
//   text FAMILY STYLE SIZE X Y ROTATION [spacing S] [height H] "string"
// (\" and \\ escaped; spacing and height only when they are not 1).
// Item brackets ("item N", "end item") are listed only when asked for, so
// listings of the basic drawing stay as they always were.
#pragma once

#include <string>

#include "paint/drawing_surface.h"

class RecordingSurface : public DrawingSurface {
 public:
  // Starts with the white brush selected, as a cleared page has; lists the
  // item brackets when listsItems is set.
  explicit RecordingSurface(bool listsItems = false) : listsItems_(listsItems) {}

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

  // Every recorded line, each ended by "\n".
  const std::string& listing() const { return listing_; }
  StockBrush brush() const { return brush_; }

 private:
  void points(const Vector* points, int count);
  void number(double v);

  std::string listing_;
  bool listsItems_ = false;
  StockBrush brush_ = StockBrush::kWhite;
};
