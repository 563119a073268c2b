#include "shell/page_edits.h"

#include <QAction>
#include <QMenuBar>

#include "score/item_table.h"
#include "shell/commands.h"
#include "shell/external_utility.h"
#include "shell/interaction.h"
#include "shell/page_file.h"

PageEdits::PageEdits(Document& document, View& view, EditHistory& history, PageFile& file,
                     Interaction& ui, QMenuBar* menuBar)
    : document_(document),
      view_(view),
      history_(history),
      file_(file),
      ui_(ui),
      menuBar_(menuBar) {}

void PageEdits::record(DataSnapshot before, const std::string& name) {
  if (before.image == document_.itemTable.fileImage) return;  // nothing changed
  history_.record(std::move(before), name);
  showState();
}

void PageEdits::runUtility(ExternalUtilsDialog& dialog, int k) {
  // The reload replaces the data: unsaved edits go to the utility, not the page.
  if (!file_.mayLoseChanges("before running the utility")) return;
  DataSnapshot before = takeSnapshot(document_);
  if (runExternalUtility(dialog, k, ui_, document_, view_)) {
    record(std::move(before), "External utility");
  }
}

bool PageEdits::undo() {
  if (!history_.canUndo()) return false;
  restoreData(history_.undo(takeSnapshot(document_)));
  return true;
}

bool PageEdits::redo() {
  if (!history_.canRedo()) return false;
  restoreData(history_.redo(takeSnapshot(document_)));
  return true;
}

void PageEdits::restoreData(const DataSnapshot& data) {
  // Every snapshot was loaded data once, so its image reads again.
  std::string error;
  if (!restoreSnapshot(data, document_, &error))
    ui_.showMessage(Message{error, "MELIBRON", MessageIcon::kExclamation});
}

void PageEdits::showState() {
  if (QAction* undo = commandAction(menuBar_, kUndoCommand)) undo->setEnabled(history_.canUndo());
  if (QAction* redo = commandAction(menuBar_, kRedoCommand)) redo->setEnabled(history_.canRedo());
  file_.showTitle();
}
