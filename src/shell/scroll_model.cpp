#include "shell/scroll_model.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

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

ScrollModel::ScrollModel(QAbstractScrollArea& area, ViewState& state, Hooks hooks)
    : area_(area), state_(state), hooks_(std::move(hooks)) {}

QSize ScrollModel::clientSize() const { return area_.viewport()->size(); }

QPointF ScrollModel::clientCentre() const {
  return QRectF(QPointF(0, 0), QSizeF(clientSize())).center();
}

QScrollBar* ScrollModel::verticalBar() const { return area_.verticalScrollBar(); }

QScrollBar* ScrollModel::horizontalBar() const { return area_.horizontalScrollBar(); }

QPoint ScrollModel::scrollPosition() const {
  // The value, not the slider position: inside a bar's action the slider
  // has moved already and the request says where to.
  return {horizontalBar()->value(), verticalBar()->value()};
}

QRect ScrollModel::pageRect() const {
  QSize client = clientSize();
  return QRect(state_.viewOffsetX, state_.viewOffsetY, horizontalAxis(state_, client).page,
               verticalAxis(state_, client).page);
}

void ScrollModel::startAtTopLeft() {
  fitMode_ = FitMode::kNone;
  hooks_.showZoom();
  placeView(QPoint(0, 0), true);
}

void ScrollModel::showNewPage() {
  fitMode_ = FitMode::kWidth;
  placeView(QPoint(0, 0), applyFit());
}

void ScrollModel::scrollTo(QPoint position) { placeView(position, false); }

void ScrollModel::placeView(QPoint position, bool zoomChanged) {
  QSize client = clientSize();
  Axis horizontal = horizontalAxis(state_, client);
  Axis vertical = verticalAxis(state_, client);
  int x = horizontal.offsetAt(position.x());
  int y = vertical.offsetAt(position.y());
  // Components hold window pixels: any change of the view lays out again.
  if (zoomChanged || x != state_.viewOffsetX || y != state_.viewOffsetY) {
    state_.viewOffsetX = x;
    state_.viewOffsetY = y;
    hooks_.layOutPage();
  }
  setBar(horizontalBar(), horizontal, horizontal.positionOf(x));
  setBar(verticalBar(), vertical, vertical.positionOf(y));
  hooks_.drawPage();
}

void ScrollModel::verticalScroll(ScrollRequest request, int position) {
  QPoint at = scrollPosition();
  at.setY(requestedPosition(request, at.y(), position, clientSize().height()));
  scrollTo(at);
}

void ScrollModel::horizontalScroll(ScrollRequest request, int position) {
  QPoint at = scrollPosition();
  at.setX(requestedPosition(request, at.x(), position, clientSize().width()));
  scrollTo(at);
}

void ScrollModel::wheelStep(bool towardStart, bool horizontal) {
  ScrollRequest request = towardStart ? kLineUp : kLineDown;
  for (int line = 0; line < QApplication::wheelScrollLines(); ++line) {
    if (horizontal) {
      horizontalScroll(request);
    } else {
      verticalScroll(request);
    }
  }
}

void ScrollModel::zoomBy(double step, QPointF anchor) { zoomTo(state_.zoom + step, anchor); }

void ScrollModel::zoomTo(double zoom, QPointF anchor) {
  fitMode_ = FitMode::kNone;
  double old = state_.zoom;
  state_.zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  // The page point under the anchor, then the offsets that keep it there.
  double pageX = (anchor.x() - state_.viewOffsetX) / old;
  double pageY = (anchor.y() - state_.viewOffsetY) / old;
  QSize client = clientSize();
  int x = static_cast<int>(std::lround(anchor.x() - pageX * state_.zoom));
  int y = static_cast<int>(std::lround(anchor.y() - pageY * state_.zoom));
  placeView(QPoint(horizontalAxis(state_, client).positionOf(x),
                   verticalAxis(state_, client).positionOf(y)),
            true);
  hooks_.showZoom();
}

void ScrollModel::setFitMode(FitMode mode) {
  fitMode_ = mode;
  refit();
}

void ScrollModel::refit() {
  double before = state_.zoom;
  bool changed = applyFit();
  double after = state_.zoom;
  QPoint at = scrollPosition();
  placeView(
      QPoint(positionAfterZoom(at.x(), before, after), positionAfterZoom(at.y(), before, after)),
      changed);
}

bool ScrollModel::applyFit() {
  hooks_.showZoom();
  if (fitMode_ == FitMode::kNone) return false;
  QSize room = clientSize() - QSize(2 * kPageMargin, 2 * kPageMargin);
  double zoom = room.width() / pageWidthAtZoomOne(state_);
  if (fitMode_ == FitMode::kPage) {
    zoom = std::min(zoom, room.height() / static_cast<double>(state_.pageHeight));
  }
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  if (zoom == state_.zoom) return false;
  state_.zoom = zoom;
  hooks_.showZoom();
  return true;
}
