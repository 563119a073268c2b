#include "shell/qt_surface.h"

#include <QFont>
#include <QGuiApplication>
#include <QPaintEngine>
#include <algorithm>
#include <cmath>

#include "paint/page_path.h"
#include "score/conversions.h"
#include "shell/polygon_stamps.h"
#include "shell/text_fonts.h"
#include "shell/text_run_cache.h"

namespace {

// Wider pens than this cannot come from a sane staff size; the limit keeps a
// hostile size from asking the rasteriser for a stroke of billions of pixels.
constexpr int kMaxPenWidth = 32767;

// Axis-aligned lines of the stock pen on a raster image are filled as
// one-pixel rectangles, many times cheaper than stroking and the same
// pixels. Beyond this reach, in points and in origin, the stroker clips in
// its own way, so far lines keep to the stroker.
constexpr int kFastLineReach = 16383;

bool withinReach(int v) { return v >= -kFastLineReach && v <= kFastLineReach; }

// Coordinates, widths and sizes beyond this many pixels come only from
// hostile input; the rasteriser is not asked to follow them.
constexpr double kMaxExtent = 1e7;

bool usable(double v) { return std::isfinite(v) && std::fabs(v) <= kMaxExtent; }

// The path as Qt's, or false when it is malformed or reaches nowhere sane.
bool toPainterPath(const SurfacePath& path, QPainterPath* out) {
  if (!path.wellFormed()) return false;
  for (const PathPoint& p : path.points) {
    if (!usable(p.x) || !usable(p.y)) return false;
  }
  const PathPoint* p = path.points.data();
  for (PathVerb verb : path.verbs) {
    switch (verb) {
      case PathVerb::kMove: out->moveTo(p[0].x, p[0].y); break;
      case PathVerb::kLine: out->lineTo(p[0].x, p[0].y); break;
      case PathVerb::kCubic: out->cubicTo(p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y); break;
      case PathVerb::kClose: out->closeSubpath(); break;
    }
    p += pointsOfVerb(verb);
  }
  return true;
}

// Qt counts dashes in pen widths and wants pairs; an odd list is taken
// twice, as PostScript does with one.
// A pattern of no length at all draws solid.
QPen strokePen(const StrokeStyle& stroke) {
  double width = std::min(stroke.width, static_cast<double>(kMaxPenWidth));
  QPen pen(QBrush(Qt::black), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  QList<qreal> pattern;
  double total = 0;
  for (size_t pass = 0; pass < (stroke.dashes.size() % 2 == 1 ? 2u : 1u); ++pass) {
    for (double d : stroke.dashes) {
      double length = usable(d) && d > 0 ? d : 0.0;
      pattern << length / width;
      total += length;
    }
  }
  if (total > 0) pen.setDashPattern(pattern);
  return pen;
}

// Text runs larger than this, in pixels, come only from hostile input.
constexpr double kMaxTextSize = 1e5;
constexpr double kMaxTextScale = 100;

}  // namespace

QPen QtSurface::stockPen() {
  // Width 0 is Qt's cosmetic one-pixel pen; the flat cap leaves out the end
  // pixel of a line, as the platform's LineTo does.
  QPen pen(Qt::black, 0);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

QtSurface::QtSurface(QPainter& painter, const PenWidths& widths, TextRunCache* textRuns)
    : painter_(painter),
      widths_(widths),
      rememberedPen_(stockPen()),
      stockPen_(stockPen()),
      blackBrush_(Qt::black),
      whiteBrush_(Qt::white),
      textRuns_(textRuns) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setPen(stockPen_);
  painter_.setBrush(whiteBrush_);
  painter_.resetTransform();
  checkWholePixels();
  vectorDevice_ = painter_.paintEngine()->type() != QPaintEngine::Raster;
}

void QtSurface::beginSymbol(const ComponentPlacement& placement) {
  placing_ = false;
  // A raster keeps the polygons while a library unit is under a device
  // pixel (screens, PNG pages to 600 dpi): they are as fine as the pixels.
  bool fine = vectorDevice_ || std::fabs(placement.scale) > 1;
  if (!fine || placement.symbol < 0 || placement.symbol >= kSymbolCount ||
      !usable(placement.scale)) {
    return;
  }
  const OutlineGlyph* outline = outlines_.outlineOf(placement.symbol);
  if (outline == nullptr) return;
  SurfacePath path;
  addSymbolOutline(path, *outline, placement);
  QPainterPath shape;
  if (!toPainterPath(path, &shape)) return;
  shape.setFillRule(Qt::WindingFill);
  painter_.fillPath(shape, blackBrush_);
  placing_ = true;
}

const QPoint* QtSurface::toPoints(const Vector* points, int count) {
  points_.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) points_[i] = QPoint(points[i].x, points[i].y);
  return points_.data();
}

