// The main window's size and place between runs, kept in a file of its own
// (the ten-line settings file keeps only the utilities).
#pragma once

#include <string>

class QWidget;

// Gives window the size of its normal (not maximised) state: two thirds of
// the available screen, centred on it.
void setDefaultNormalGeometry(QWidget& window);

// Writes window's geometry (normal size and place, maximised or not) to
// path; false when it cannot be written.
bool saveWindowGeometry(const QWidget& window, const std::string& path);

// Restores the geometry saved at path; false (window unchanged) when there
// is none or it cannot be read.
bool restoreWindowGeometry(QWidget& window, const std::string& path);
