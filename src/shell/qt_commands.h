// The Qt program's part of the commands: the conversions only Qt draws,
// handed to the command code, and the application they draw in.
#pragma once

// Provides the PDF page, the PDF book and the symbol chart to the command
// code (cli/qt_conversions.h).
void provideQtDrawnConversions();

// Runs a command line other than the window's, as melibron does, with the
// Qt conversions and a window-less QGuiApplication. Returns the exit status.
int runQtCommand(int argc, char** argv);
