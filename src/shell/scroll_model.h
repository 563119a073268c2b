// Scroll bars, wheel and zoom of the window: one model. The view offsets say
// where the page lies in the client area; the bars show the view's place on
// the page and its margin, and every way of scrolling moves the view within
// them.
#pragma once

#include <QPoint>
#include <QRect>
#include <functional>

#include "view/view.h"

class QAbstractScrollArea;
class QScrollBar;

// Scroll-bar requests; horizontal bars read Up as left and Down as right.
enum ScrollRequest {
  kLineUp,
  kLineDown,
  kPageUp,
  kPageDown,
  kThumbPosition,
  kThumbTrack,
};
constexpr ScrollRequest kLineLeft = kLineUp;
constexpr ScrollRequest kLineRight = kLineDown;
constexpr ScrollRequest kPageLeft = kPageUp;
constexpr ScrollRequest kPageRight = kPageDown;

// Pixels a line request moves the view.
constexpr int kLineScrollStep = 20;
// Grey desk shown around the page, in window pixels at any zoom.
constexpr int kPageMargin = 20;
// The bounds of the zoom factor and the step of the zoom keys and the wheel.
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 16.0;
constexpr double kZoomStep = 0.25;

// What the zoom follows when the window changes size.
enum class FitMode { kNone, kWidth, kPage };

class ScrollModel {
 public:
  // What a move of the view asks of the window.
  struct Hooks {
    std::function<void()> layOutPage;  // components hold window pixels
    std::function<void()> drawPage;
    std::function<void()> showZoom;  // the zoom or the fit mode may have changed
  };

  // Moves the view of state within area, whose bars it sets.
  ScrollModel(QAbstractScrollArea& area, ViewState& state, Hooks hooks);

  // The page in client pixels at the current zoom and view offsets.
  QRect pageRect() const;
  QSize clientSize() const;
  QPointF clientCentre() const;
  // The view's place: the scroll bars' values.
  QPoint scrollPosition() const;
  QScrollBar* verticalBar() const;
  QScrollBar* horizontalBar() const;
  FitMode fitMode() const { return fitMode_; }

  // The view afresh after a change of resolution: not fitted, at the page's
  // top left, laid out again.
  void startAtTopLeft();
  // A new page starts at its top, as wide as the window.
  void showNewPage();

  // Puts the view's top left at position on the page and its margin (the
  // scroll bars' values), held to the bars' ranges.
  void scrollTo(QPoint position);
  // Moves the view to position (held to the bars' ranges) and lays out
  // again when the view changed or the zoom did.
  void placeView(QPoint position, bool zoomChanged);
  // Scroll-bar requests; position is the thumb position of thumb requests.
  void verticalScroll(ScrollRequest request, int position = 0);
  void horizontalScroll(ScrollRequest request, int position = 0);
  // One wheel notch: the platform's wheel lines of line requests.
  void wheelStep(bool towardStart, bool horizontal);
  // Sets the zoom, held to kMinZoom..kMaxZoom, keeping the page point under
  // anchor (client pixels) where it is as far as the bounds allow. The zoom
  // no longer follows the window's size afterwards.
  void zoomTo(double zoom, QPointF anchor);
  void zoomBy(double step, QPointF anchor);
  // The zoom that follows the window's width or whole page, or neither;
  // what shows at the top left stays there.
  void setFitMode(FitMode mode);
  // Sets the zoom the fit mode asks for; true when it changed.
  bool applyFit();
  // applyFit, keeping the page point at the client's top left in place.
  void refit();

 private:
  QAbstractScrollArea& area_;
  ViewState& state_;
  Hooks hooks_;
  FitMode fitMode_ = FitMode::kWidth;
};
