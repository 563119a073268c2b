#include "checking_surface.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

void CheckingSurface::add(int64_t v) {
  ++calls_;
  checksum_ = checksum_ * 31 + static_cast<uint64_t>(v);
}

// Every point is read; a negative count or a missing list is a painter fault.
void CheckingSurface::points(const Vector* points, int count) {
  if (count < 0 || (count > 0 && points == nullptr)) std::abort();
  for (int i = 0; i < count; ++i) add(int64_t{points[i].x} - points[i].y);
}

void CheckingSurface::moveTo(int x, int y) { add(int64_t{x} + y); }
void CheckingSurface::lineTo(int x, int y) { add(int64_t{x} - y); }
void CheckingSurface::polyline(const Vector* p, int count) { points(p, count); }
void CheckingSurface::polygon(const Vector* p, int count) { points(p, count); }
void CheckingSurface::polyBezier(const Vector* p, int count) { points(p, count); }
void CheckingSurface::selectStockBrush(StockBrush brush) { add(static_cast<int>(brush)); }

// The wide pen of a final barline is always given back, and paths never nest.
void CheckingSurface::selectWidePen(int width) {
  if (widePens_ != 0) std::abort();
  ++widePens_;
  add(width);
}

void CheckingSurface::restorePen() {
  if (widePens_ != 1) std::abort();
  --widePens_;
}

void CheckingSurface::beginPath() {
  if (inPath_) std::abort();
  inPath_ = true;
}

void CheckingSurface::endPath() {
  if (!inPath_) std::abort();
  inPath_ = false;
}

void CheckingSurface::strokePath() {
  if (inPath_) std::abort();
  add(1);
}

void CheckingSurface::setViewportOrigin(int x, int y) { add(int64_t{x} * 3 + y); }

void CheckingSurface::textOut(int x, int y, const char* text, int length) {
  if (length < 0 || (length > 0 && text == nullptr)) std::abort();
  add(int64_t{x} + y);
  for (int i = 0; i < length; ++i) add(text[i]);
}

void CheckingSurface::fillRectangle(int x, int y, int width, int height) {
  add(int64_t{x} + y + width + height);
}

void CheckingSurface::addReal(double v) {
  uint64_t bits = 0;
  std::memcpy(&bits, &v, sizeof bits);
  add(static_cast<int64_t>(bits));
}

// Every point of a path is read; the verbs must take exactly the points given.
void CheckingSurface::drawPath(const SurfacePath& path, PathFill fill, const StrokeStyle& stroke) {
  if (!path.wellFormed()) std::abort();
  add(static_cast<int64_t>(fill));
  addReal(stroke.width);
  for (double d : stroke.dashes) addReal(d);
  for (const PathPoint& p : path.points) addReal(p.x - p.y);
}

void CheckingSurface::drawText(const TextRun& run) {
  addReal(run.size);
  addReal(run.x + run.y + run.rotation);
  for (char c : run.family) add(c);
  for (char c : run.text) add(c);
}

// Items are numbered from 1 and never nest.
void CheckingSurface::beginItem(int item) {
  if (item < 1 || item_ != 0) std::abort();
  item_ = item;
  add(item);
}

void CheckingSurface::endItem() {
  if (item_ == 0) std::abort();
  item_ = 0;
}
