#include "shell/qt_surface.h"

#include <QPolygon>
#include <algorithm>

namespace {

// Wider pens than this cannot come from a sane staff size; the limit keeps a
// hostile size from asking the rasteriser for a stroke of billions of pixels.
constexpr int kMaxPenWidth = 32767;

QPolygon toPolygon(const Vector* points, int count) {
  QPolygon polygon(count);
  for (int i = 0; i < count; ++i) polygon.setPoint(i, points[i].x, points[i].y);
  return polygon;
}

}  // namespace

QPen QtSurface::stockPen() {
  // Width 0 is Qt's cosmetic one-pixel pen; the flat cap leaves out the end
  // pixel of a line, as the platform's LineTo does.
  QPen pen(Qt::black, 0);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

QtSurface::QtSurface(QPainter& painter) : painter_(painter), rememberedPen_(stockPen()) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setPen(stockPen());
  painter_.setBrush(Qt::white);
  painter_.resetTransform();
}

void QtSurface::moveTo(int x, int y) {
  position_ = QPoint(x, y);
  if (pathOpen_) path_.moveTo(position_);
}

void QtSurface::lineTo(int x, int y) {
  QPoint end(x, y);
  if (pathOpen_) {
    // A path begun without a move starts at the current position.
    if (path_.elementCount() == 0) path_.moveTo(position_);
    path_.lineTo(end);
  } else {
    painter_.drawLine(position_, end);
  }
  position_ = end;
}

void QtSurface::polyline(const Vector* points, int count) {
  if (points == nullptr || count < 2) return;
  painter_.drawPolyline(toPolygon(points, count));
}

void QtSurface::polygon(const Vector* points, int count) {
  if (points == nullptr || count < 2) return;
  painter_.drawPolygon(toPolygon(points, count), Qt::OddEvenFill);
}

void QtSurface::polyBezier(const Vector* points, int count) {
  if (points == nullptr || count < 4 || (count - 1) % 3 != 0) return;
  QPainterPath curve(QPointF(points[0].x, points[0].y));
  for (int i = 1; i + 2 < count; i += 3) {
    curve.cubicTo(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y,
                  points[i + 2].x, points[i + 2].y);
  }
  painter_.strokePath(curve, painter_.pen());
}

void QtSurface::selectStockBrush(StockBrush brush) {
  painter_.setBrush(brush == StockBrush::kBlack ? Qt::black : Qt::white);
}

void QtSurface::selectWidePen(int width) {
  rememberedPen_ = painter_.pen();
  // A width below 1 would make no geometric pen; the one-pixel line that is
  // drawn then is what a failed pen creation leaves on the page as well.
  QPen pen(QBrush(Qt::black), std::clamp(width, 0, kMaxPenWidth), Qt::SolidLine, Qt::FlatCap,
           Qt::MiterJoin);
  painter_.setPen(pen);
}

void QtSurface::restorePen() { painter_.setPen(rememberedPen_); }

void QtSurface::beginPath() {
  path_ = QPainterPath();
  pathOpen_ = true;
}

void QtSurface::endPath() { pathOpen_ = false; }

void QtSurface::strokePath() {
  painter_.strokePath(path_, painter_.pen());
  path_ = QPainterPath();
}

void QtSurface::setViewportOrigin(int x, int y) {
  painter_.setTransform(QTransform::fromTranslate(x, y));
}

void QtSurface::textOut(int x, int y, const char* text, int length) {
  if (text == nullptr || length <= 0) return;
  painter_.save();
  painter_.setPen(Qt::black);
  painter_.setBackgroundMode(Qt::TransparentMode);
  // The given point is the top-left corner of the text, not its baseline.
  QFontMetrics metrics = painter_.fontMetrics();
  painter_.drawText(QPoint(x, y + metrics.ascent()), QString::fromLatin1(text, length));
  painter_.restore();
}

void QtSurface::fillRectangle(int x, int y, int width, int height) {
  painter_.fillRect(QRectF(x, y, width, height).normalized(), painter_.brush());
}
