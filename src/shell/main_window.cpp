#include "shell/main_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QUrl>
#include <algorithm>

#include "cli/paths.h"
#include "layout/component_store.h"
#include "layout/layout.h"
#include "library/library_table.h"
#include "score/item_table.h"
#include "score/score_input.h"
#include "shell/commands.h"
#include "shell/drawing_mode_file.h"
#include "shell/external_utils_dialog.h"
#include "shell/file_info_dialog.h"
#include "shell/help_window.h"
#include "shell/item_edit_dialog.h"
#include "shell/messages.h"
#include "shell/program_icon.h"
#include "shell/recent_menu.h"
#include "shell/score_area.h"
#include "shell/settings.h"
#include "shell/window_geometry.h"

namespace {

bool isPmxPath(const QString& path) { return path.endsWith(".pmx", Qt::CaseInsensitive); }

// Files a drop may open: pages and their listings.
bool isScoreFile(const QUrl& url) {
  return url.isLocalFile() &&
         (url.toLocalFile().endsWith(".mus", Qt::CaseInsensitive) || isPmxPath(url.toLocalFile()));
}

}  // namespace

MainWindow::MainWindow(Interaction* interaction)
    : ownInteraction_(interaction == nullptr ? std::make_unique<WidgetInteraction>(this) : nullptr),
      interaction_(interaction == nullptr ? ownInteraction_.get() : interaction),
      area_(new ScoreArea(this)),
      zoomLabel_(new QLabel),
      itemLabel_(new QLabel),
      page_(QGuiApplication::primaryScreen()->size(),
            QGuiApplication::primaryScreen()->devicePixelRatio()),
      libraryDisplay_(page_.image()),
      scroll_(*area_, view_.viewState,
              {[this] { relayout(); }, [this] { invalidate(); }, [this] { showViewState(); }}),
      picker_(document_, area_->viewport(), itemLabel_),
      file_(document_, history_, *interaction_, *this,
            [this](const std::string& path) { recentMenu_->remember(path); }),
      edits_(document_, view_, history_, file_, *interaction_, menuBar()) {
  setWindowTitle("Melibron");
  setWindowIcon(programIcon());
  setDefaultNormalGeometry(*this);
  initViewState(view_, qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX()));
  view_.drawingMode = readDrawingMode(drawingModeFilePath());
  statusBar()->addWidget(itemLabel_, 1);
  statusBar()->addPermanentWidget(zoomLabel_);
  setCentralWidget(area_);
  connectArea();
  buildMenuBar(menuBar(), [this](int id) { command(id); });
  recentMenu_ = new RecentMenu(menuBar(), this);
  connect(recentMenu_, &RecentMenu::fileChosen, this, &MainWindow::openAnother);
  addAccelerators(this, [this](int id) { command(id); });
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  clientResized();
  edits_.showState();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectArea() {
  connect(area_, &ScoreArea::painting, this, &MainWindow::paintClientArea);
  connect(area_, &ScoreArea::wheelStepped, this, &MainWindow::wheelStep);
  connect(area_, &ScoreArea::wheelZoomed, this, &MainWindow::wheelZoom);
  connect(area_, &ScoreArea::mouseMoved, this, &MainWindow::pointAt);
  connect(area_, &ScoreArea::clicked, this, &MainWindow::clickAt);
  connect(area_, &ScoreArea::doubleClicked, this, &MainWindow::doubleClickAt);
  connect(area_, &ScoreArea::mouseLeft, this, &MainWindow::pointerLeft);
  connect(area_, &ScoreArea::resized, this, &MainWindow::clientResized);
  connect(area_, &ScoreArea::verticalRequest, this, &MainWindow::verticalScroll);
  connect(area_, &ScoreArea::horizontalRequest, this, &MainWindow::horizontalScroll);
}

bool MainWindow::initialise(const std::string& libraryDirectory) {
  libraryDirectory_ = libraryDirectory;
  readSettings(settingsFilePath(), *interaction_);
  std::string error;
  if (!loadLibraries(libraryDirectory, &error)) {
    tell(error, "File Open", MessageIcon::kExclamation);
    return false;
  }
  currentItem_ = 1;
  ctrlFlag_ = false;
  invalidate();
  return true;
}

bool MainWindow::openFile(const std::string& path) {
  std::string error;
  // The readers replace the table only once the new file has been read whole.
  bool listing = scoreInputType(path) == ScoreInputType::kPmx;
  if (!openScore(path, document_, &error)) {
    tell(error, "File Open", MessageIcon::kExclamation);
    return false;
  }
  file_.opened(path, listing);
  picker_.forgetHovered();
  selectItem(0);
  recentMenu_->remember(path);
  history_.clear();
  edits_.showState();
  layoutScore(document_, view_);
  scroll_.showNewPage();
  return true;
}

void MainWindow::setPixelsPerInch(int pixelsPerInch) {
  initViewState(view_, pixelsPerInch);
  scroll_.startAtTopLeft();
}

