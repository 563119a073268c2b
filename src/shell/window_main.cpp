// The window program, started by melibron when no command is given.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/desktop.h"
#include "shell/paths.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  CommandLine line;
  std::string error;
  if (!parseCommandLine(args, &line, &error)) {
    std::cerr << "melibron: " << error << "\n";
    return 1;
  }
  if (line.action != CommandAction::kWindow) {
    // Only melibron runs commands; this program is its window.
    std::cerr << "melibron-window: give commands to melibron\n";
    return 1;
  }
  QApplication application(argc, argv);
  std::string file = line.files.empty() ? std::string() : line.files.front();
  return runDesktopProgram(application, libraryDirectory(line.libOption), file);
}
