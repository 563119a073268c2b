// Draws the 200 symbols of a library directory into one chart image, each in
// its cell over a staff, as the program draws them: even-odd filled polygons
// outlined with a thin pen, so transparent holes show the staff lines.
//   symbol_chart LIBRARY_DIR OUTPUT.png [ZOOM [FIRST_LIBRARY LAST_LIBRARY]]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "library/library_table.h"

namespace {

constexpr int kColumns = 10;
constexpr int kCellWidth = 150;
constexpr int kCellHeight = 210;
constexpr double kPixelsPerUnit = 0.25;  // a staff space of 56 units is 14 pixels
constexpr double kStep = 28 * kPixelsPerUnit;
constexpr int kLabelHeight = 18;

// How a symbol sits on its staff in the layout: the bottom line lies this
// many steps below the symbol's origin, and the symbol is drawn this much
// larger than the ordinary scale.
struct Context {
  double bottomLineSteps;
  double scale;
};

Context contextOf(int number) {
  if (number <= 2) return {0, 1};                    // clefs: reference on the bottom line
  if (number == 18 || number == 19) return {-3, 3};  // time signs: three steps below
  if (number == 20) return {3, 1};                   // flag: one step below a note on step 4
  if (number >= 40 && number <= 44) return {5, 1};   // rests: five steps above
  if (number >= 50 && number <= 73) return {-4, 1};  // dynamics and pedal marks below the staff
  return {4, 1};                                     // notes and signs on the middle line
}

void drawStaff(QPainter& p, QPointF origin, double bottomLineSteps) {
  p.setPen(QPen(QColor(120, 120, 120), 1));
  double bottom = origin.y() + bottomLineSteps * kStep;
  for (int line = 0; line < 5; ++line) {
    double y = bottom - 2 * line * kStep;
    p.drawLine(QPointF(origin.x() - 40, y), QPointF(origin.x() + 100, y));
  }
}

QPolygonF pointsOf(const LibrarySymbol& s, size_t first, int count, QPointF origin, double scale) {
  QPolygonF polygon;
  for (int i = 0; i < count && first + i < s.vectors.size(); ++i) {
    const Vector& v = s.vectors[first + i];
    polygon << QPointF(origin.x() + v.x * scale, origin.y() + v.y * scale);
  }
  return polygon;
}

// The draw list as the program reads it; a Bezier run is drawn by the next
// black polygon, from the point before the run.
void drawSymbolAt(QPainter& p, const LibrarySymbol& s, QPointF origin, double scale) {
  QPen pen(Qt::black, 1);
  pen.setCosmetic(true);  // one device pixel at any zoom, like the program's pen
  p.setPen(pen);
  size_t cursor = 0, runStart = 0;
  int runCount = 0;
  for (const DrawEntry& e : s.drawList) {
    QPolygonF points = pointsOf(s, cursor, e.pointCount, origin, scale);
    if (e.op == kPolyline) {
      p.drawPolyline(points);
    } else if (e.op == kBlackPolygon || e.op == kWhitePolygon) {
      if (e.op == kBlackPolygon && runCount > 0) {
        QPolygonF run = pointsOf(s, runStart, runCount + 1, origin, scale);
        QPainterPath path(run.value(0));
        for (int i = 1; i + 2 < run.size(); i += 3) path.cubicTo(run[i], run[i + 1], run[i + 2]);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        runCount = 0;
      }
      p.setBrush(e.op == kBlackPolygon ? Qt::black : Qt::white);
      p.drawPolygon(points, Qt::OddEvenFill);
    } else if (e.op == kBezierPoint && cursor > 0) {
      if (runCount == 0) runStart = cursor - 1;
      ++runCount;
    }
    cursor += static_cast<size_t>(std::max(e.pointCount, 0));
  }
}

void drawCell(QPainter& p, int number, int firstRow) {
  QPointF corner((number % kColumns) * kCellWidth, (number / kColumns - firstRow) * kCellHeight);
  p.setPen(QColor(200, 200, 200));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(corner, QSizeF(kCellWidth, kCellHeight)));
  const LibrarySymbol* s = findLibrarySymbol(number);
  std::string name = s ? std::string(s->name, strnlen(s->name, 5)) : "";
  p.setPen(Qt::black);
  p.drawText(QRectF(corner + QPointF(4, 2), QSizeF(kCellWidth - 8, kLabelHeight)), Qt::AlignLeft,
             QString("%1 %2").arg(number).arg(QString::fromStdString(name)));
  if (!s || s->drawList.empty()) return;
  Context context = contextOf(number);
  QPointF origin = corner + QPointF(45, 125);
  drawStaff(p, origin, context.bottomLineSteps);
  drawSymbolAt(p, *s, origin, kPixelsPerUnit * context.scale);
  p.setPen(QPen(Qt::red, 1));
  p.drawLine(origin - QPointF(3, 0), origin + QPointF(3, 0));
  p.drawLine(origin - QPointF(0, 3), origin + QPointF(0, 3));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4 && argc != 6) {
    std::fprintf(stderr, "usage: %s LIBRARY_DIR OUTPUT.png [ZOOM [FIRST_LIBRARY LAST_LIBRARY]]\n",
                 argv[0]);
    return 2;
  }
  QGuiApplication app(argc, argv);
  std::string error;
  if (!loadLibraries(argv[1], &error)) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
    return 1;
  }
  // A zoomed chart shows the fine detail: seams, spikes and flat facets.
  double zoom = argc >= 4 ? std::clamp(std::atof(argv[3]), 0.1, 8.0) : 1.0;
  int first = argc == 6 ? std::clamp(std::atoi(argv[4]), 0, kLibraryCount - 1) : 0;
  int last = argc == 6 ? std::clamp(std::atoi(argv[5]), first, kLibraryCount - 1)
                       : kLibraryCount - 1;
  QImage image(static_cast<int>(kColumns * kCellWidth * zoom),
               static_cast<int>((last - first + 1) * kCellHeight * zoom), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(zoom, zoom);
  for (int number = first * kColumns; number < (last + 1) * kColumns; ++number) {
    drawCell(painter, number, first);
  }
  painter.end();
  if (!image.save(argv[2])) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return 1;
  }
  return 0;
}
