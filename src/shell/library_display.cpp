#include "shell/library_display.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdio>

#include "library/library_table.h"
#include "shell/interaction.h"
#include "shell/library_items_dialog.h"
#include "shell/messages.h"
#include "shell/qt_surface.h"
#include "shell/symbol_chart.h"

namespace {

constexpr int kDisplayMargin = 20;
constexpr int kHeadingHeight = 30;

}  // namespace

std::vector<QRect> libraryDisplayCells(QSize client) {
  int columns =
      std::clamp((client.width() - 2 * kDisplayMargin) / kSymbolCellWidth, 1, kSymbolsPerLibrary);
  std::vector<QRect> cells;
  cells.reserve(kSymbolsPerLibrary);
  for (int i = 0; i < kSymbolsPerLibrary; ++i) {
    cells.emplace_back(kDisplayMargin + (i % columns) * kSymbolCellWidth,
                       kDisplayMargin + kHeadingHeight + (i / columns) * kSymbolCellHeight,
                       kSymbolCellWidth, kSymbolCellHeight);
  }
  return cells;
}

void LibraryDisplay::showChosen(QWidget* parent, QWidget* viewport, Interaction& ui,
                                bool smoothEdges) {
  LibraryItemsDialog dialog(parent, library_);
  ui.runModal(dialog);
  if (dialog.result() != QDialog::Accepted) return;  // Cancel shows and writes nothing
  render(viewport->size(), smoothEdges);
  shown_ = true;
  viewport->repaint();
  ui.showMessage(Message{kVectorListText, "Help", MessageIcon::kNone});
  writeVectorList(ui);
}

void LibraryDisplay::render(QSize client, bool smoothEdges) {
  image_.fill(Qt::white);
  QPainter painter(&image_);
  QtSurface surface(painter);
  painter.setRenderHint(QPainter::Antialiasing, smoothEdges);
  std::string heading = "Library " + std::to_string(library_);
  surface.textOut(kDisplayMargin, kDisplayMargin, heading.data(), static_cast<int>(heading.size()));
  std::vector<QRect> cells = libraryDisplayCells(client);
  for (int i = 0; i < kSymbolsPerLibrary; ++i) {
    drawSymbolCell(painter, surface, library_ * kSymbolsPerLibrary + i, cells[i]);
  }
}

void LibraryDisplay::writeVectorList(MessageSink& messages) const {
  const LibrarySymbol* first = findLibrarySymbol(library_ * kSymbolsPerLibrary);
  if (first == nullptr) return;  // nothing to dump from an empty slot
  FILE* file = std::fopen(kVectorListFileName, "wb");
  if (file == nullptr) {
    messages.showMessage(Message{std::string("Unable to create file ") + kVectorListFileName,
                                 "MELIBRON", MessageIcon::kExclamation});
    return;
  }
  dumpLibrarySymbol(file, *first);
  std::fclose(file);
}
