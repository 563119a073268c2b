#include "paint/recording_surface.h"

#include <string>

namespace {

const char* brushName(StockBrush brush) {
  return brush == StockBrush::kBlack ? "black" : "white";
}

}  // namespace

void RecordingSurface::points(const Vector* points, int count) {
  listing_ += std::to_string(count);
  for (int i = 0; i < count; ++i) {
    listing_ += ' ' + std::to_string(points[i].x) + ' ' + std::to_string(points[i].y);
  }
  listing_ += '\n';
}

void RecordingSurface::moveTo(int x, int y) {
  listing_ += "moveto " + std::to_string(x) + ' ' + std::to_string(y) + '\n';
}

void RecordingSurface::lineTo(int x, int y) {
  listing_ += "lineto " + std::to_string(x) + ' ' + std::to_string(y) + '\n';
}

void RecordingSurface::polyline(const Vector* points, int count) {
  listing_ += "polyline ";
  this->points(points, count);
}

void RecordingSurface::polygon(const Vector* points, int count) {
  listing_ += "polygon ";
  listing_ += brushName(brush_);
  listing_ += ' ';
  this->points(points, count);
}

void RecordingSurface::polyBezier(const Vector* points, int count) {
  listing_ += "polybezier ";
  this->points(points, count);
}

void RecordingSurface::selectStockBrush(StockBrush brush) { brush_ = brush; }

void RecordingSurface::selectWidePen(int width) {
  listing_ += "pen " + std::to_string(width) + '\n';
}

void RecordingSurface::restorePen() { listing_ += "pen restore\n"; }

void RecordingSurface::beginPath() { listing_ += "beginpath\n"; }

void RecordingSurface::endPath() { listing_ += "endpath\n"; }

void RecordingSurface::strokePath() { listing_ += "strokepath\n"; }

void RecordingSurface::setViewportOrigin(int x, int y) {
  listing_ += "origin " + std::to_string(x) + ' ' + std::to_string(y) + '\n';
}

void RecordingSurface::textOut(int x, int y, const char* text, int length) {
  listing_ += "text " + std::to_string(x) + ' ' + std::to_string(y) + ' ';
  for (int i = 0; i < length; ++i) {
    // A line break inside the text would split the call over two lines.
    char c = text[i];
    listing_ += (c == '\n' || c == '\r') ? ' ' : c;
  }
  listing_ += '\n';
}

void RecordingSurface::fillRectangle(int x, int y, int width, int height) {
  listing_ += "fill " + std::to_string(x) + ' ' + std::to_string(y) + ' ' +
              std::to_string(width) + ' ' + std::to_string(height) + '\n';
}
