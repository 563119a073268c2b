#include "shell/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QUrl>

#include "cli/paths.h"
#include "layout/component_store.h"
#include "layout/layout.h"
#include "library/library_table.h"
#include "paint/item_bounds_surface.h"
#include "paint/painter.h"
#include "paint/pen_widths.h"
#include "score/score_input.h"
#include "shell/commands.h"
#include "shell/device_view.h"
#include "shell/drawing_mode_file.h"
#include "shell/program_icon.h"
#include "shell/qt_surface.h"
#include "shell/score_area.h"
#include "shell/settings.h"
#include "shell/window_geometry.h"

namespace {

// A white image of the screen's size, sharp on high-resolution screens.
QImage screenImage(QSize size, qreal pixelRatio) {
  QImage image(size * pixelRatio, QImage::Format_RGB32);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(Qt::white);
  return image;
}

// The desk around the page.
const QColor kDeskColour(0x9a, 0x9a, 0x9a);

bool isPmxPath(const QString& path) { return path.endsWith(".pmx", Qt::CaseInsensitive); }

// Files a drop may open: pages and their listings.
bool isScoreFile(const QUrl& url) {
  return url.isLocalFile() &&
         (url.toLocalFile().endsWith(".mus", Qt::CaseInsensitive) || isPmxPath(url.toLocalFile()));
}

}  // namespace

MainWindow::MainWindow(Interaction* interaction) : interaction_(interaction) {
  if (interaction_ == nullptr) {
    ownInteraction_ = std::make_unique<WidgetInteraction>(this);
    interaction_ = ownInteraction_.get();
  }
  setWindowTitle("Melibron");
  setWindowIcon(programIcon());
  setDefaultNormalGeometry(*this);
  QScreen* screen = QGuiApplication::primaryScreen();
  screenSize_ = screen->size();
  initViewState(view_, qRound(screen->logicalDotsPerInchX()));
  view_.drawingMode = readDrawingMode(drawingModeFilePath());
  offscreen_ = screenImage(screenSize_, screen->devicePixelRatio());
  libraryDisplay_ = offscreen_;

  itemLabel_ = new QLabel;
  statusBar()->addWidget(itemLabel_, 1);
  zoomLabel_ = new QLabel;
  statusBar()->addPermanentWidget(zoomLabel_);
  area_ = new ScoreArea(this);
  setCentralWidget(area_);
  buildMenuBar(menuBar(), [this](int id) { command(id); });
  buildRecentMenu();
  addAccelerators(this, [this](int id) { command(id); });
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  clientResized();
  showEditState();
}

MainWindow::~MainWindow() = default;

bool MainWindow::initialise(const std::string& libraryDirectory) {
  libraryDirectory_ = libraryDirectory;
  readSettings(settingsFilePath(), *interaction_);
  std::string error;
  if (!loadLibraries(libraryDirectory, &error)) {
    message(error, "File Open", MessageIcon::kExclamation);
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
  bool read = openScore(path, document_, &error);
  if (!read) {
    message(error, "File Open", MessageIcon::kExclamation);
    return false;
  }
  filePath_ = path;
  openedListing_ = listing;
  hoveredItem_ = 0;
  selectItem(0);
  rememberRecent(path);
  history_.clear();
  showEditState();
  // A new page starts at its top, as wide as the window.
  layoutScore(document_, view_);
  fitMode_ = FitMode::kWidth;
  placeView(QPoint(0, 0), applyFit());
  return true;
}

void MainWindow::setPixelsPerInch(int pixelsPerInch) {
  initViewState(view_, pixelsPerInch);
  fitMode_ = FitMode::kNone;
  showViewState();
  placeView(QPoint(0, 0), true);
}

void MainWindow::paintOffscreen() {
  qreal ratio = offscreen_.devicePixelRatio();
  {
    QPainter painter(&offscreen_);
    painter.fillRect(QRect(QPoint(0, 0), screenSize_), kDeskColour);
    painter.fillRect(pageRect(), Qt::white);
    if (ratio == 1) {
      paintPageItems(painter, view_);
      return;
    }
  }
  // A high-resolution screen: the page laid out and drawn in device pixels.
  setDeviceView(deviceView_, view_, ratio);
  layoutScore(document_, deviceView_);
  offscreen_.setDevicePixelRatio(1);
  {
    QPainter painter(&offscreen_);
    paintPageItems(painter, deviceView_);
  }
  offscreen_.setDevicePixelRatio(ratio);
  // Picking and its marks work in client pixels.
  for (ItemBox& box : itemBoxes_) {
    box.left /= ratio;
    box.top /= ratio;
    box.right /= ratio;
    box.bottom /= ratio;
  }
}

void MainWindow::paintPageItems(QPainter& painter, View& view) {
  // Selects the black pen and the white brush; a zoomed page has SCORE's weights.
  QtSurface surface(painter, penWidths(view.viewState), &textRuns_);
  painter.setRenderHint(QPainter::Antialiasing, smoothEdges_);
  ItemBoundsSurface bounds(surface);
  paintScore(bounds, document_, view);
  itemBoxes_ = bounds.boxes();
  offscreenStale_ = false;
}

void MainWindow::paintClientArea(QPainter& painter) {
  if (libraryDisplayShown_) {
    painter.drawImage(0, 0, libraryDisplay_);
    return;
  }
  // A mark that moves with the mouse leaves the page as it was.
  if (offscreenStale_) {
    paintOffscreen();
    followPointer();
  }
  painter.drawImage(0, 0, offscreen_);
  paintMarks(painter);
}

QSize MainWindow::clientSize() const { return area_->viewport()->size(); }

QScrollBar* MainWindow::verticalBar() const { return area_->verticalScrollBar(); }

QScrollBar* MainWindow::horizontalBar() const { return area_->horizontalScrollBar(); }

void MainWindow::relayout() {
  freeAllComponents(view_.components);
  layoutScore(document_, view_);
}

void MainWindow::invalidate() {
  libraryDisplayShown_ = false;
  offscreenStale_ = true;
  area_->viewport()->update();
}

void MainWindow::message(const std::string& text, const std::string& caption, MessageIcon icon) {
  interaction_->showMessage(Message{text, caption, icon});
}

void MainWindow::keyPressEvent(QKeyEvent* event) { keyDown(event->key()); }

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) keyUp(event->key());
}

void MainWindow::changeEvent(QEvent* event) {
  // The release of Ctrl goes elsewhere while a dialog or another window has
  // the keyboard; a Ctrl flag left set would turn Page Up into a zoom.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) ctrlFlag_ = false;
  QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!mayLoseChanges("before closing")) {
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
  if (mayLoseChanges("before opening another file"))
    openFile(urls.front().toLocalFile().toStdString());
}
