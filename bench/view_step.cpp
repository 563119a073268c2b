#include "bench/view_step.h"

#include <QPainter>

#include "layout/component_store.h"
#include "layout/layout.h"
#include "paint/painter.h"
#include "shell/qt_surface.h"

QImage screenImage() {
  QImage image(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void relayout(BenchPage& page) {
  freeAllComponents(page.view.components);
  layoutScore(page.document, page.view);
}

void paintScreen(QImage& screen, BenchPage& page) {
  QPainter painter(&screen);
  QtSurface surface(painter, {}, &page.textRuns);
  surface.fillRectangle(0, 0, kScreenWidth, kScreenHeight);
  paintScore(surface, page.document, page.view);
}

void scrollStep(QImage& screen, BenchPage& page, int start, int k) {
  page.view.viewState.viewOffsetY = start + (k % 2 == 0 ? kLineScroll : 0);
  relayout(page);
  paintScreen(screen, page);
}

void runScrollSteps(QImage& screen, BenchPage& page, int steps) {
  int start = page.view.viewState.viewOffsetY;
  for (int k = 0; k < steps; ++k) scrollStep(screen, page, start, k);
  page.view.viewState.viewOffsetY = start;
}
