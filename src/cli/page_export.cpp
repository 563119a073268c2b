#include "cli/page_export.h"

#include <cmath>
#include <cstdint>

#include "cli/qt_conversions.h"
#include "layout/layout.h"
#include "paint/painter.h"
#include "paint/pen_widths.h"
#include "paint/recording_surface.h"
#include "paint/svg_surface.h"
#include "raster/grey_png.h"
#include "raster/raster_surface.h"
#include "score/file_replace.h"

namespace {

constexpr double kPageWidthInches = 8.5;
constexpr double kPageHeightInches = 11.0;
// A raster page beyond this many pixels is refused rather than left to fail
// somewhere inside the allocator.
constexpr int64_t kMaxImagePixels = int64_t(1) << 28;
// The resolution PNG pages have always declared: 96 dots per inch.
constexpr uint32_t kPngDotsPerMeter = 3780;

bool saveText(const std::string& path, const std::string& text, std::string* error) {
  std::string message;
  return replaceFileContents(path, text.data(), text.size(), &message, error);
}

bool writePng(const std::string& path, const Document& document, View& view,
              const PageOptions& options, std::string* error) {
  PagePixels size = pageSize(options);
  if (int64_t(size.width) * size.height > kMaxImagePixels) {
    *error = "a page image of " + std::to_string(size.width) + " x " + std::to_string(size.height) +
             " pixels is too large";
    return false;
  }
  GreyPage page = paintGreyPage(document, view, size, options.antialias);
  // Drawn: the components' memory goes back for the encoder's buffers, so
  // that a page's peak stays that of the larger of the two.
  view.components = ComponentLists{};
  return savePngPage(path, page, error);
}

bool writeSvg(const std::string& path, const Document& document, View& view,
              const PageOptions& options, std::string* error) {
  PagePixels size = pageSize(options);
  SvgSurface surface(document, size.width, size.height, options.pixelsPerInch,
                     penWidths(view.viewState));
  surface.fillRectangle(0, 0, size.width, size.height);
  paintScore(surface, document, view);
  return saveText(path, surface.svg(), error);
}

bool writePdf(const std::string& path, const Document& document, View& view,
              const PageOptions& options, std::string* error) {
  auto write = qtConversions().writePdfPage;
  if (write == nullptr) {
    *error = kNeedsQtProgram;
    return false;
  }
  return write(path, document, view, options, error);
}

}  // namespace

PageOptions drawingOptions(PageFormat format, const PageOptions& options) {
  PageOptions drawn = options;
  if (format == PageFormat::kSvg || format == PageFormat::kPdf) {
    drawn.pixelsPerInch = kPrintPixelsPerInch;
  }
  return drawn;
}

void layoutPage(const Document& document, View& view, const PageOptions& options) {
  initViewState(view, options.pixelsPerInch);
  view.viewState.zoom = options.zoom;
  view.drawingMode = options.drawingMode;
  layoutScore(document, view);
}

PagePixels pageSize(const PageOptions& options) {
  double scale = options.pixelsPerInch * options.zoom;
  // The tolerance keeps a zoom such as 0.33, not exact in binary, from adding
  // a pixel to a side that is a whole number on paper.
  auto roundUp = [](double pixels) { return static_cast<int>(std::ceil(pixels - 1e-6)); };
  return {roundUp(kPageWidthInches * scale), roundUp(kPageHeightInches * scale)};
}

GreyPage paintGreyPage(const Document& document, View& view, PagePixels size, bool antialias) {
  GreyPage page = whitePage(size.width, size.height);
  RasterSurface surface(page, penWidths(view.viewState));
  surface.setAntialiased(antialias);
  paintScore(surface, document, view);
  return page;
}

bool savePngPage(const std::string& path, const GreyPage& page, std::string* error) {
  std::vector<uint8_t> encoded = encodeGreyPng(page, kPngDotsPerMeter);
  if (encoded.empty()) {
    *error = "the PNG image could not be written";
    return false;
  }
  std::string message;
  return replaceFileContents(path, encoded.data(), encoded.size(), &message, error);
}

std::string pageOperations(const Document& document, View& view) {
  RecordingSurface recording(view.drawingMode == DrawingMode::kComplete);
  paintScore(recording, document, view);
  return recording.listing();
}

bool exportPage(const std::string& path, PageFormat format, const Document& document,
                const PageOptions& requested, std::string* error) {
  PageOptions options = drawingOptions(format, requested);
  View view;
  layoutPage(document, view, options);
  switch (format) {
    case PageFormat::kPng: return writePng(path, document, view, options, error);
    case PageFormat::kSvg: return writeSvg(path, document, view, options, error);
    case PageFormat::kPdf: return writePdf(path, document, view, options, error);
    case PageFormat::kOps: return saveText(path, pageOperations(document, view), error);
  }
  return false;
}
