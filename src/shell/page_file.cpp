#include "shell/page_file.h"

#include <QDir>
#include <QMainWindow>
#include <QStatusBar>
#include <filesystem>

#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/pmx_export.h"
#include "shell/edit_history.h"
#include "shell/interaction.h"
#include "shell/messages.h"

namespace {

constexpr int kStatusMessageMilliseconds = 4000;

std::string fileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

PageFile::PageFile(const Document& document, EditHistory& history, Interaction& ui,
                   QMainWindow& window, std::function<void(const std::string& path)> savedAs)
    : document_(document),
      history_(history),
      ui_(ui),
      window_(window),
      savedAs_(std::move(savedAs)) {}

void PageFile::opened(const std::string& path, bool listing) {
  path_ = path;
  listing_ = listing;
}

bool PageFile::save() {
  if (path_.empty()) return false;  // nothing was opened
  // A listing is not overwritten with a page: it gets a page of its own.
  if (listing_) return saveAs();
  return writePage(path_);
}

bool PageFile::saveAs() {
  if (path_.empty()) return false;
  std::filesystem::path suggested = std::filesystem::path(path_).replace_extension(".mus");
  std::string path = ui_.chooseFileToSave(suggested.string(), kMusFileFilter, "mus");
  if (path.empty()) return false;
  if (!writePage(path)) return false;
  path_ = path;
  listing_ = false;
  savedAs_(path);
  showTitle();
  return true;
}

bool PageFile::writePage(const std::string& path) {
  // The hand-over writer replaces the file in one step.
  std::string error;
  if (!writeMusFile(path, document_, &error)) {
    ui_.showMessage(
        Message{"Unable to save file " + path + ":\n" + error, "Save", MessageIcon::kExclamation});
    return false;
  }
  history_.markSaved();
  showTitle();
  window_.statusBar()->showMessage(QString::fromStdString("Saved " + path),
                                   kStatusMessageMilliseconds);
  return true;
}

void PageFile::savePmx() {
  if (document_.itemTable.itemCount <= 0) return;
  std::string suggested = QDir::current().absoluteFilePath(kPmxFileName).toStdString();
  std::string path = ui_.chooseFileToSave(suggested, kPmxFileFilter, "pmx");
  if (path.empty()) return;
  std::string error;
  if (!exportPmx(path, document_, &error)) {
    ui_.showMessage(Message{error, "Save As PMX", MessageIcon::kExclamation});
    return;
  }
  ui_.showMessage(
      Message{"Saved current data as \"" + path + "\"", "Save As PMX", MessageIcon::kNone});
}

bool PageFile::mayLoseChanges(const std::string& before) {
  if (!history_.modified()) return true;
  std::string question = "Save the changes to " + fileNameOf(path_) + " " + before + "?";
  switch (ui_.askToSave(question)) {
    case SaveChoice::kSave: return save();
    case SaveChoice::kDiscard: return true;
    case SaveChoice::kCancel: return false;
  }
  return false;
}

void PageFile::showTitle() {
  if (path_.empty()) {
    window_.setWindowTitle("Melibron");
    return;
  }
  // Qt shows the [*] as the modified mark while the window is modified.
  window_.setWindowTitle(QString::fromStdString(fileNameOf(path_)) + "[*] \u2014 MELIBRON");
  window_.setWindowModified(history_.modified());
}
