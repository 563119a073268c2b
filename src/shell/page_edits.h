// Edits of the loaded data and their undo and redo: the edit history kept
// as the edits come, Undo and Redo enabled as it allows.
#pragma once

#include <string>

#include "score/document.h"
#include "shell/edit_history.h"
#include "view/view.h"

class ExternalUtilsDialog;
class Interaction;
class PageFile;
class QMenuBar;

class PageEdits {
 public:
  // Edits of document shown in view, kept in history, saved to file;
  // menuBar holds Undo and Redo.
  PageEdits(Document& document, View& view, EditHistory& history, PageFile& file, Interaction& ui,
            QMenuBar* menuBar);

  // The data changed from before (when it did): a step to undo.
  void record(DataSnapshot before, const std::string& name);
  // Runs row k of the utilities dialog as an edit that can be undone.
  void runUtility(ExternalUtilsDialog& dialog, int k);
  // Undo and Redo: the data before the last step or after the last undone
  // one loaded; false when there is no such step.
  bool undo();
  bool redo();
  // Undo and Redo enabled as the history allows, and the title.
  void showState();

 private:
  void restoreData(const DataSnapshot& data);

  Document& document_;
  View& view_;
  EditHistory& history_;
  PageFile& file_;
  Interaction& ui_;
  QMenuBar* menuBar_;
};
