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
constexpr qint64 kMaxStampPixels = qint64(2) << 20;  // 8 MB of ARGB

// A hash of the rest, the brush colour, the point count and the points
// relative to the bounding box. The hash is made while the key is written,
// so that a lookup walks the points only once more, to compare them.
using ShapeKey = std::vector<int32_t>;

struct ShapeHash {
  size_t operator()(const ShapeKey& key) const { return static_cast<uint32_t>(key[0]); }
};

void makeKey(ShapeKey& key, const QPoint* points, int count, QRgb colour, QPoint origin) {
  key.resize(3 + 2 * static_cast<size_t>(count));
  int32_t* out = key.data() + 1;
  *out++ = static_cast<int32_t>(colour);
  *out++ = count;
  uint32_t h = 2166136261u ^ colour ^ static_cast<uint32_t>(count);
  for (int i = 0; i < count; ++i) {
    int32_t x = points[i].x() - origin.x();
    int32_t y = points[i].y() - origin.y();
    *out++ = x;
    *out++ = y;
    h = (h ^ static_cast<uint32_t>(x)) * 16777619u;
    h = (h ^ static_cast<uint32_t>(y)) * 16777619u;
  }
  key[0] = static_cast<int32_t>(h);
}

struct Shape {
  QImage stamp;  // null until the shape is seen a second time
};

struct StampCache {
  std::unordered_map<ShapeKey, Shape, ShapeHash> shapes;
  qint64 pixels = 0;
  ShapeKey probe;  // reused for lookups, so that a hit allocates nothing
};

// One per thread: pages drawn at once on several workers keep their own.
StampCache& cache() {
  thread_local StampCache stamps;
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

bool drawPolygonStamp(QPainter& painter, QPoint origin, const QPoint* points, int count) {
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
  QRect onDevice = box.translated(origin);
  QRect inner = QRect(0, 0, painter.device()->width(), painter.device()->height())
                    .adjusted(kEdgeMargin, kEdgeMargin, -kEdgeMargin, -kEdgeMargin);
  if (!inner.contains(onDevice)) return false;

  StampCache& stamps = cache();
  ShapeKey& key = stamps.probe;
  makeKey(key, points, count, brush.color().rgba(), QPoint(left, top));
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
