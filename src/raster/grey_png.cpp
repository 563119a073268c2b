#include "raster/grey_png.h"

#include <png.h>
#include <zlib.h>

#include "raster/run_deflate.h"

namespace {

void appendBytes(png_structp png, png_bytep data, size_t size) {
  auto* bytes = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  bytes->insert(bytes->end(), data, data + size);
}

void noFlush(png_structp) {}

void noWarning(png_structp, png_const_charp) {}

// Silent: the caller says that the image could not be written.
[[noreturn]] void jumpBack(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Eight pixels a byte, white 1, the row's end padded with 0.
void packRow(const uint8_t* in, int width, uint8_t* out) {
  int x = 0;
  for (; x + 8 <= width; x += 8) {
    unsigned bits = 0;
    for (int k = 0; k < 8; ++k) bits = bits << 1 | (in[x + k] & 1);
    out[x >> 3] = static_cast<uint8_t>(bits);
  }
  if (x < width) out[x >> 3] = 0;
  for (; x < width; ++x) out[x >> 3] |= static_cast<uint8_t>((in[x] & 1) << (7 - (x & 7)));
}

void appendBigEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void appendChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  appendBigEndian(out, static_cast<uint32_t>(data.size()));
  size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
  appendBigEndian(out, static_cast<uint32_t>(crc));
}

// A byte a pixel, written here rather than by libpng: its compressor spends
// tens of instructions a byte on what is mostly runs of white.
std::vector<uint8_t> encodeGreyBytes(const GreyPage& page, uint32_t dotsPerMeter) {
  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::vector<uint8_t> header;
  appendBigEndian(header, static_cast<uint32_t>(page.width));
  appendBigEndian(header, static_cast<uint32_t>(page.height));
  header.insert(header.end(), {8, 0, 0, 0, 0});  // grey bytes, no filtering beyond type 0
  appendChunk(out, "IHDR", header);
  std::vector<uint8_t> density;
  appendBigEndian(density, dotsPerMeter);
  appendBigEndian(density, dotsPerMeter);
  density.push_back(1);  // per metre
  appendChunk(out, "pHYs", density);
  RunDeflate deflate;
  for (int y = 0; y < page.height; ++y)
    deflate.addRow(page.row(y), static_cast<size_t>(page.width));
  appendChunk(out, "IDAT", deflate.finish());
  appendChunk(out, "IEND", {});
  return out;
}

// libpng reports errors by a long jump back to here, so the rows buffer is
// the caller's and this function holds nothing that would need destroying.
bool encodeRows(png_structp png, png_infop info, const GreyPage& page, uint32_t dotsPerMeter,
                std::vector<uint8_t>* row, std::vector<uint8_t>* bytes) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, bytes, appendBytes, noFlush);
  // Runs of white and black are what a page is made of, its antialiased
  // text too; black-and-white rows are often like the ones above them.
  png_set_compression_strategy(png, Z_RLE);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE | PNG_FILTER_UP);
  png_set_IHDR(png, info, static_cast<png_uint_32>(page.width),
               static_cast<png_uint_32>(page.height), 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_set_pHYs(png, info, dotsPerMeter, dotsPerMeter, PNG_RESOLUTION_METER);
  png_write_info(png, info);
  for (int y = 0; y < page.height; ++y) {
    packRow(page.row(y), page.width, row->data());
    png_write_row(png, row->data());
  }
  png_write_end(png, info);
  return true;
}

}  // namespace

bool isBlackAndWhite(const GreyPage& page) {
  // Plain tests a row at a time, which the compiler turns into vector code;
  // a grey page is told by its first grey row.
  for (int y = 0; y < page.height; ++y) {
    const uint8_t* row = page.row(y);
    unsigned other = 0;
    for (int x = 0; x < page.width; ++x) other |= static_cast<uint8_t>(row[x] + 1) > 1;
    if (other != 0) return false;
  }
  return true;
}

std::vector<uint8_t> encodeGreyPng(const GreyPage& page, uint32_t dotsPerMeter) {
  if (page.width <= 0 || page.height <= 0) return {};
  if (!isBlackAndWhite(page)) return encodeGreyBytes(page, dotsPerMeter);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpBack, noWarning);
  if (png == nullptr) return {};
  png_infop info = png_create_info_struct(png);
  std::vector<uint8_t> row(static_cast<size_t>(page.width + 7) / 8);
  std::vector<uint8_t> bytes;
  bool encoded = info != nullptr && encodeRows(png, info, page, dotsPerMeter, &row, &bytes);
  png_destroy_write_struct(&png, &info);
  if (!encoded) bytes.clear();
  return bytes;
}
