// Entry point: a command that runs without the window, or the window program.
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/window_launch.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform warns that it has no runtime directory; commands
// that only write files never need one, and their standard error stays for
// their own messages.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) return;
  qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  CommandLine line;
  std::string error;
  if (!parseCommandLine(args, &line, &error)) {
    std::cerr << "melibron: " << error << "\n";
    return 1;
  }
  if (line.action == CommandAction::kWindow) return startWindowProgram(argv, std::cerr);
  std::unique_ptr<QGuiApplication> application;
  if (needsGuiApplication(line)) {
    // Drawing into files needs no display; an explicit choice still wins.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qtHandler = qInstallMessageHandler(quietHandler);
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  return runCommand(line, std::cout, std::cerr);
}
