#include "shell/symbol_chart.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "layout/component_store.h"
#include "library/library_table.h"
#include "paint/painter.h"
#include "shell/qt_surface.h"
#include "shell/save_file.h"

namespace {

constexpr int kLabelHeight = 20;
constexpr int kSymbolBox = 80;  // symbols larger than this are scaled down to fit
constexpr int kMargin = 10;

struct Bounds {
  int64_t left, top, right, bottom;
};

Bounds boundsOf(const LibrarySymbol& symbol) {
  Bounds bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (const Vector& v : symbol.vectors) {
    bounds.left = std::min<int64_t>(bounds.left, v.x);
    bounds.right = std::max<int64_t>(bounds.right, v.x);
    bounds.top = std::min<int64_t>(bounds.top, v.y);
    bounds.bottom = std::max<int64_t>(bounds.bottom, v.y);
  }
  return bounds;
}

std::string labelOf(int number) {
  std::string label = std::to_string(number);
  if (const LibrarySymbol* symbol = findLibrarySymbol(number)) {
    label += " " + std::string(symbol->name, strnlen(symbol->name, sizeof symbol->name));
  }
  return label;
}

// Draws a copy of the symbol centred in the cell's picture area.
void drawFitted(QtSurface& surface, const LibrarySymbol& symbol, const QRect& area) {
  LibrarySymbol copy = symbol;
  Bounds bounds = boundsOf(copy);
  int64_t extent = std::max(bounds.right - bounds.left, bounds.bottom - bounds.top);
  if (extent > kSymbolBox) {
    scaleComponent(copy, static_cast<float>(kSymbolBox) / static_cast<float>(extent));
    bounds = boundsOf(copy);
  }
  int x = area.center().x() - static_cast<int>((bounds.left + bounds.right) / 2);
  int y = area.center().y() - static_cast<int>((bounds.top + bounds.bottom) / 2);
  surface.setViewportOrigin(x, y);
  drawSymbol(surface, copy);
  surface.setViewportOrigin(0, 0);
}

}  // namespace

void drawSymbolCell(QPainter& painter, QtSurface& surface, int number, const QRect& cell) {
  painter.save();
  painter.setPen(Qt::lightGray);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(cell);
  painter.restore();
  std::string label = labelOf(number);
  surface.textOut(cell.left() + 4, cell.bottom() - kLabelHeight + 2, label.data(),
                  static_cast<int>(label.size()));
  const LibrarySymbol* symbol = findLibrarySymbol(number);
  if (symbol == nullptr || symbol->vectors.empty()) return;
  drawFitted(surface, *symbol, cell.adjusted(0, 0, 0, -kLabelHeight));
}

bool writeSymbolChart(const std::string& path, const PageOptions& options, std::string* error) {
  QImage image(kSymbolsPerLibrary * kSymbolCellWidth + 2 * kMargin,
               kLibraryCount * kSymbolCellHeight + 2 * kMargin, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtSurface surface(painter);
  painter.setRenderHint(QPainter::Antialiasing, options.antialias);
  for (int number = 0; number < kSymbolCount; ++number) {
    QRect cell(kMargin + (number % kSymbolsPerLibrary) * kSymbolCellWidth,
               kMargin + (number / kSymbolsPerLibrary) * kSymbolCellHeight, kSymbolCellWidth,
               kSymbolCellHeight);
    drawSymbolCell(painter, surface, number, cell);
  }
  painter.end();
  QByteArray encoded;
  QBuffer file(&encoded);
  file.open(QIODevice::WriteOnly);
  if (!image.save(&file, "PNG")) {
    *error = "the PNG image could not be written";
    return false;
  }
  return saveBytes(path, encoded, error);
}
