#include "shell/desktop.h"

#include <QApplication>
#include <QTimer>

#include "cli/paths.h"
#include "shell/main_window.h"
#include "shell/window_geometry.h"

int runDesktopProgram(QApplication& application, const std::string& libraryDirectory,
                      const std::string& fileToOpen) {
  return runDesktopProgram(application, libraryDirectory, fileToOpen, nullptr);
}

int runDesktopProgram(QApplication& application, const std::string& libraryDirectory,
                      const std::string& fileToOpen, Interaction* interaction) {
  MainWindow window(interaction);
  if (!window.initialise(libraryDirectory)) return 1;
  // The first run, or a run after a lost geometry file, starts maximised.
  if (restoreWindowGeometry(window, windowGeometryFilePath())) {
    window.show();
  } else {
    window.showMaximized();
  }
  if (!fileToOpen.empty()) {
    // Opened once the loop runs, when the maximised window has its size.
    QTimer::singleShot(0, &window, [&window, fileToOpen] { window.openFile(fileToOpen); });
  }
  return application.exec();
}
