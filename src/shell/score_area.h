// The client area of the main window: shows what the window paints and
// carries the two scroll bars, whose requests go to the window's commands.
#pragma once

#include <QAbstractScrollArea>

class MainWindow;

class ScoreArea : public QAbstractScrollArea {
 public:
  explicit ScoreArea(MainWindow* window);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  // The mouse picks items on the page: moving names them, a click selects,
  // a double click opens Item edit.
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  // The viewport's size changed (also before the first show).
  void resizeEvent(QResizeEvent* event) override;
  // The bars only report requests; nothing scrolls by itself.
  void scrollContentsBy(int dx, int dy) override;

 private:
  void forwardBarAction(bool vertical, int action);
  MainWindow* window_;
  int wheelRemainder_ = 0;
};
