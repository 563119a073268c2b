// The window's offscreen bitmap: the grey desk and the white page with the
// score painted on it, as large as the screen, painted again only when the
// page or the view changed.
#pragma once

#include <QImage>
#include <QRect>
#include <vector>

#include "paint/item_bounds.h"
#include "score/document.h"
#include "shell/text_run_cache.h"
#include "view/view.h"

// A white image of the screen's size, sharp on high-resolution screens.
QImage screenImage(QSize size, qreal pixelRatio);

class OffscreenPage {
 public:
  OffscreenPage(QSize screenSize, qreal pixelRatio);

  const QImage& image() const { return image_; }
  // True when the page or the view changed since the last paint.
  bool stale() const { return stale_; }
  void markStale() { stale_ = true; }

  // Clears the bitmap (desk, white page at pageRect) and paints document
  // in view into it, on a high-resolution screen at its device pixels.
  // Returns the box of every item drawn, in client pixels.
  std::vector<ItemBox> paint(const Document& document, View& view, QRect pageRect,
                             bool smoothEdges);

 private:
  // paintScore onto the painter, the pens at the view's weights.
  std::vector<ItemBox> paintItems(QPainter& painter, const Document& document, View& view,
                                  bool smoothEdges);

  QSize screenSize_;
  QImage image_;
  TextRunCache textRuns_;  // the page's runs, laid out once for every repaint
  // The view in device pixels, laid out for each paint on high-resolution screens.
  View deviceView_;
  bool stale_ = true;
};
