#include "shell/png_encoding.h"

#include <png.h>
#include <zlib.h>

#include <cstdint>

namespace {

// Zero for black and white, whatever the alpha byte, non-zero for any other
// colour: only 0x000000 + 1 and 0xffffff + 1 have no bit in 0xfffffe.
uint32_t otherThanBlackOrWhite(QRgb rgb) { return ((rgb & 0xffffffu) + 1) & 0xfffffeu; }

// The page a bit per pixel, white 1, or a null image when it holds another
// colour. This runs over every pixel of every page: the test of a row is a
// loop the compiler turns into vector code, the packing eight pixels a byte.
QImage packBlackAndWhite(const QImage& page) {
  const int width = page.width();
  QImage mono(page.size(), QImage::Format_Mono);
  mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  mono.fill(0);
  for (int y = 0; y < page.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    uint32_t other = 0;
    for (int x = 0; x < width; ++x) other |= otherThanBlackOrWhite(in[x]);
    if (other != 0) return QImage();
    uchar* out = mono.scanLine(y);
    int x = 0;
    for (; x + 8 <= width; x += 8) {
      uint32_t bits = 0;
      for (int k = 0; k < 8; ++k) bits = bits << 1 | (in[x + k] & 1);
      out[x >> 3] = static_cast<uchar>(bits);
    }
    for (; x < width; ++x) out[x >> 3] |= static_cast<uchar>((in[x] & 1) << (7 - (x & 7)));
  }
  return mono;
}

// The page as grey bytes, or the page itself when it has colour.
QImage greyOrColour(const QImage& page) {
  QImage grey(page.size(), QImage::Format_Grayscale8);
  for (int y = 0; y < page.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    uchar* out = grey.scanLine(y);
    for (int x = 0; x < page.width(); ++x) {
      QRgb rgb = in[x] & 0xffffff;
      uchar v = static_cast<uchar>(rgb);
      if (rgb != v * 0x010101u) return page;
      out[x] = v;
    }
  }
  return grey;
}

void appendBytes(png_structp png, png_bytep data, size_t size) {
  static_cast<QByteArray*>(png_get_io_ptr(png))
      ->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void noFlush(png_structp) {}

void noWarning(png_structp, png_const_charp) {}

// Silent: a failure falls back to Qt's writer, which has its own messages.
[[noreturn]] void jumpBack(png_structp png, png_const_charp) { png_longjmp(png, 1); }

bool isBlackAndWhite(const QImage& image) {
  return image.format() == QImage::Format_Mono &&
         image.colorTable() == QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)};
}

// libpng reports errors by a long jump back to here, so this function holds
// nothing that would need destroying.
bool encodeRows(png_structp png, png_infop info, const QImage& image, QByteArray* bytes) {
  if (setjmp(png_jmpbuf(png))) return false;
  bool mono = image.format() == QImage::Format_Mono;
  png_set_write_fn(png, bytes, appendBytes, noFlush);
  if (mono) {
    // Runs of white and black, and rows like the ones above them, are what
    // a page is made of: as small as the default compression and all
    // filters, in a fifth of the time.
    png_set_compression_strategy(png, Z_RLE);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE | PNG_FILTER_UP);
  } else {
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  }
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
               static_cast<png_uint_32>(image.height()), mono ? 1 : 8, PNG_COLOR_TYPE_GRAY,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_set_pHYs(png, info, static_cast<png_uint_32>(image.dotsPerMeterX()),
               static_cast<png_uint_32>(image.dotsPerMeterY()), PNG_RESOLUTION_METER);
  png_write_info(png, info);
  for (int y = 0; y < image.height(); ++y) png_write_row(png, image.constScanLine(y));
  png_write_end(png, info);
  return true;
}

}  // namespace

QImage compactPage(const QImage& page) {
  QImage mono = packBlackAndWhite(page);
  return mono.isNull() ? greyOrColour(page) : mono;
}

QByteArray encodeGreyPng(const QImage& image) {
  if (!isBlackAndWhite(image) && image.format() != QImage::Format_Grayscale8) return {};
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpBack, noWarning);
  if (png == nullptr) return {};
  png_infop info = png_create_info_struct(png);
  QByteArray bytes;
  bool encoded = info != nullptr && encodeRows(png, info, image, &bytes);
  png_destroy_write_struct(&png, &info);
  return encoded ? bytes : QByteArray();
}
