#include "shell/desktop.h"

#include <QApplication>
#include <QTimer>

#include "shell/main_window.h"

int runDesktopProgram(QApplication& application, const std::string& libraryDirectory,
                      const std::string& fileToOpen) {
  return runDesktopProgram(application, libraryDirectory, fileToOpen, nullptr);
}

int runDesktopProgram(QApplication& application, const std::string& libraryDirectory,
                      const std::string& fileToOpen, Interaction* interaction) {
  MainWindow window(interaction);
  if (!window.initialise(libraryDirectory)) return 1;
  window.showMaximized();
  if (!fileToOpen.empty()) {
    // Opened once the loop runs, when the maximised window has its size.
    QTimer::singleShot(0, &window, [&window, fileToOpen] { window.openFile(fileToOpen); });
  }
  return application.exec();
}