void QtSurface::moveTo(int x, int y) {
  position_ = QPoint(x, y);
  if (pathOpen_) path_.moveTo(position_);
}

double QtSurface::lineWidth() const {
  double width = widths_.of(weight_);
  return usable(width) && width > 1 && painter_.pen() == stockPen_ ? width : 0;
}

void QtSurface::strokeWide(const QPainterPath& path, double width) {
  // A one-pixel line covers the pixels right of and below its points; the
  // wide line keeps to the same centres.
  painter_.strokePath(path.translated(0.5, 0.5), strokePen({width, {}}));
}

void QtSurface::lineTo(int x, int y) {
  QPoint end(x, y);
  double width = lineWidth();
  if (pathOpen_) {
    // A path begun without a move starts at the current position.
    if (path_.elementCount() == 0) path_.moveTo(position_);
    path_.lineTo(end);
  } else if (width > 0) {
    QPainterPath line(position_);
    line.lineTo(end);
    strokeWide(line, width);
  } else if (fillsAsRectangle(position_, end)) {
    // The stroker leaves out the end pixel in either direction, so the line
    // covers [min, max) along its axis.
    QPoint low(std::min(position_.x(), end.x()), std::min(position_.y(), end.y()));
    QPoint high(std::max(position_.x(), end.x()), std::max(position_.y(), end.y()));
    painter_.fillRect(
        QRect(low, QSize(std::max(high.x() - low.x(), 1), std::max(high.y() - low.y(), 1))),
        blackBrush_);
  } else {
    painter_.drawLine(position_, end);
  }
  position_ = end;
}

bool QtSurface::fillsAsRectangle(QPoint from, QPoint to) const {
  bool horizontal = from.y() == to.y();
  bool vertical = from.x() == to.x();
  // A zero-length line is a dot for the stroker; leave it to the stroker.
  if (horizontal == vertical) return false;
  if (!withinReach(from.x()) || !withinReach(from.y()) || !withinReach(to.x()) ||
      !withinReach(to.y())) {
    return false;
  }
  return plainRaster();
}

bool QtSurface::plainRaster() const {
  return wholePixels_ && !painter_.testRenderHint(QPainter::Antialiasing) &&
         painter_.compositionMode() == QPainter::CompositionMode_SourceOver &&
         painter_.pen() == stockPen_;
}

void QtSurface::checkWholePixels() {
  const QTransform& transform = painter_.deviceTransform();
  wholePixels_ = painter_.paintEngine()->type() == QPaintEngine::Raster &&
                 transform.type() <= QTransform::TxTranslate &&
                 withinReach(truncToInt(transform.dx())) && withinReach(truncToInt(transform.dy()));
  origin_ =
      wholePixels_ ? QPoint(truncToInt(transform.dx()), truncToInt(transform.dy())) : QPoint();
}

void QtSurface::polyline(const Vector* points, int count) {
  if (points == nullptr || count < 2 || placing_) return;
  const QPoint* qtPoints = toPoints(points, count);
  double width = lineWidth();
  if (width > 0) {
    QPainterPath line(qtPoints[0]);
    for (int i = 1; i < count; ++i) line.lineTo(qtPoints[i]);
    strokeWide(line, width);
    return;
  }
  painter_.drawPolyline(qtPoints, count);
}

void QtSurface::polygon(const Vector* points, int count) {
  if (points == nullptr || count < 2 || placing_) return;
  const QPoint* qtPoints = toPoints(points, count);
  if (plainRaster() && drawPolygonStamp(painter_, origin_, qtPoints, count)) return;
  painter_.drawPolygon(qtPoints, count, Qt::OddEvenFill);
}

