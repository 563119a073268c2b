#include "shell/page_export.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "layout/layout.h"
#include "paint/painter.h"
#include "paint/pen_widths.h"
#include "paint/recording_surface.h"
#include "paint/svg_surface.h"
#include "shell/png_encoding.h"
#include "shell/qt_surface.h"
#include "shell/save_file.h"

namespace {

constexpr double kPageWidthInches = 8.5;
constexpr double kPageHeightInches = 11.0;
// A raster page beyond this many pixels (1 GiB at 4 bytes each) is refused
// rather than left to fail somewhere inside the allocator.
constexpr qint64 kMaxImagePixels = qint64(1) << 28;

bool writePng(const std::string& path, const Document& document, View& view,
              const PageOptions& options, std::string* error) {
  QSize size = pageSize(options);
  if (qint64(size.width()) * size.height() > kMaxImagePixels) {
    *error = "a page image of " + std::to_string(size.width()) + " x " +
             std::to_string(size.height()) + " pixels is too large";
    return false;
  }
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) {
    *error = "not enough memory for the page image";
    return false;
  }
  QPainter painter(&image);
  paintPage(painter, document, view, size, options.antialias);
  painter.end();
  return savePngImage(path, image, error);
}

bool writeSvg(const std::string& path, const Document& document, View& view,
              const PageOptions& options, std::string* error) {
  QSize size = pageSize(options);
  SvgSurface surface(document, size.width(), size.height(), options.pixelsPerInch,
                     penWidths(view.viewState));
  surface.fillRectangle(0, 0, size.width(), size.height());
  paintScore(surface, document, view);
  return saveBytes(path, QByteArray::fromStdString(surface.svg()), error);
}

bool writePdf(const std::string& path, const Document& document, View& view,
              const PageOptions& options, std::string* error) {
  QBuffer file;
  file.open(QIODevice::WriteOnly);
  QPdfWriter writer(&file);
  setUpPdfWriter(writer, options);
  QPainter painter(&writer);
  paintPage(painter, document, view, QSize(writer.width(), writer.height()), options.antialias);
  painter.end();
  return saveBytes(path, file.data(), error);
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

QSize pageSize(const PageOptions& options) {
  double scale = options.pixelsPerInch * options.zoom;
  // The tolerance keeps a zoom such as 0.33, not exact in binary, from adding
  // a pixel to a side that is a whole number on paper.
  auto roundUp = [](double pixels) { return static_cast<int>(std::ceil(pixels - 1e-6)); };
  return QSize(roundUp(kPageWidthInches * scale), roundUp(kPageHeightInches * scale));
}

void paintPage(QPainter& painter, const Document& document, View& view, const QSize& size,
               bool antialias) {
  QtSurface surface(painter, penWidths(view.viewState));
  surface.fillRectangle(0, 0, size.width(), size.height());
  painter.setRenderHint(QPainter::Antialiasing, antialias);
  paintScore(surface, document, view);
}

bool savePngImage(const std::string& path, const QImage& image, std::string* error) {
  QImage compact = compactPage(image);
  QByteArray encoded = encodeGreyPng(compact);
  if (encoded.isEmpty()) {
    QBuffer file(&encoded);
    file.open(QIODevice::WriteOnly);
    if (!compact.save(&file, "PNG")) {
      *error = "the PNG image could not be written";
      return false;
    }
  }
  return saveBytes(path, encoded, error);
}

void setUpPdfWriter(QPdfWriter& writer, const PageOptions& options) {
  writer.setCreator("MELIBRON");
  writer.setResolution(options.pixelsPerInch);
  // The zoom enlarges the sheet as it enlarges the raster image, so every
  // format shows the same picture.
  QSizeF inches(kPageWidthInches * options.zoom, kPageHeightInches * options.zoom);
  writer.setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0)));
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
    case PageFormat::kOps:
      return saveBytes(path, QByteArray::fromStdString(pageOperations(document, view)), error);
  }
  return false;
}
