// The window's drawing mode between runs, kept in a small file of its own
// beside the settings file: one line, "complete" or "basic".
#pragma once

#include <string>

#include "view/drawing_mode.h"

// The mode stored at path; complete when there is no file or it says
// anything else.
DrawingMode readDrawingMode(const std::string& path);

// Writes mode to path in one step; false with *error set when it cannot be
// written.
bool writeDrawingMode(const std::string& path, DrawingMode mode, std::string* error);
