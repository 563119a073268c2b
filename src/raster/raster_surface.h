// The drawing surface over a grey page image, without Qt: what the
// command-line program draws PNG pages and thumbnails with. It follows the
// Qt surface's rules, so that both give the same pictures: aliased shapes
// fill the pixels whose centres they hold, the one-pixel pen draws Qt's
// cosmetic lines, wide pens have flat caps and mitre joins, and text is
// always antialiased.
#pragma once

#include <vector>

#include "library/symbol_outline_cache.h"
#include "paint/drawing_surface.h"
#include "paint/pen_widths.h"
#include "raster/contours.h"
#include "raster/edge_fill.h"
#include "raster/grey_page.h"

class RasterSurface : public DrawingSurface {
 public:
  // Draws into page, which must outlive the surface, in the state of a fresh
  // drawing context: the one-pixel pen, the white brush, origin (0, 0),
  // aliased. The one-pixel pen's lines are drawn with the widths, through
  // the pixel centres of their ends, where a width is not 0; the wide pen
  // adds its outline.
  explicit RasterSurface(GreyPage& page, const PenWidths& widths = {});

  // Smooth edges for everything drawn from now on.
  void setAntialiased(bool antialiased) { antialiased_ = antialiased; }

  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void polyline(const Vector* points, int count) override;
  void polygon(const Vector* points, int count) override;
  void polyBezier(const Vector* points, int count) override;
  void selectStockBrush(StockBrush brush) override { brush_ = brush; }
  void selectWidePen(int width) override;
  void restorePen() override { penWidth_ = rememberedPenWidth_; }
  void selectPenWeight(PenWeight weight) override { weight_ = weight; }
  void beginPath() override;
  void endPath() override { pathOpen_ = false; }
  void strokePath() override;
  void setViewportOrigin(int x, int y) override;
  // In the roman text face, its top-left corner at (x, y).
  void textOut(int x, int y, const char* text, int length) override;
  void fillRectangle(int x, int y, int width, int height) override;
  void drawPath(const SurfacePath& path, PathFill fill, const StrokeStyle& stroke) override;
  void drawText(const TextRun& run) override;
  void beginItem(int) override {}
  void endItem() override {}
  // Where a library unit is wider than a pixel, a bundled library symbol is
  // filled from its curves and its calls are not drawn.
  void beginSymbol(const ComponentPlacement& placement) override;
  void endSymbol() override { placing_ = false; }

 private:
  PathPoint device(int x, int y) const;
  // The points in device pixels as the one contour of a buffer kept across
  // calls.
  std::vector<Contour>& pointContour(const Vector* points, int count, bool closed);
  uint8_t brushLevel() const { return brush_ == StockBrush::kBlack ? 0 : 255; }
  // The width the one-pixel pen's lines are drawn with now; 0 for one pixel
  // and while the wide pen is selected.
  double lineWidth() const;
  // Strokes with the pen drawn now: the printed line width through the
  // pixel centres, the wide pen, or the one-pixel pen.
  void strokeWithPen(const std::vector<Contour>& contours, bool usePrintedWidth);
  void strokeCosmetic(const std::vector<Contour>& contours);
  void strokeWide(const std::vector<Contour>& contours, double width);
  void fill(const EdgeList& edges, FillRule rule, uint8_t level);

  GreyPage& page_;
  PenWidths widths_;
  PenWeight weight_ = PenWeight::kLine;
  bool antialiased_ = false;
  StockBrush brush_ = StockBrush::kWhite;
  double penWidth_ = 0;  // 0: the one-pixel pen
  double rememberedPenWidth_ = 0;
  int originX_ = 0;
  int originY_ = 0;
  PathPoint position_{0, 0};  // device pixels
  bool pathOpen_ = false;
  std::vector<Contour> path_;
  std::vector<Contour> scratch_;  // pointContour's
  EdgeList edges_;                // the shape being filled
  bool placing_ = false;          // a symbol drawn from its curves: its calls are not
  SymbolOutlineCache outlines_;
};
