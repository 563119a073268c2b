#include "shell/polygon_stamps.h"

#include <QImage>
#include <QPaintDevice>
#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace {

// Stamps are made for polygons up to this size and point count; larger ones
// are rare and cheap enough to draw directly relative to their area.
constexpr int kMaxStampSide = 256;
constexpr int kMaxStampPoints = 4096;
// Near an edge the rasteriser clips, which a stamp copied there would not
// reproduce; polygons this close to the device's edge are drawn directly.
constexpr int kEdgeMargin = 4;
// The outline may set pixels on the bounding box itself.
constexpr int kStampMargin = 2;
// Shapes remembered at once, and stamp pixels kept; everything is forgotten
// when either is passed, which a page never comes near.
constexpr size_t kMaxShapes = 16384;
constexpr qint64 kMaxStampPixels = qint64(8) << 20;

// Brush colour, point count and the points relative to the bounding box.
using ShapeKey = std::vector<int32_t>;

struct ShapeHash {
  size_t operator()(const ShapeKey& key) const {
    uint64_t h = 1469598103934665603ull;
    for (int32_t v : key) h = (h ^ static_cast<uint32_t>(v)) * 1099511628211ull;
    return static_cast<size_t>(h);
  }
};

struct Shape {
  QImage stamp;  // null until the shape is seen a second time
};

struct StampCache {
  std::unordered_map<ShapeKey, Shape, ShapeHash> shapes;
  qint64 pixels = 0;
  ShapeKey probe;  // reused for lookups, so that a hit allocates nothing
};

StampCache& cache() {
  static StampCache stamps;
  return stamps;
}

QImage makeStamp(QPainter& painter, const QPoint* points, int count, const QRect& box) {
  QImage stamp(box.size() + QSize(2 * kStampMargin, 2 * kStampMargin),
               QImage::Format_ARGB32_Premultiplied);
  stamp.fill(Qt::transparent);
  QPainter stampPainter(&stamp);
  stampPainter.setRenderHint(QPainter::Antialiasing, false);
  stampPainter.setPen(painter.pen());
  stampPainter.setBrush(painter.brush());
  stampPainter.translate(kStampMargin - box.left(), kStampMargin - box.top());
  stampPainter.drawPolygon(points, count, Qt::OddEvenFill);
  return stamp;
}

}  // namespace

bool drawPolygonStamp(QPainter& painter, const QPoint* points, int count) {
  if (count < 2 || count > kMaxStampPoints) return false;
  const QBrush& brush = painter.brush();
  if (brush.style() != Qt::SolidPattern || !brush.color().isValid()) return false;
  int left = points[0].x(), right = left, top = points[0].y(), bottom = top;
  for (int i = 1; i < count; ++i) {
    left = std::min(left, points[i].x());
    right = std::max(right, points[i].x());
    top = std::min(top, points[i].y());
    bottom = std::max(bottom, points[i].y());
  }
  if (right - left > kMaxStampSide || bottom - top > kMaxStampSide) return false;
  QRect box(QPoint(left, top), QPoint(right, bottom));
  QRect onDevice = painter.deviceTransform().mapRect(box);
  QRect inner = QRect(0, 0, painter.device()->width(), painter.device()->height())
                    .adjusted(kEdgeMargin, kEdgeMargin, -kEdgeMargin, -kEdgeMargin);
  if (!inner.contains(onDevice)) return false;

  StampCache& stamps = cache();
  ShapeKey& key = stamps.probe;
  key.clear();
  key.push_back(static_cast<int32_t>(brush.color().rgba()));
  key.push_back(count);
  for (int i = 0; i < count; ++i) {
    key.push_back(points[i].x() - left);
    key.push_back(points[i].y() - top);
  }
  auto found = stamps.shapes.find(key);
  if (found == stamps.shapes.end()) {
    if (stamps.shapes.size() >= kMaxShapes || stamps.pixels >= kMaxStampPixels) {
      clearPolygonStamps();
    }
    stamps.shapes.emplace(key, Shape{});
    return false;
  }
  QImage& stamp = found->second.stamp;
  if (stamp.isNull()) {
    stamp = makeStamp(painter, points, count, box);
    stamps.pixels += qint64(stamp.width()) * stamp.height();
  }
  painter.drawImage(QPoint(left - kStampMargin, top - kStampMargin), stamp);
  return true;
}

void clearPolygonStamps() {
  cache().shapes.clear();
  cache().pixels = 0;
}
