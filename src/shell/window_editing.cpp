// Edits of the loaded data and their undo and redo.
#include <QAction>
#include <QMenuBar>

#include "score/item_table.h"
#include "shell/commands.h"
#include "shell/external_utility.h"
#include "shell/item_edit_dialog.h"
#include "shell/main_window.h"

void MainWindow::editItemCommand(int item) {
  if (document_.itemTable.itemCount <= 0) return;
  DataSnapshot before = takeSnapshot(document_);
  ItemEditDialog dialog(this, document_, currentItem_);  // shows item 1
  if (item != 1) dialog.thumbPosition(item);
  interaction_->runModal(dialog);
  // The selection follows the dialog's steps.
  if (selectedItem_ != 0) selectItem(currentItem_);
  recordEdit(std::move(before), "Item edit");
  // Redraw the edited item at once.
  relayout();
  invalidate();
}

void MainWindow::runUtility(ExternalUtilsDialog& dialog, int k) {
  // The reload replaces the data: unsaved edits go to the utility, not the page.
  if (!mayLoseChanges("before running the utility")) return;
  DataSnapshot before = takeSnapshot(document_);
  if (runExternalUtility(dialog, k, *interaction_, document_, view_)) {
    recordEdit(std::move(before), "External utility");
  }
}

void MainWindow::recordEdit(DataSnapshot before, const std::string& name) {
  if (before.image == document_.itemTable.fileImage) return;  // nothing changed
  history_.record(std::move(before), name);
  showEditState();
}

void MainWindow::undoCommand() {
  if (!history_.canUndo()) return;
  restoreData(history_.undo(takeSnapshot(document_)));
}

void MainWindow::redoCommand() {
  if (!history_.canRedo()) return;
  restoreData(history_.redo(takeSnapshot(document_)));
}

void MainWindow::restoreData(const DataSnapshot& data) {
  // Every snapshot was loaded data once, so its image reads again.
  std::string error;
  if (!restoreSnapshot(data, document_, &error))
    message(error, "MELIBRON", MessageIcon::kExclamation);
  currentItem_ = std::min(std::max(currentItem_, 1), std::max(document_.itemTable.itemCount, 1));
  hoveredItem_ = 0;
  if (selectedItem_ != 0) selectItem(selectedItem_);
  relayout();
  invalidate();
  showEditState();
}

void MainWindow::showEditState() {
  if (QAction* undo = commandAction(menuBar(), kUndoCommand)) undo->setEnabled(history_.canUndo());
  if (QAction* redo = commandAction(menuBar(), kRedoCommand)) redo->setEnabled(history_.canRedo());
  showTitle();
}
