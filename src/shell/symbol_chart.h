// A chart of the 200 library slots: each symbol fitted into a cell with its
// number and name, libraries in rows, positions 0..9 in columns.
#pragma once

#include <string>

#include "shell/page_export.h"

// Draws the loaded library table into a PNG image at path (empty slots show
// only their number). Only options.antialias is used. Returns false with
// *error set when the image cannot be written; nothing is left behind then.
bool writeSymbolChart(const std::string& path, const PageOptions& options, std::string* error);
