#include "paint/recording_surface.h"

#include <cstdio>
#include <string>

namespace {

const char* brushName(StockBrush brush) { return brush == StockBrush::kBlack ? "black" : "white"; }

const char* fillName(PathFill fill) {
  switch (fill) {
    case PathFill::kNonZero: return "nonzero";
    case PathFill::kEvenOdd: return "evenodd";
    default: return "none";
  }
}

const char* styleName(FontStyle style) {
  switch (style) {
    case FontStyle::kBold: return "bold";
    case FontStyle::kItalic: return "italic";
    case FontStyle::kBoldItalic: return "bolditalic";
    default: return "roman";
  }
}

const char* verbName(PathVerb verb) {
  switch (verb) {
    case PathVerb::kMove: return "M";
    case PathVerb::kLine: return "L";
    case PathVerb::kCubic: return "C";
    default: return "Z";
  }
}

// The string between quotes, on one line.
void appendQuoted(std::string& out, const std::string& text) {
  out += '"';
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += (c == '\n' || c == '\r') ? ' ' : c;
  }
  out += '"';
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
  listing_ += "fill " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + std::to_string(width) +
              ' ' + std::to_string(height) + '\n';
}

void RecordingSurface::number(double v) {
  char buffer[512];
  int length = std::snprintf(buffer, sizeof buffer, "%.3f", v);
  std::string text(buffer, length > 0 ? static_cast<size_t>(length) : 0);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  listing_ += ' ';
  listing_ += text;
}

void RecordingSurface::drawPath(const SurfacePath& path, PathFill fill, const StrokeStyle& stroke) {
  listing_ += "path ";
  listing_ += fillName(fill);
  number(stroke.width);
  if (!stroke.dashes.empty()) {
    listing_ += " dash";
    for (double d : stroke.dashes) number(d);
  }
  if (path.wellFormed()) {
    size_t next = 0;
    for (PathVerb verb : path.verbs) {
      listing_ += ' ';
      listing_ += verbName(verb);
      for (int k = 0; k < pointsOfVerb(verb); ++k, ++next) {
        number(path.points[next].x);
        number(path.points[next].y);
      }
    }
  }
  listing_ += '\n';
}

void RecordingSurface::drawText(const TextRun& run) {
  listing_ += "text " + run.family + ' ' + styleName(run.style);
  number(run.size);
  number(run.x);
  number(run.y);
  number(run.rotation);
  if (run.spacing != 1) {
    listing_ += " spacing";
    number(run.spacing);
  }
  if (run.verticalScale != 1) {
    listing_ += " height";
    number(run.verticalScale);
  }
  listing_ += ' ';
  appendQuoted(listing_, run.text);
  listing_ += '\n';
}

void RecordingSurface::beginItem(int item) {
  if (listsItems_) listing_ += "item " + std::to_string(item) + '\n';
}

void RecordingSurface::endItem() {
  if (listsItems_) listing_ += "end item\n";
}
