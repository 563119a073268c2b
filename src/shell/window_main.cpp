// The window program, started by melibron when no command is given, and for
// the commands whose output only Qt draws.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/paths.h"
#include "shell/desktop.h"
#include "shell/qt_commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  CommandLine line;
  std::string error;
  if (!parseCommandLine(args, &line, &error)) {
    std::cerr << "melibron: " << error << "\n";
    return 1;
  }
  if (line.action != CommandAction::kWindow) return runQtCommand(argc, argv);
  QApplication application(argc, argv);
  std::string file = line.files.empty() ? std::string() : line.files.front();
  return runDesktopProgram(application, libraryDirectory(line.libOption), file);
}