void MainWindow::command(int id) {
  switch (id) {
    case kOpenCommand: openCommand(); break;
    case kResetCommand: scrollTo(QPoint(0, 0)); break;
    case kEditItemCommand: editSelectedItem(); break;
    case kHelpCommand: showHelp(); break;
    case kExitCommand: close(); break;  // the close event writes the settings
    case kAboutCommand: tell(aboutText(), "About MELIBRON", MessageIcon::kNone); break;
    case kSaveCommand: file_.save(); break;
    case kSaveAsCommand: file_.saveAs(); break;
    case kUndoCommand:
      if (edits_.undo()) showRestoredData();
      break;
    case kRedoCommand:
      if (edits_.redo()) showRestoredData();
      break;
    case kSavePmxCommand: file_.savePmx(); break;
    case kFileInfoCommand:
      if (document_.itemTable.itemCount > 0) {
        FileInfoDialog dialog(this, document_);
        interaction_->runModal(dialog);
        invalidate();
      }
      break;
    case kRunUtilitiesCommand: runUtilitiesCommand(); break;
    case kShowLibraryCommand:
      libraryDisplay_.showChosen(this, area_->viewport(), *interaction_, smoothEdges_);
      break;
    case kFitWidthCommand: setFitMode(FitMode::kWidth); break;
    case kFitPageCommand: setFitMode(FitMode::kPage); break;
    case kZoomInCommand: scroll_.zoomBy(kZoomStep, scroll_.clientCentre()); break;
    case kZoomOutCommand: scroll_.zoomBy(-kZoomStep, scroll_.clientCentre()); break;
    case kActualSizeCommand: zoomTo(1.0, scroll_.clientCentre()); break;
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

void MainWindow::keyDown(int key) {
  QPointF centre = scroll_.clientCentre();
  switch (key) {
    case Qt::Key_Control: ctrlFlag_ = true; break;
    // The keys move the paper: Page Up and Up move it up, showing more of
    // what lies below.
    case Qt::Key_PageUp:
      if (ctrlFlag_) {
        scroll_.zoomBy(kZoomStep, centre);
      } else {
        verticalScroll(kPageDown);
      }
      break;
    case Qt::Key_PageDown:
      if (ctrlFlag_) {
        scroll_.zoomBy(-kZoomStep, centre);
      } else {
        verticalScroll(kPageUp);
      }
      break;
    case Qt::Key_Home: scrollTo(QPoint(0, 0)); break;
    case Qt::Key_End:
      if (!ctrlFlag_) scrollTo(QPoint(0, verticalBar()->maximum()));
      break;
    case Qt::Key_Left:
      if (ctrlFlag_) horizontalScroll(kLineRight);
      break;
    case Qt::Key_Right:
      if (ctrlFlag_) horizontalScroll(kLineLeft);
      command(kShowLibraryCommand);
      break;
    case Qt::Key_Up:
      if (!ctrlFlag_) verticalScroll(kLineDown);
      break;
    case Qt::Key_Down:
      if (!ctrlFlag_) verticalScroll(kLineUp);
      break;
    case Qt::Key_Tab: stepSelection(1); break;
    case Qt::Key_Backtab: stepSelection(-1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: editSelectedItem(); break;
    case Qt::Key_Escape: selectItem(0); break;
    default: break;
  }
}

void MainWindow::keyUp(int key) {
  if (key == Qt::Key_Control) ctrlFlag_ = false;
}

void MainWindow::setDrawingMode(DrawingMode mode) {
  view_.drawingMode = mode;
  // Kept at once, as the recent files are: the next run draws the same.
  std::string path = drawingModeFilePath();
  std::string error;
  if (!writeDrawingMode(path, mode, &error)) {
    tell("Unable to save the drawing mode:\n" + path + "\n" + error, "MELIBRON",
         MessageIcon::kExclamation);
  }
  relayout();
  showViewState();
  invalidate();
}

void MainWindow::paintOffscreen() {
  picker_.setBoxes(page_.paint(document_, view_, pageRect(), smoothEdges_));
}

void MainWindow::paintClientArea(QPainter& painter) {
  if (libraryDisplay_.shown()) {
    painter.drawImage(0, 0, libraryDisplay_.image());
    return;
  }
  // A mark that moves with the mouse leaves the page as it was.
  if (page_.stale()) {
    paintOffscreen();
    picker_.followMouse();
  }
  painter.drawImage(0, 0, page_.image());
  picker_.paintMarks(painter);
}

int MainWindow::pickItem(QPoint point) {
  if (page_.stale()) paintOffscreen();
  return picker_.pick(point);
}

void MainWindow::pointAt(QPoint point) {
  picker_.hover(libraryDisplay_.shown() ? 0 : pickItem(point));
}

void MainWindow::clickAt(QPoint point) {
  if (libraryDisplay_.shown()) return;
  selectItem(pickItem(point));
}

void MainWindow::doubleClickAt(QPoint point) {
  clickAt(point);
  if (picker_.selected() != 0) editSelectedItem();
}

void MainWindow::selectItem(int item) {
  int selected = picker_.select(item);
  if (selected == 0) return;
  currentItem_ = selected;
  scrollIntoView(selected);
}

void MainWindow::stepSelection(int step) {
  int count = document_.itemTable.itemCount;
  if (count > 0) selectItem(steppedItem(picker_.selected(), step, count));
}

void MainWindow::scrollIntoView(int item) {
  if (page_.stale()) paintOffscreen();
  QPoint shift = picker_.shiftToShow(item, clientSize());
  if (!shift.isNull()) scrollTo(scrollPosition() + shift);
}

void MainWindow::editSelectedItem() {
  editItemCommand(picker_.selected() != 0 ? picker_.selected() : 1);
}

void MainWindow::editItemCommand(int item) {
  if (document_.itemTable.itemCount <= 0) return;
  DataSnapshot before = takeSnapshot(document_);
  ItemEditDialog dialog(this, document_, currentItem_);  // shows item 1
  if (item != 1) dialog.thumbPosition(item);
  interaction_->runModal(dialog);
  // The selection follows the dialog's steps.
  if (picker_.selected() != 0) selectItem(currentItem_);
  edits_.record(std::move(before), "Item edit");
  // Redraw the edited item at once.
  relayout();
  invalidate();
}

void MainWindow::showRestoredData() {
  currentItem_ = std::min(std::max(currentItem_, 1), std::max(document_.itemTable.itemCount, 1));
  picker_.forgetHovered();
  if (picker_.selected() != 0) selectItem(picker_.selected());
  relayout();
  invalidate();
  edits_.showState();
}

void MainWindow::runUtilitiesCommand() {
  ExternalUtilsDialog dialog(
      this, *interaction_, document_, view_,
      [this](ExternalUtilsDialog& utilities, int k) { edits_.runUtility(utilities, k); });
  interaction_->runModal(dialog);
  // A run's stop dialog and this dialog close one right after the other,
  // which can leave the keyboard with no window at all.
  activateWindow();
  invalidate();
}

void MainWindow::openCommand() {
  // The dialog starts where the last file came from.
  const std::string& current = file_.pagePath();
  std::string start = current.empty()
                          ? std::string()
                          : QFileInfo(QString::fromStdString(current)).path().toStdString();
  if (!file_.mayLoseChanges("before opening another file")) return;
  std::string path = interaction_->chooseFileToOpen(start);
  if (path.empty()) return;  // Cancel keeps everything as it was
  openFile(path);
}

void MainWindow::openAnother(const std::string& path) {
  if (file_.mayLoseChanges("before opening another file")) openFile(path);
}

void MainWindow::showHelp() {
  if (helpWindow_ == nullptr) helpWindow_ = new HelpWindow(this, libraryDirectory_);
  helpWindow_->show();
  helpWindow_->raise();
  helpWindow_->activateWindow();
}

void MainWindow::showViewState() {
  zoomLabel_->setText(QString("%1%").arg(std::lround(view_.viewState.zoom * 100)));
  const std::pair<int, bool> checks[] = {
      {kFitWidthCommand, fitMode() == FitMode::kWidth},
      {kFitPageCommand, fitMode() == FitMode::kPage},
      {kSmoothEdgesCommand, smoothEdges_},
      {kBasicDrawingCommand, view_.drawingMode == DrawingMode::kBasic}};
  for (const auto& [id, checked] : checks) {
    if (QAction* action = commandAction(menuBar(), id)) action->setChecked(checked);
  }
}

QMenu* MainWindow::recentMenu() const { return recentMenu_; }

void MainWindow::relayout() {
  freeAllComponents(view_.components);
  layoutScore(document_, view_);
}

void MainWindow::invalidate() {
  libraryDisplay_.hide();
  page_.markStale();
  area_->viewport()->update();
}

void MainWindow::tell(const std::string& text, const std::string& caption, MessageIcon icon) {
  interaction_->showMessage(Message{text, caption, icon});
}

void MainWindow::keyPressEvent(QKeyEvent* event) { keyDown(event->key()); }

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) keyUp(event->key());
}

bool MainWindow::focusNextPrevChild(bool) { return false; }

void MainWindow::changeEvent(QEvent* event) {
  // The release of Ctrl goes elsewhere while a dialog or another window has
  // the keyboard; a Ctrl flag left set would turn Page Up into a zoom.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) ctrlFlag_ = false;
  QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!file_.mayLoseChanges("before closing")) {
    event->ignore();
    return;
  }
  // Exit and the window's close button both end here, so each file is
  // written once.
  writeSettings(settingsFilePath(), *interaction_);
  saveWindowGeometry(*this, windowGeometryFilePath());
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() == 1 && isScoreFile(urls.front())) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() != 1 || !isScoreFile(urls.front())) return;
  event->acceptProposedAction();
  openAnother(urls.front().toLocalFile().toStdString());
}
