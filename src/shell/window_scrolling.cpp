// Keys, scroll bars, wheel and zoom of the main window: one model. The view
// offsets say where the page lies in the client area; the bars show the
// view's place on the page and its margin, and every way of scrolling moves
// the view within them.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "shell/commands.h"
#include "shell/main_window.h"

namespace {

// The page is a letter sheet, 8.5 inches wide.
constexpr double kPageWidthInches = 8.5;

double pageWidthAtZoomOne(const ViewState& state) { return kPageWidthInches * state.pixelsPerInch; }

// One axis of the view: the page's extent and the client's, both in window
// pixels. A page and margin wider than the client scroll; a narrower one is
// centred and stays.
struct Axis {
  int page;
  int client;

  int range() const { return std::max(0, page + 2 * kPageMargin - client); }
  int offsetAt(int position) const {
    if (range() == 0) return (client - page) / 2;
    return kPageMargin - std::clamp(position, 0, range());
  }
  int positionOf(int offset) const { return std::clamp(kPageMargin - offset, 0, range()); }
};

Axis horizontalAxis(const ViewState& state, QSize client) {
  return {static_cast<int>(std::lround(pageWidthAtZoomOne(state) * state.zoom)), client.width()};
}

Axis verticalAxis(const ViewState& state, QSize client) {
  return {static_cast<int>(std::lround(state.pageHeight * state.zoom)), client.height()};
}

// Sets the bar without the bar reporting it back as a request; inside a
// bar's own action this is the value the action ends with.
void setBar(QScrollBar* bar, const Axis& axis, int position) {
  QSignalBlocker blocker(bar);
  bar->setRange(0, axis.range());
  bar->setPageStep(axis.client);
  bar->setSingleStep(kLineScrollStep);
  bar->setValue(position);
}

// The position that keeps the page point at the client's edge where it is
// when the zoom goes from `from` to `to`. The desk before the page is in
// window pixels at any zoom, so as much of it as showed still shows.
int positionAfterZoom(int position, double from, double to) {
  if (position <= kPageMargin) return position;
  return kPageMargin + static_cast<int>(std::lround((position - kPageMargin) * to / from));
}

// The position a request asks for on one axis.
int requestedPosition(ScrollRequest request, int position, int thumb, int client) {
  switch (request) {
    case kLineUp: return position - kLineScrollStep;
    case kLineDown: return position + kLineScrollStep;
    case kPageUp: return position - client / 2;
    case kPageDown: return position + client / 2;
    case kThumbPosition:
    case kThumbTrack: return thumb;
  }
  return position;
}

}  // namespace

