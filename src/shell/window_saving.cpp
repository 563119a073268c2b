// Saving the loaded data: Save to the page's own file, Save As a new page,
// Save As PMX, and the question before unsaved changes would be lost.
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <filesystem>

#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/pmx_export.h"
#include "shell/main_window.h"
#include "shell/messages.h"

namespace {

constexpr int kStatusMessageMilliseconds = 4000;

std::string fileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

bool MainWindow::save() {
  if (filePath_.empty()) return false;  // nothing was opened
  // A listing is not overwritten with a page: it gets a page of its own.
  if (openedListing_) return saveAs();
  return writePage(filePath_);
}

bool MainWindow::saveAs() {
  if (filePath_.empty()) return false;
  std::filesystem::path suggested = std::filesystem::path(filePath_).replace_extension(".mus");
  std::string path = interaction_->chooseFileToSave(suggested.string(), kMusFileFilter, "mus");
  if (path.empty()) return false;
  if (!writePage(path)) return false;
  filePath_ = path;
  openedListing_ = false;
  rememberRecent(path);
  showTitle();
  return true;
}

bool MainWindow::writePage(const std::string& path) {
  // The hand-over writer replaces the file in one step.
  std::string error;
  if (!writeMusFile(path, document_, &error)) {
    message("Unable to save file " + path + ":\n" + error, "Save", MessageIcon::kExclamation);
    return false;
  }
  history_.markSaved();
  showTitle();
  statusBar()->showMessage(QString::fromStdString("Saved " + path), kStatusMessageMilliseconds);
  return true;
}

void MainWindow::savePmxCommand() {
  if (document_.itemTable.itemCount <= 0) return;
  std::string suggested = QDir::current().filePath(kPmxFileName).toStdString();
  std::string path = interaction_->chooseFileToSave(suggested, kPmxFileFilter, "pmx");
  if (path.empty()) return;
  std::string error;
  if (!exportPmx(path, document_, &error)) {
    message(error, "Save As PMX", MessageIcon::kExclamation);
    return;
  }
  message("Saved current data as \"" + path + "\"", "Save As PMX", MessageIcon::kNone);
}

bool MainWindow::mayLoseChanges(const std::string& before) {
  if (!history_.modified()) return true;
  std::string question = "Save the changes to " + fileNameOf(filePath_) + " " + before + "?";
  switch (interaction_->askToSave(question)) {
    case SaveChoice::kSave: return save();
    case SaveChoice::kDiscard: return true;
    case SaveChoice::kCancel: return false;
  }
  return false;
}

void MainWindow::showTitle() {
  if (filePath_.empty()) {
    setWindowTitle("Melibron");
    return;
  }
  // Qt shows the [*] as the modified mark while the window is modified.
  setWindowTitle(QString::fromStdString(fileNameOf(filePath_)) + "[*] \u2014 MELIBRON");
  setWindowModified(history_.modified());
}
