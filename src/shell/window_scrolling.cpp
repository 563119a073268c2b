// Keys, scroll-bar requests and zoom of the main window. Only line requests
// and zoom move the picture; the scroll position only feeds the bars.
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "shell/commands.h"
#include "shell/main_window.h"

namespace {

constexpr double kZoomStep = 0.25;
// Step of the scroll position for a line request.
constexpr int kLinePositionStep = 10;

// Sets the bar's position without the bar reporting it back as a thumb
// request; inside a bar's own action this is the position the action takes.
void setBarPosition(QScrollBar* bar, int position) {
  QSignalBlocker blocker(bar);
  bar->setSliderPosition(position);
}

}  // namespace

void MainWindow::keyDown(int key) {
  switch (key) {
    case Qt::Key_Control: ctrlFlag_ = true; break;
    case Qt::Key_PageUp:
      if (ctrlFlag_) {
        zoomBy(kZoomStep);
      } else {
        verticalScroll(kPageDown);
      }
      break;
    case Qt::Key_PageDown:
      if (ctrlFlag_) {
        zoomBy(-kZoomStep);
      } else {
        verticalScroll(kPageUp);
      }
      break;
    case Qt::Key_End:
      if (!ctrlFlag_) {
        resetScrollBars();
        scrollPosition_ = QPoint(10, clientSize().height());
        invalidate();
      }
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
    default: break;
  }
}

void MainWindow::keyUp(int key) {
  if (key == Qt::Key_Control) ctrlFlag_ = false;
}

void MainWindow::zoomBy(double step) {
  view_.viewState.zoom += step;
  relayout();
  invalidate();
}

void MainWindow::verticalScroll(ScrollRequest request, int position) {
  int clientHeight = clientSize().height();
  int& y = scrollPosition_.ry();
  switch (request) {
    case kLineUp:
      view_.viewState.viewOffsetY += kLineScrollStep;
      relayout();
      if (y < kPageAreaHeight) y = std::min(y + kLinePositionStep, kPageAreaHeight);
      break;
    case kLineDown:
      view_.viewState.viewOffsetY -= kLineScrollStep;
      relayout();
      if (y > clientHeight) y = std::max(y - kLinePositionStep, clientHeight);
      break;
    case kPageUp:
      if (y < kPageAreaHeight) y = std::min(y + clientHeight / 2, kPageAreaHeight);
      break;
    case kPageDown:
      if (y > clientHeight) y = std::max(y - clientHeight / 2, clientHeight);
      break;
    case kThumbPosition:
    case kThumbTrack: y = kPageAreaHeight - position; break;
  }
  invalidate();
  setBarPosition(verticalBar(), kPageAreaHeight - y);
}

void MainWindow::horizontalScroll(ScrollRequest request, int position) {
  int clientWidth = clientSize().width();
  int lowest = clientWidth - kPageAreaWidth;
  int& x = scrollPosition_.rx();
  switch (request) {
    case kLineLeft:
      view_.viewState.viewOffsetX += kLineScrollStep;
      relayout();
      if (x < 0) x = std::min(x + kLinePositionStep, 0);
      break;
    case kLineRight:
      view_.viewState.viewOffsetX -= kLineScrollStep;
      relayout();
      if (x > lowest) x = std::max(x - kLinePositionStep, lowest);
      break;
    case kPageLeft:
      if (x < 0) x = std::min(x + clientWidth / 2, 0);
      break;
    case kPageRight:
      if (x > lowest) x = std::max(x - clientWidth / 2, lowest);
      break;
    case kThumbPosition:
    case kThumbTrack: x = -position; break;
  }
  invalidate();
  setBarPosition(horizontalBar(), -x);
}

void MainWindow::wheelStep(bool towardStart, bool horizontal) {
  if (horizontal) {
    horizontalScroll(towardStart ? kLineLeft : kLineRight);
  } else {
    verticalScroll(towardStart ? kLineUp : kLineDown);
  }
}

void MainWindow::resetScrollBars() {
  QSize client = clientSize();
  QScrollBar* horizontal = horizontalBar();
  horizontal->setRange(0, std::max(0, kPageAreaWidth - client.width()));
  horizontal->setPageStep(client.width());
  horizontal->setValue(0);
  QScrollBar* vertical = verticalBar();
  vertical->setRange(0, std::max(0, kPageAreaHeight - client.height()));
  vertical->setPageStep(client.height());
  vertical->setValue(kPageAreaHeight - client.height());
}
