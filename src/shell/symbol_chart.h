// A chart of the 200 library slots: each symbol fitted into a cell with its
// number and name, libraries in rows, positions 0..9 in columns.
#pragma once

#include <string>

#include "shell/page_painting.h"

class QPainter;
class QRect;
class QtSurface;

// Size of one cell of the chart.
constexpr int kSymbolCellWidth = 100;
constexpr int kSymbolCellHeight = 110;

// Draws library slot number into cell: a light frame, the symbol fitted
// and centred above the label "number name" (the number alone for an
// empty slot). surface draws with painter.
void drawSymbolCell(QPainter& painter, QtSurface& surface, int number, const QRect& cell);

// Draws the loaded library table into a PNG image at path (empty slots show
// only their number). Only options.antialias is used. Returns false with
// *error set when the image cannot be written; nothing is left behind then.
bool writeSymbolChart(const std::string& path, const PageOptions& options, std::string* error);
