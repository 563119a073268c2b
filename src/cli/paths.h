// Where the program's fixed files live.
#pragma once

#include <string>

// The symbol-library directory: the --lib option when given (non-empty),
// else MELIBRON_LIB, else the build's libraries for a program of the build,
// else <prefix>/share/melibron/lib beside the program, else the configured
// installation folder.
std::string libraryDirectory(const std::string& libOption);

// The user's data directory (MELIBRON_SCORE_DIR, else
// $XDG_DATA_HOME/melibron, else ~/.local/share/melibron), created if needed.
std::string scoreDirectory();

// Files in the user's data directory.
std::string settingsFilePath();  // melibron.ini
std::string handOverFilePath();  // tempfile.mus
// The window's own state, each in a small file beside the settings file.
std::string windowGeometryFilePath();  // window-geometry
std::string recentFilesFilePath();     // recent-files
std::string drawingModeFilePath();     // drawing-mode