void QtSurface::polyBezier(const Vector* points, int count) {
  if (points == nullptr || count < 4 || (count - 1) % 3 != 0 || placing_) return;
  QPainterPath curve(QPointF(points[0].x, points[0].y));
  for (int i = 1; i + 2 < count; i += 3) {
    curve.cubicTo(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, points[i + 2].x,
                  points[i + 2].y);
  }
  double width = lineWidth();
  if (width > 0) {
    strokeWide(curve, width);
  } else {
    painter_.strokePath(curve, painter_.pen());
  }
}

void QtSurface::selectStockBrush(StockBrush brush) {
  // The same two brush objects every time: the painter passes over a brush
  // that is already selected, where a new QBrush would be a change of state.
  painter_.setBrush(brush == StockBrush::kBlack ? blackBrush_ : whiteBrush_);
}

void QtSurface::selectWidePen(int width) {
  rememberedPen_ = painter_.pen();
  // A width below 1 would make no geometric pen; the one-pixel line that is
  // drawn then is what a failed pen creation leaves on the page as well.
  double outline = usable(widths_.wideOutline) ? std::clamp(widths_.wideOutline, 0.0, 1e3) : 0.0;
  QPen pen(QBrush(Qt::black), std::clamp(width, 0, kMaxPenWidth) + outline, Qt::SolidLine,
           Qt::FlatCap, Qt::MiterJoin);
  painter_.setPen(pen);
}

void QtSurface::restorePen() { painter_.setPen(rememberedPen_); }

void QtSurface::beginPath() {
  path_ = QPainterPath();
  pathOpen_ = true;
}

void QtSurface::endPath() { pathOpen_ = false; }

void QtSurface::strokePath() {
  double width = lineWidth();
  if (width > 0) {
    strokeWide(path_, width);
  } else {
    painter_.strokePath(path_, painter_.pen());
  }
  path_ = QPainterPath();
}

void QtSurface::setViewportOrigin(int x, int y) {
  painter_.setTransform(QTransform::fromTranslate(x, y));
  checkWholePixels();
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

void QtSurface::drawPath(const SurfacePath& path, PathFill fill, const StrokeStyle& stroke) {
  QPainterPath shape;
  bool stroked = usable(stroke.width) && stroke.width > 0;
  if ((fill == PathFill::kNone && !stroked) || !toPainterPath(path, &shape)) return;
  if (fill != PathFill::kNone) {
    shape.setFillRule(fill == PathFill::kEvenOdd ? Qt::OddEvenFill : Qt::WindingFill);
    painter_.fillPath(shape, blackBrush_);
  }
  if (stroked) painter_.strokePath(shape, strokePen(stroke));
}

void QtSurface::drawText(const TextRun& run) {
  // Fonts need the platform. The program makes one for everything that
  // draws text; a surface used without one draws none rather than fail.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return;
  if (run.text.empty() || !usable(run.x) || !usable(run.y) || !usable(run.rotation) ||
      !(run.size > 0 && run.size <= kMaxTextSize) || !(run.spacing >= 0) ||
      !(run.spacing <= kMaxTextScale) || !(run.verticalScale > 0) ||
      !(run.verticalScale <= kMaxTextScale)) {
    return;
  }
  // Qt's pixel sizes are whole; the fraction is given by scaling, so that a
  // 10.5-pixel run is as wide as it should be.
  int pixelSize = std::max(1, static_cast<int>(std::lround(run.size)));
  double scale = run.size / pixelSize;
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setPen(Qt::black);
  painter_.translate(run.x, run.y);
  painter_.rotate(run.rotation);
  painter_.scale(scale, scale * run.verticalScale);
  if (textRuns_ == nullptr) {
    painter_.setFont(textRunFont(run, pixelSize));
    painter_.drawText(QPointF(0, 0), QString::fromStdString(run.text));
  } else {
    const LaidOutRun& laidOut = textRuns_->laidOut(run, pixelSize);
    painter_.setFont(laidOut.font);
    painter_.drawStaticText(QPointF(0, -laidOut.ascent), laidOut.text);
  }
  painter_.restore();
}