void MainWindow::keyDown(int key) {
  QPointF centre = clientCentre();
  switch (key) {
    case Qt::Key_Control: ctrlFlag_ = true; break;
    // The keys move the paper: Page Up and Up move it up, showing more of
    // what lies below.
    case Qt::Key_PageUp:
      if (ctrlFlag_) {
        zoomBy(kZoomStep, centre);
      } else {
        verticalScroll(kPageDown);
      }
      break;
    case Qt::Key_PageDown:
      if (ctrlFlag_) {
        zoomBy(-kZoomStep, centre);
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

QPoint MainWindow::scrollPosition() const {
  // The value, not the slider position: inside a bar's action the slider
  // has moved already and the request says where to.
  return {horizontalBar()->value(), verticalBar()->value()};
}

QRect MainWindow::pageRect() const {
  QSize client = clientSize();
  return QRect(view_.viewState.viewOffsetX, view_.viewState.viewOffsetY,
               horizontalAxis(view_.viewState, client).page,
               verticalAxis(view_.viewState, client).page);
}

void MainWindow::scrollTo(QPoint position) { placeView(position, false); }

void MainWindow::placeView(QPoint position, bool zoomChanged) {
  QSize client = clientSize();
  Axis horizontal = horizontalAxis(view_.viewState, client);
  Axis vertical = verticalAxis(view_.viewState, client);
  int x = horizontal.offsetAt(position.x());
  int y = vertical.offsetAt(position.y());
  // Components hold window pixels: any change of the view lays out again.
  if (zoomChanged || x != view_.viewState.viewOffsetX || y != view_.viewState.viewOffsetY) {
    view_.viewState.viewOffsetX = x;
    view_.viewState.viewOffsetY = y;
    relayout();
  }
  setBar(horizontalBar(), horizontal, horizontal.positionOf(x));
  setBar(verticalBar(), vertical, vertical.positionOf(y));
  invalidate();
}

void MainWindow::resetScrollBars() { scrollTo(scrollPosition()); }

void MainWindow::verticalScroll(ScrollRequest request, int position) {
  QPoint at = scrollPosition();
  at.setY(requestedPosition(request, at.y(), position, clientSize().height()));
  scrollTo(at);
}

void MainWindow::horizontalScroll(ScrollRequest request, int position) {
  QPoint at = scrollPosition();
  at.setX(requestedPosition(request, at.x(), position, clientSize().width()));
  scrollTo(at);
}

void MainWindow::wheelStep(bool towardStart, bool horizontal) {
  ScrollRequest request = towardStart ? kLineUp : kLineDown;
  for (int line = 0; line < QApplication::wheelScrollLines(); ++line) {
    if (horizontal) {
      horizontalScroll(request);
    } else {
      verticalScroll(request);
    }
  }
}

void MainWindow::wheelZoom(bool in, QPointF anchor) { zoomBy(in ? kZoomStep : -kZoomStep, anchor); }

void MainWindow::zoomBy(double step, QPointF anchor) {
  zoomTo(view_.viewState.zoom + step, anchor);
}

void MainWindow::zoomTo(double zoom, QPointF anchor) {
  fitMode_ = FitMode::kNone;
  double old = view_.viewState.zoom;
  view_.viewState.zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  // The page point under the anchor, then the offsets that keep it there.
  double pageX = (anchor.x() - view_.viewState.viewOffsetX) / old;
  double pageY = (anchor.y() - view_.viewState.viewOffsetY) / old;
  QSize client = clientSize();
  int x = static_cast<int>(std::lround(anchor.x() - pageX * view_.viewState.zoom));
  int y = static_cast<int>(std::lround(anchor.y() - pageY * view_.viewState.zoom));
  placeView(QPoint(horizontalAxis(view_.viewState, client).positionOf(x),
                   verticalAxis(view_.viewState, client).positionOf(y)),
            true);
  showViewState();
}

void MainWindow::setFitMode(FitMode mode) {
  fitMode_ = mode;
  refit();
}

void MainWindow::refit() {
  double before = view_.viewState.zoom;
  bool changed = applyFit();
  double after = view_.viewState.zoom;
  QPoint at = scrollPosition();
  placeView(
      QPoint(positionAfterZoom(at.x(), before, after), positionAfterZoom(at.y(), before, after)),
      changed);
}

bool MainWindow::applyFit() {
  showViewState();
  if (fitMode_ == FitMode::kNone) return false;
  QSize room = clientSize() - QSize(2 * kPageMargin, 2 * kPageMargin);
  double zoom = room.width() / pageWidthAtZoomOne(view_.viewState);
  if (fitMode_ == FitMode::kPage) {
    zoom = std::min(zoom, room.height() / static_cast<double>(view_.viewState.pageHeight));
  }
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  if (zoom == view_.viewState.zoom) return false;
  view_.viewState.zoom = zoom;
  showViewState();
  return true;
}

void MainWindow::clientResized() { refit(); }

void MainWindow::showViewState() {
  zoomLabel_->setText(QString("%1%").arg(std::lround(view_.viewState.zoom * 100)));
  const std::pair<int, bool> checks[] = {
      {kFitWidthCommand, fitMode_ == FitMode::kWidth},
      {kFitPageCommand, fitMode_ == FitMode::kPage},
      {kSmoothEdgesCommand, smoothEdges_},
      {kBasicDrawingCommand, view_.drawingMode == DrawingMode::kBasic}};
  for (const auto& [id, checked] : checks) {
    if (QAction* action = commandAction(menuBar(), id)) action->setChecked(checked);
  }
}

QPointF MainWindow::clientCentre() const {
  return QRectF(QPointF(0, 0), QSizeF(clientSize())).center();
}
