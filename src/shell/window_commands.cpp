// The menu and accelerator commands of the main window.
#include <QFileInfo>

#include "cli/paths.h"
#include "score/item_table.h"
#include "shell/commands.h"
#include "shell/drawing_mode_file.h"
#include "shell/external_utils_dialog.h"
#include "shell/file_info_dialog.h"
#include "shell/help_window.h"
#include "shell/item_edit_dialog.h"
#include "shell/main_window.h"
#include "shell/messages.h"
#include "shell/settings.h"

void MainWindow::command(int id) {
  switch (id) {
    case kOpenCommand: openCommand(); break;
    case kResetCommand: scrollTo(QPoint(0, 0)); break;
    case kEditItemCommand: editSelectedItem(); break;
    case kHelpCommand: showHelp(); break;
    case kExitCommand: close(); break;  // the close event writes the settings
    case kAboutCommand: message(aboutText(), "About MELIBRON", MessageIcon::kNone); break;
    case kSaveCommand: save(); break;
    case kSaveAsCommand: saveAs(); break;
    case kUndoCommand: undoCommand(); break;
    case kRedoCommand: redoCommand(); break;
    case kSavePmxCommand: savePmxCommand(); break;
    case kFileInfoCommand:
      if (document_.itemTable.itemCount > 0) {
        FileInfoDialog dialog(this, document_);
        interaction_->runModal(dialog);
        invalidate();
      }
      break;
    case kRunUtilitiesCommand: {
      ExternalUtilsDialog dialog(
          this, *interaction_, document_, view_,
          [this](ExternalUtilsDialog& utilities, int k) { runUtility(utilities, k); });
      interaction_->runModal(dialog);
      // A run's stop dialog and this dialog close one right after the other,
      // which can leave the keyboard with no window at all.
      activateWindow();
      invalidate();
      break;
    }
    case kShowLibraryCommand: showLibraryItems(); break;
    case kFitWidthCommand: setFitMode(FitMode::kWidth); break;
    case kFitPageCommand: setFitMode(FitMode::kPage); break;
    case kZoomInCommand: zoomBy(kZoomStep, clientCentre()); break;
    case kZoomOutCommand: zoomBy(-kZoomStep, clientCentre()); break;
    case kActualSizeCommand: zoomTo(1.0, clientCentre()); break;
    case kBasicDrawingCommand:
      setDrawingMode(view_.drawingMode == DrawingMode::kBasic ? DrawingMode::kComplete
                                                              : DrawingMode::kBasic);
      break;
    case kSmoothEdgesCommand:
      smoothEdges_ = !smoothEdges_;
      showViewState();
      invalidate();
      break;
    default: break;
  }
}

void MainWindow::openCommand() {
  // The dialog starts where the last file came from.
  std::string start = filePath_.empty()
                          ? std::string()
                          : QFileInfo(QString::fromStdString(filePath_)).path().toStdString();
  if (!mayLoseChanges("before opening another file")) return;
  std::string path = interaction_->chooseFileToOpen(start);
  if (path.empty()) return;  // Cancel keeps everything as it was
  openFile(path);
}

void MainWindow::setDrawingMode(DrawingMode mode) {
  view_.drawingMode = mode;
  // Kept at once, as the recent files are: the next run draws the same.
  std::string path = drawingModeFilePath();
  std::string error;
  if (!writeDrawingMode(path, mode, &error)) {
    message("Unable to save the drawing mode:\n" + path + "\n" + error, "MELIBRON",
            MessageIcon::kExclamation);
  }
  relayout();
  showViewState();
  invalidate();
}

void MainWindow::showHelp() {
  if (helpWindow_ == nullptr) helpWindow_ = new HelpWindow(this, libraryDirectory_);
  helpWindow_->show();
  helpWindow_->raise();
  helpWindow_->activateWindow();
}
