// The drawing surface over a QPainter: the same calls draw into the window's
// offscreen image, a PNG, an SVG or a PDF page.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPoint>
#include <vector>

#include "library/symbol_outline_cache.h"
#include "paint/drawing_surface.h"
#include "paint/pen_widths.h"

class TextRunCache;

class QtSurface : public DrawingSurface {
 public:
  // Takes over an active painter and gives it the state of a fresh drawing
  // context: the black one-pixel stock pen, the white stock brush, origin
  // (0, 0), no antialiasing. The painter must outlive the surface, and its
  // transform is the surface's to set from then on (setViewportOrigin).
  // The one-pixel pen's lines are drawn with the widths, through the pixel
  // centres of their ends, where a width is not 0; the wide pen adds its
  // outline.
  // Text runs are laid out anew on every call unless a cache is given, which
  // must outlive the surface.
  explicit QtSurface(QPainter& painter, const PenWidths& widths = {},
                     TextRunCache* textRuns = nullptr);

  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void polyline(const Vector* points, int count) override;
  void polygon(const Vector* points, int count) override;
  void polyBezier(const Vector* points, int count) override;
  void selectStockBrush(StockBrush brush) override;
  void selectWidePen(int width) override;
  void restorePen() override;
  void selectPenWeight(PenWeight weight) override { weight_ = weight; }
  void beginPath() override;
  void endPath() override;
  void strokePath() override;
  void setViewportOrigin(int x, int y) override;
  void textOut(int x, int y, const char* text, int length) override;
  void fillRectangle(int x, int y, int width, int height) override;
  // Paths as QPainterPath under the painter's antialiasing; text through
  // QFont, always antialiased. Item brackets draw nothing.
  void drawPath(const SurfacePath& path, PathFill fill, const StrokeStyle& stroke) override;
  void drawText(const TextRun& run) override;
  void beginItem(int) override {}
  void endItem() override {}
  // On vector devices (PDF), and on rasters where a library unit is wider
  // than a pixel, a bundled library symbol is filled from its curves and
  // its calls are not drawn.
  void beginSymbol(const ComponentPlacement& placement) override;
  void endSymbol() override { placing_ = false; }

  // The stock pen: black, one pixel, cosmetic (unaffected by any scaling).
  static QPen stockPen();

 private:
  // The points as Qt's, in a buffer kept across calls.
  const QPoint* toPoints(const Vector* points, int count);
  // The width the one-pixel pen's lines are drawn with now; 0 for one pixel
  // and while the wide pen is selected.
  double lineWidth() const;
  // Strokes the line or path through the centres of its pixels with width.
  void strokeWide(const QPainterPath& path, double width);
  // True when a line may be filled as a rectangle with the same pixels.
  bool fillsAsRectangle(QPoint from, QPoint to) const;
  // True for aliased drawing with the stock pen on a raster device, moved
  // by whole pixels only: where the cheaper paths give the same pixels.
  bool plainRaster() const;
  // Notes whether the device and the painter's transform allow the cheaper
  // paths; run whenever the surface sets the transform.
  void checkWholePixels();

  QPainter& painter_;
  bool vectorDevice_ = false;
  bool placing_ = false;  // a symbol drawn from its curves: its calls are not
  SymbolOutlineCache outlines_;
  PenWidths widths_;
  PenWeight weight_ = PenWeight::kLine;
  QPoint position_;
  bool wholePixels_ = false;  // raster device, transform a whole-pixel move
  QPoint origin_;             // that move
  QPen rememberedPen_;
  QPen stockPen_;
  bool pathOpen_ = false;
  QPainterPath path_;
  QBrush blackBrush_;
  QBrush whiteBrush_;
  std::vector<QPoint> points_;
  TextRunCache* textRuns_;
};
