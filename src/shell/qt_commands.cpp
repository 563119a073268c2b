#include "shell/qt_commands.h"

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/qt_conversions.h"
#include "shell/page_book.h"
#include "shell/page_painting.h"
#include "shell/symbol_chart.h"

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

void provideQtDrawnConversions() {
  QtConversions conversions;
  conversions.writePdfPage = writePdfPage;
  conversions.writePdfBook = writePdfBook;
  conversions.writeSymbolChart = writeSymbolChart;
  provideQtConversions(conversions);
}

int runQtCommand(int argc, char** argv) {
  // Drawing into files needs no display; an explicit choice still wins.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qtHandler = qInstallMessageHandler(quietHandler);
  // PDF text and the chart's labels are drawn with the platform's fonts.
  QGuiApplication application(argc, argv);
  provideQtDrawnConversions();
  std::vector<std::string> args(argv + 1, argv + argc);
  return runCommandLine(args, std::cout, std::cerr);
}
