#include "shell/thumbnail.h"

#include <QImage>
#include <QPainter>

#include "shell/page_export.h"

namespace {

// Drawn at twice the size, then reduced: staff lines a pixel apart blend to
// the grey they look on paper instead of merging into a black band.
constexpr int kOversampling = 2;

}  // namespace

bool exportThumbnail(const std::string& path, const Document& document, int size, DrawingMode mode,
                     std::string* error) {
  PageOptions options;
  options.antialias = true;
  options.drawingMode = mode;
  const int drawn = kOversampling * size;
  options.zoom = static_cast<double>(drawn) / pageSize(options).width();
  View view;
  layoutPage(document, view, options);
  QImage image(drawn, drawn, QImage::Format_RGB32);
  if (image.isNull()) {
    *error = "not enough memory for the thumbnail";
    return false;
  }
  QPainter painter(&image);
  paintPage(painter, document, view, image.size(), options.antialias);
  painter.end();
  QImage thumbnail = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return savePngImage(path, thumbnail.convertToFormat(QImage::Format_RGB32), error);
}
