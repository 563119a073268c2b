// The window program, started by melibron when no command is given, and for
// the commands whose output only Qt draws.
#include <QApplication>
#include <iostream>

#include "cli/command_line.h"
#include "cli/paths.h"
#include "shell/desktop.h"
#include "shell/qt_commands.h"

int main(int argc, char** argv) {
  CommandLine line;
  if (!parseProgramArguments(argc, argv, &line, std::cerr)) return 1;
  if (line.action != CommandAction::kWindow) return runQtCommand(argc, argv);
  QApplication application(argc, argv);
  std::string file = line.files.empty() ? std::string() : line.files.front();
  return runDesktopProgram(application, libraryDirectory(line.libOption), file);
}
