// The 2-D drawing calls the painter makes. Implementations: the Qt raster,
// SVG and PDF surfaces of the shell, and the recording surface of tests and
// .ops listings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "library/library_table.h"
#include "view/component_lists.h"

enum class StockBrush { kWhite, kBlack };

// The printed weights the one-pixel pen stands for. A surface drawing where
// SCORE's weights are wider than a device pixel draws the pen's lines with
// them; on screen the pen stays one pixel whatever is selected.
enum class PenWeight : uint8_t { kLine, kLedgerLine };

// Paths, strokes and text in double device pixels, the frame of the integer
// calls, so that vector outputs can keep positions exact.
struct PathPoint {
  double x;
  double y;
};

enum class PathVerb : uint8_t { kMove, kLine, kCubic, kClose };  // kCubic takes 3 points

// Move, line and cubic Bezier segments; built with the helpers, which keep
// points and verbs in step.
struct SurfacePath {
  std::vector<PathVerb> verbs;
  std::vector<PathPoint> points;

  void moveTo(double x, double y);
  void lineTo(double x, double y);
  void cubicTo(double x1, double y1, double x2, double y2, double x, double y);
  void close();
  // True when the points are exactly those the verbs take; surfaces draw
  // nothing of a path that is not.
  bool wellFormed() const;
};

// Points taken by one verb: 1, 1, 3 and 0.
int pointsOfVerb(PathVerb verb);

enum class PathFill : uint8_t { kNone, kNonZero, kEvenOdd };

struct StrokeStyle {
  double width = 0;            // device pixels; 0 leaves the path unstroked
  std::vector<double> dashes;  // on, off, on ... lengths in device pixels; empty is solid
};

enum class FontStyle : uint8_t { kRoman, kBold, kItalic, kBoldItalic };

struct TextRun {
  std::string family;  // "Nimbus Roman" and the like; the surface resolves it
  FontStyle style = FontStyle::kRoman;
  double size = 0;           // em size in device pixels
  double x = 0, y = 0;       // baseline origin in device pixels
  double rotation = 0;       // degrees, clockwise
  std::string text;          // UTF-8
  double spacing = 1;        // every character's advance times this
  double verticalScale = 1;  // glyph height over the em size
};

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
  // The printed weight of the one-pixel pen's lines until the next
  // selection (kLine to begin with); draws nothing.
  virtual void selectPenWeight(PenWeight weight) = 0;

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

  // A path filled black by the given rule and stroked black with the given
  // style (flat caps, mitre joins); neither touches the pen or the brush.
  virtual void drawPath(const SurfacePath& path, PathFill fill, const StrokeStyle& stroke) = 0;
  // A black text run, antialiased whatever the lines are.
  virtual void drawText(const TextRun& run) = 0;
  // The calls between beginItem and endItem draw item `item` (1-based);
  // items do not nest.
  virtual void beginItem(int item) = 0;
  virtual void endItem() = 0;
  // The calls between beginSymbol and endSymbol draw one component, placed
  // as given; a surface may place the library symbol itself there instead
  // of drawing the calls. Symbols do not nest.
  virtual void beginSymbol(const ComponentPlacement& placement) = 0;
  virtual void endSymbol() = 0;
};
