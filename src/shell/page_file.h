// The file the loaded data came from and goes to: Save to the page's own
// file, Save As a new page, Save As PMX, the question before unsaved changes
// would be lost, and the window's title naming the file.
#pragma once

#include <functional>
#include <string>

#include "score/document.h"

class EditHistory;
class Interaction;
class QMainWindow;

class PageFile {
 public:
  // A page (or listing) written from document, saved as far as history
  // says, named in window's title; savedAs hears of every new page file.
  PageFile(const Document& document, EditHistory& history, Interaction& ui, QMainWindow& window,
           std::function<void(const std::string& path)> savedAs);

  const std::string& pagePath() const { return path_; }
  // path was opened; listing when it holds a PMX listing, not a page.
  void opened(const std::string& path, bool listing);

  // Save: the page's own file (a listing opened gets Save As); false when
  // nothing was written.
  bool save();
  // Save As: a new page file, named by the user; it becomes the page's file.
  bool saveAs();
  // Save As PMX: the listing, to a file the user names.
  void savePmx();
  // True when the data may be replaced: nothing unsaved, or the user saved
  // it or chose to discard it. before ends the question ("before closing").
  bool mayLoseChanges(const std::string& before);
  // The window title: the file's name, the modified mark, the program.
  void showTitle();

 private:
  bool writePage(const std::string& path);

  const Document& document_;
  EditHistory& history_;
  Interaction& ui_;
  QMainWindow& window_;
  std::function<void(const std::string& path)> savedAs_;
  std::string path_;
  bool listing_ = false;  // path_ holds a PMX listing, not a page
};
