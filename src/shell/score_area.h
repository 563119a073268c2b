// The client area of the main window: shows what the window paints and
// carries the two scroll bars. Its events become signals for the window.
#pragma once

#include <QAbstractScrollArea>

#include "shell/scroll_model.h"

class QPainter;

class ScoreArea : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit ScoreArea(QWidget* parent);

 signals:
  // The client area is being painted with painter.
  void painting(QPainter& painter);
  // Wheel notches: a line step each, or with Ctrl a zoom step about anchor.
  void wheelStepped(bool towardStart, bool horizontal);
  void wheelZoomed(bool in, QPointF anchor);
  // The mouse picks items on the page: moving names them, a click selects,
  // a double click opens Item edit.
  void mouseMoved(QPoint point);
  void clicked(QPoint point);
  void doubleClicked(QPoint point);
  void mouseLeft();
  // The viewport's size changed (also before the first show).
  void resized();
  // A bar's request; position is the slider's of thumb requests.
  void verticalRequest(ScrollRequest request, int position);
  void horizontalRequest(ScrollRequest request, int position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // The bars only report requests; nothing scrolls by itself.
  void scrollContentsBy(int dx, int dy) override;

 private:
  void forwardBarAction(bool vertical, int action);
  int wheelRemainder_ = 0;
};
