// The desktop program: the main window and everything it opens.
#pragma once

#include <string>

class QApplication;

// Runs the main window until the user exits; returns the exit status.
// libraryDirectory holds the twenty .drw files; fileToOpen may be empty.
int runDesktopProgram(QApplication& application, const std::string& libraryDirectory,
                      const std::string& fileToOpen);

class Interaction;

// The same with messages and dialogs going through interaction (null: real
// message boxes and dialogs). Returns 1 without showing the window when the
// symbol libraries cannot be read.
int runDesktopProgram(QApplication& application, const std::string& libraryDirectory,
                      const std::string& fileToOpen, Interaction* interaction);
