#include "shell/offscreen_page.h"

#include <QPainter>

#include "layout/layout.h"
#include "paint/item_bounds_surface.h"
#include "paint/painter.h"
#include "paint/pen_widths.h"
#include "shell/device_view.h"
#include "shell/qt_surface.h"

namespace {

// The desk around the page.
const QColor kDeskColour(0x9a, 0x9a, 0x9a);

}  // namespace

QImage screenImage(QSize size, qreal pixelRatio) {
  QImage image(size * pixelRatio, QImage::Format_RGB32);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(Qt::white);
  return image;
}

OffscreenPage::OffscreenPage(QSize screenSize, qreal pixelRatio)
    : screenSize_(screenSize), image_(screenImage(screenSize, pixelRatio)) {}

std::vector<ItemBox> OffscreenPage::paint(const Document& document, View& view, QRect pageRect,
                                          bool smoothEdges) {
  qreal ratio = image_.devicePixelRatio();
  {
    QPainter painter(&image_);
    painter.fillRect(QRect(QPoint(0, 0), screenSize_), kDeskColour);
    painter.fillRect(pageRect, Qt::white);
    if (ratio == 1) return paintItems(painter, document, view, smoothEdges);
  }
  // A high-resolution screen: the page laid out and drawn in device pixels.
  setDeviceView(deviceView_, view, ratio);
  layoutScore(document, deviceView_);
  image_.setDevicePixelRatio(1);
  std::vector<ItemBox> boxes;
  {
    QPainter painter(&image_);
    boxes = paintItems(painter, document, deviceView_, smoothEdges);
  }
  image_.setDevicePixelRatio(ratio);
  // Picking and its marks work in client pixels.
  for (ItemBox& box : boxes) {
    box.left /= ratio;
    box.top /= ratio;
    box.right /= ratio;
    box.bottom /= ratio;
  }
  return boxes;
}

std::vector<ItemBox> OffscreenPage::paintItems(QPainter& painter, const Document& document,
                                               View& view, bool smoothEdges) {
  // Selects the black pen and the white brush; a zoomed page has SCORE's weights.
  QtSurface surface(painter, penWidths(view.viewState), &textRuns_);
  painter.setRenderHint(QPainter::Antialiasing, smoothEdges);
  ItemBoundsSurface bounds(surface);
  paintScore(bounds, document, view);
  stale_ = false;
  return bounds.boxes();
}
