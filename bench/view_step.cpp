#include "bench/view_step.h"

#include <QPainter>

#include "layout/component_store.h"
#include "layout/layout.h"
#include "paint/painter.h"
#include "paint/view.h"
#include "shell/qt_surface.h"

QImage screenImage() {
  QImage image(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void relayout() {
  freeAllComponents();
  layoutScore();
}

void paintScreen(QImage& screen) {
  QPainter painter(&screen);
  QtSurface surface(painter);
  surface.fillRectangle(0, 0, kScreenWidth, kScreenHeight);
  paintScore(surface);
}

void scrollStep(QImage& screen, int start, int k) {
  viewState.viewOffsetY = start + (k % 2 == 0 ? kLineScroll : 0);
  relayout();
  paintScreen(screen);
}

void runScrollSteps(QImage& screen, int steps) {
  int start = viewState.viewOffsetY;
  for (int k = 0; k < steps; ++k) scrollStep(screen, start, k);
  viewState.viewOffsetY = start;
}
