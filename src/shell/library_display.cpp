// "Show library items": the ten symbols of one library shown in the window,
// each fitted into a cell of a grid with its number and name, and the first
// of them dumped to the file "vectorlist".
#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "library/library_table.h"
#include "paint/painter.h"
#include "shell/library_items_dialog.h"
#include "shell/main_window.h"
#include "shell/messages.h"
#include "shell/qt_surface.h"
#include "shell/score_area.h"
#include "shell/symbol_chart.h"

namespace {

constexpr int kDisplayMargin = 20;
constexpr int kHeadingHeight = 30;

}  // namespace

std::vector<QRect> libraryDisplayCells(QSize client) {
  int columns =
      std::clamp((client.width() - 2 * kDisplayMargin) / kSymbolCellWidth, 1, kSymbolsPerLibrary);
  std::vector<QRect> cells;
  for (int i = 0; i < kSymbolsPerLibrary; ++i) {
    cells.emplace_back(kDisplayMargin + (i % columns) * kSymbolCellWidth,
                       kDisplayMargin + kHeadingHeight + (i / columns) * kSymbolCellHeight,
                       kSymbolCellWidth, kSymbolCellHeight);
  }
  return cells;
}

void MainWindow::showLibraryItems() {
  LibraryItemsDialog dialog(this, shownLibrary_);
  interaction_->runModal(dialog);
  if (dialog.result() != QDialog::Accepted) return;  // Cancel shows and writes nothing
  renderLibraryDisplay();
  // The display stands until the next change of the window's content.
  libraryDisplayShown_ = true;
  area_->viewport()->repaint();
  message(kVectorListText, "Help", MessageIcon::kNone);
  writeVectorList();
}

void MainWindow::renderLibraryDisplay() {
  QPainter painter(&libraryDisplay_);
  painter.fillRect(QRect(QPoint(0, 0), screenSize_), Qt::white);
  QtSurface surface(painter);
  painter.setRenderHint(QPainter::Antialiasing, smoothEdges_);
  std::string heading = "Library " + std::to_string(shownLibrary_);
  surface.textOut(kDisplayMargin, kDisplayMargin, heading.data(), static_cast<int>(heading.size()));
  std::vector<QRect> cells = libraryDisplayCells(clientSize());
  for (int i = 0; i < kSymbolsPerLibrary; ++i) {
    drawSymbolCell(painter, surface, shownLibrary_ * kSymbolsPerLibrary + i, cells[i]);
  }
}

void MainWindow::writeVectorList() {
  const LibrarySymbol* first = findLibrarySymbol(shownLibrary_ * kSymbolsPerLibrary);
  if (first == nullptr) return;  // nothing to dump from an empty slot
  FILE* file = std::fopen(kVectorListFileName, "wb");
  if (file == nullptr) {
    message(std::string("Unable to create file ") + kVectorListFileName, "MELIBRON",
            MessageIcon::kExclamation);
    return;
  }
  dumpLibrarySymbol(file, *first);
  std::fclose(file);
}
