#include "shell/png_encoding.h"

#include "raster/grey_png.h"

GreyPage greyPageOf(const QImage& page) {
  QImage rgb = page.convertToFormat(QImage::Format_RGB32);
  GreyPage grey = whitePage(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uint8_t* out = grey.row(y);
    for (int x = 0; x < rgb.width(); ++x) {
      QRgb colour = in[x] & 0xffffff;
      auto v = static_cast<uint8_t>(colour);
      if (colour != v * 0x010101u) return {};
      out[x] = v;
    }
  }
  return grey;
}

QByteArray encodePagePng(const QImage& page) {
  GreyPage grey = greyPageOf(page);
  if (grey.pixels.empty()) return {};
  std::vector<uint8_t> bytes = encodeGreyPng(grey, static_cast<uint32_t>(page.dotsPerMeterX()));
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}
