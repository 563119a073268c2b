#include "shell/score_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstdlib>

namespace {

// One notch of an ordinary mouse wheel.
constexpr int kWheelNotch = 120;

}  // namespace

ScoreArea::ScoreArea(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::NoFocus);  // keys belong to the window's key table
  setFrameShape(QFrame::NoFrame);
  // The bars stay visible, disabled when not needed.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setMouseTracking(true);
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
          [this](int action) { forwardBarAction(true, action); });
  connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
          [this](int action) { forwardBarAction(false, action); });
}

void ScoreArea::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  emit painting(painter);
}

void ScoreArea::wheelEvent(QWheelEvent* event) {
  QPoint delta = event->angleDelta();
  bool zoom = event->modifiers() & Qt::ControlModifier;
  bool horizontal = (event->modifiers() & Qt::ShiftModifier) || delta.y() == 0;
  wheelRemainder_ += delta.y() != 0 ? delta.y() : delta.x();
  while (std::abs(wheelRemainder_) >= kWheelNotch) {
    bool towardStart = wheelRemainder_ > 0;
    wheelRemainder_ += towardStart ? -kWheelNotch : kWheelNotch;
    if (zoom) {
      emit wheelZoomed(towardStart, event->position());
    } else {
      emit wheelStepped(towardStart, horizontal);
    }
  }
  event->accept();
}

void ScoreArea::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event->position().toPoint()); }

void ScoreArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked(event->position().toPoint());
}

void ScoreArea::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked(event->position().toPoint());
}

bool ScoreArea::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) emit mouseLeft();
  return QAbstractScrollArea::viewportEvent(event);
}

void ScoreArea::resizeEvent(QResizeEvent*) { emit resized(); }

void ScoreArea::scrollContentsBy(int, int) {}

void ScoreArea::forwardBarAction(bool vertical, int action) {
  QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
  ScrollRequest request;
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub: request = kLineUp; break;
    case QAbstractSlider::SliderSingleStepAdd: request = kLineDown; break;
    case QAbstractSlider::SliderPageStepSub: request = kPageUp; break;
    case QAbstractSlider::SliderPageStepAdd: request = kPageDown; break;
    case QAbstractSlider::SliderMove: request = kThumbTrack; break;
    case QAbstractSlider::SliderToMinimum:
    case QAbstractSlider::SliderToMaximum: request = kThumbPosition; break;
    default: return;
  }
  // The window sets the bar's position itself, before the slider applies it.
  if (vertical) {
    emit verticalRequest(request, bar->sliderPosition());
  } else {
    emit horizontalRequest(request, bar->sliderPosition());
  }
}
