// Rendering the loaded page to files: PNG, SVG, PDF and the .ops listing of
// the drawing calls. The page is drawn as the window draws it with zero view
// offsets.
#pragma once

#include <string>

#include "raster/grey_page.h"
#include "score/document.h"
#include "view/view.h"

struct PageOptions {
  int pixelsPerInch = 96;
  double zoom = 1.0;
  bool antialias = false;
  DrawingMode drawingMode = DrawingMode::kComplete;
};

enum class PageFormat { kPng, kSvg, kPdf, kOps };

// PDF and SVG pages are laid out and drawn at this resolution whatever the
// options say, so that no position is rounded by more than 1/2400 inch.
constexpr int kPrintPixelsPerInch = 2400;

// The options a page of the format is drawn with: the given ones, at the
// print resolution for the vector formats.
PageOptions drawingOptions(PageFormat format, const PageOptions& options);

// Sets the view for the options (zero offsets, their drawing mode) and lays
// the document out in it.
void layoutPage(const Document& document, View& view, const PageOptions& options);

struct PagePixels {
  int width = 0;
  int height = 0;
};

// Device pixels of the 8.5 x 11 inch page at the options' resolution and
// zoom, each side rounded up.
PagePixels pageSize(const PageOptions& options);

// The page laid out in view, painted on a white grey page of the size the
// way the window paints it, the pens at SCORE's weights for the view's
// resolution and zoom.
GreyPage paintGreyPage(const Document& document, View& view, PagePixels size, bool antialias);

// Writes a grey page to path as a PNG file, in the smallest pixel format
// that holds it exactly. Returns false with *error set when it cannot be
// written; then nothing is left at path.
bool savePngPage(const std::string& path, const GreyPage& page, std::string* error);

// The drawing calls of paintScore for the page laid out in view, one line
// each; the listing of the complete drawing brackets each item's calls.
std::string pageOperations(const Document& document, View& view);

// Lays the document out in a view of its own for the options and writes the
// page to path in the given format (PDF by the Qt conversions, when given).
// Returns false with *error set when it cannot be written; then nothing is
// left at path.
bool exportPage(const std::string& path, PageFormat format, const Document& document,
                const PageOptions& requested, std::string* error);
