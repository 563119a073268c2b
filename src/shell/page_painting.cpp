#include "shell/page_painting.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "paint/painter.h"
#include "paint/pen_widths.h"
#include "shell/png_encoding.h"
#include "shell/qt_surface.h"
#include "shell/save_file.h"

QSize qtPageSize(const PageOptions& options) {
  PagePixels size = pageSize(options);
  return QSize(size.width, size.height);
}

void paintPage(QPainter& painter, const Document& document, View& view, const QSize& size,
               bool antialias) {
  QtSurface surface(painter, penWidths(view.viewState));
  surface.fillRectangle(0, 0, size.width(), size.height());
  painter.setRenderHint(QPainter::Antialiasing, antialias);
  paintScore(surface, document, view);
}

bool savePngImage(const std::string& path, const QImage& image, std::string* error) {
  QByteArray encoded = encodePagePng(image);
  if (encoded.isEmpty()) {
    QBuffer file(&encoded);
    file.open(QIODevice::WriteOnly);
    if (!image.save(&file, "PNG")) {
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
  QSizeF inches(8.5 * options.zoom, 11.0 * options.zoom);
  writer.setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0)));
}

bool writePdfPage(const std::string& path, const Document& document, View& view,
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
