// "Show library items": ten symbols of one library drawn straight into the
// window, and the first of them dumped to the file "vectorlist".
#include <QPainter>
#include <cstdio>
#include <cstring>

#include "library/library_table.h"
#include "paint/painter.h"
#include "shell/library_items_dialog.h"
#include "shell/main_window.h"
#include "shell/messages.h"
#include "shell/qt_surface.h"
#include "shell/score_area.h"

namespace {

constexpr int kFirstSymbolX = 20;
constexpr int kSymbolPitch = 70;
constexpr int kSymbolBaseY = 600;
constexpr int kNameOffsetY = -200;

}  // namespace

void MainWindow::showLibraryItems() {
  LibraryItemsDialog dialog(this, shownLibrary_);
  interaction_->runModal(dialog);
  renderLibraryDisplay();
  // The display stands until the next change of the window's content.
  libraryDisplayShown_ = true;
  area_->viewport()->repaint();
  message(kVectorListText, "Help", MessageIcon::kNone);
  writeVectorList();
}

void MainWindow::renderLibraryDisplay() {
  QPainter painter(&libraryDisplay_);
  QtSurface surface(painter);
  surface.selectStockBrush(StockBrush::kWhite);
  surface.fillRectangle(0, 0, screenSize_.width(), screenSize_.height());
  for (int i = 0; i < kSymbolsPerLibrary; ++i) {
    // An empty slot leaves its place blank.
    const LibrarySymbol* symbol = findLibrarySymbol(shownLibrary_ * kSymbolsPerLibrary + i);
    if (symbol == nullptr) continue;
    surface.setViewportOrigin(kFirstSymbolX + kSymbolPitch * i, kSymbolBaseY);
    drawSymbol(surface, *symbol);
    surface.textOut(0, kNameOffsetY, symbol->name,
                    static_cast<int>(strnlen(symbol->name, sizeof symbol->name)));
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
