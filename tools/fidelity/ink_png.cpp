#include "ink_png.h"

#include <QImage>
#include <QImageReader>

namespace {

// SCORE's rasters are grey; ink is what prints darker than half.
constexpr int kInkBelow = 128;
// Pages at 600 dpi and more are larger than Qt reads by default (128 MB):
// a 1200-dpi page is 10,200 x 13,200 pixels.
constexpr int kMaxImageMegabytes = 1024;

}  // namespace

bool readInkImage(const QString& path, InkImage& image, QString* error) {
  QImageReader::setAllocationLimit(kMaxImageMegabytes);
  QImage source;
  if (!source.load(path)) {
    *error = QStringLiteral("cannot read the image %1").arg(path);
    return false;
  }
  const QImage grey = source.convertToFormat(QImage::Format_Grayscale8);
  image.width = grey.width();
  image.height = grey.height();
  image.ink.assign(static_cast<size_t>(image.width) * image.height, 0);
  for (int y = 0; y < image.height; ++y) {
    const uchar* row = grey.constScanLine(y);
    for (int x = 0; x < image.width; ++x) {
      image.ink[static_cast<size_t>(y) * image.width + x] = row[x] < kInkBelow ? 1 : 0;
    }
  }
  return true;
}

bool writeOverlayPng(const QString& path, const OverlayImage& overlay, QString* error) {
  QImage image(overlay.width, overlay.height, QImage::Format_Indexed8);
  // In the order of OverlayColour.
  image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(230, 0, 0), qRgb(0, 80, 255)});
  for (int y = 0; y < overlay.height; ++y) {
    uchar* row = image.scanLine(y);
    for (int x = 0; x < overlay.width; ++x) {
      row[x] = static_cast<uchar>(overlay.pixels[static_cast<size_t>(y) * overlay.width + x]);
    }
  }
  if (!image.save(path, "PNG")) {
    *error = QStringLiteral("cannot write the overlay %1").arg(path);
    return false;
  }
  return true;
}
