// A drawing surface that writes the page as an SVG document of its own:
// the size in inches with a viewBox in device pixels; each item a group
// <g id="item-N" class="KIND" data-staff="S"> (KIND the item's type name,
// as Item edit shows it, spaces as hyphens: note, rest, key-sig, ...);
// each library symbol defined once in <defs> and placed with <use>; text
// runs as <text>; the pen's lines at the widths given. Ink is currentColor,
// so a style sheet can colour a page or any item; white shapes stay white.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "paint/drawing_surface.h"
#include "paint/pen_widths.h"
#include "score/document.h"

class SvgSurface : public DrawingSurface {
 public:
  // A page of width x height device pixels at pixelsPerInch, whose items
  // are those of document (which must outlive the surface); white brush
  // selected.
  SvgSurface(const Document& document, int width, int height, int pixelsPerInch,
             const PenWidths& widths);

  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void polyline(const Vector* points, int count) override;
  void polygon(const Vector* points, int count) override;
  void polyBezier(const Vector* points, int count) override;
  void selectStockBrush(StockBrush brush) override { brush_ = brush; }
  void selectWidePen(int width) override;
  void restorePen() override { widePen_ = 0; }
  void selectPenWeight(PenWeight weight) override { weight_ = weight; }
  void beginPath() override;
  void endPath() override { pathOpen_ = false; }
  void strokePath() override;
  void setViewportOrigin(int x, int y) override;
  void textOut(int x, int y, const char* text, int length) override;
  void fillRectangle(int x, int y, int width, int height) override;
  void drawPath(const SurfacePath& path, PathFill fill, const StrokeStyle& stroke) override;
  void drawText(const TextRun& run) override;
  void beginItem(int item) override;
  void endItem() override;
  // A symbol whose draw list holds only polygons is placed with <use> and
  // its calls are not drawn; others are drawn call by call.
  void beginSymbol(const ComponentPlacement& placement) override;
  void endSymbol() override { placing_ = false; }

  // The whole SVG document of what was drawn; ends the open item.
  std::string svg();

 private:
  // The width of lines drawn now. They run through the pixels' corners, not
  // their centres: half a pixel is 1/4800 inch at print resolution.
  double lineWidth() const;
  // Appends the class attribute of a stroke, making the class if it is new.
  void strokeClass(std::string& out, double width, bool filled);
  // Starts a run of pen lines at the current width, ending one of another.
  void startLines();
  void flushLines();
  // An element is about to be written: pending lines first.
  std::string& element();
  bool defineSymbol(int symbol);
  // The id of the definition of the symbol at the placement's size and
  // mirroring, making it if it is new.
  std::string sizedSymbol(const ComponentPlacement& placement);

  const Document& document_;
  int width_;
  int height_;
  int pixelsPerInch_;
  PenWidths widths_;
  std::string defs_;
  std::string body_;
  std::string* out_ = &body_;
  std::string lines_;  // path data of pen lines not yet written
  double linesWidth_ = 0;
  Vector lastPoint_{};  // where the pending lines end
  Vector position_{};
  Vector origin_{};
  StockBrush brush_ = StockBrush::kWhite;
  double widePen_ = 0;  // 0: the one-pixel pen
  PenWeight weight_ = PenWeight::kLine;
  bool pathOpen_ = false;
  SurfacePath path_;
  bool placing_ = false;                                     // the symbol's calls are not drawn
  std::map<std::pair<double, bool>, size_t> strokeClasses_;  // width, filled: class number
  std::map<std::tuple<int32_t, float, bool>, size_t> sizedSymbols_;  // symbol, scale, mirrored
  std::vector<int8_t> symbolState_;  // per symbol: 0 unseen, 1 defined, -1 drawn by calls
  bool itemOpen_ = false;
  size_t itemStart_ = 0;  // the body's size just after the open group tag
};
