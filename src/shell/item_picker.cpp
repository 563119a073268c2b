#include "shell/item_picker.h"

#include <QCursor>
#include <QLabel>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "score/item_table.h"

namespace {

// Pixels beside a thin line that still hit it.
constexpr double kPickReach = 3;
// Pixels between a mark and what it marks, and between an item scrolled
// into view and the window's edge.
constexpr double kMarkMargin = 2;
constexpr int kViewMargin = 40;

const QColor kHoverFill(0, 120, 215, 40);
const QColor kHoverEdge(0, 120, 215, 150);
const QColor kSelectedFill(0, 120, 215, 60);
const QColor kSelectedEdge(0, 90, 200);

QRectF markRect(const ItemBox& box) {
  return QRectF(QPointF(box.left, box.top), QPointF(box.right, box.bottom))
      .adjusted(-kMarkMargin, -kMarkMargin, kMarkMargin, kMarkMargin);
}

QString parameterText(float value) { return QString::number(static_cast<double>(value), 'g', 6); }

// How far a box must move along one axis to lie within 0..extent, kept a
// margin from the edge; a box larger than the extent shows its start.
int shiftIntoView(double start, double end, int extent) {
  int margin = std::min(kViewMargin, extent / 4);
  if (end - start > extent - 2 * margin || start < margin) {
    return static_cast<int>(std::lround(std::clamp(start - margin, -1e7, 1e7)));
  }
  if (end > extent - margin)
    return static_cast<int>(std::lround(std::clamp(end - extent + margin, -1e7, 1e7)));
  return 0;
}

}  // namespace

ItemPicker::ItemPicker(const Document& document, QWidget* viewport, QLabel* label)
    : document_(document), viewport_(viewport), label_(label) {}

int ItemPicker::pick(QPoint point) const {
  return itemAtPoint(boxes_, point.x(), point.y(), kPickReach);
}

void ItemPicker::hover(int item) {
  if (item == hovered_) return;
  hovered_ = item;
  statusNamesSelection_ = false;
  showStatus();
  viewport_->update();
}

void ItemPicker::leave() {
  if (hovered_ == 0) return;
  hovered_ = 0;
  showStatus();
  viewport_->update();
}

void ItemPicker::followMouse() {
  if (!viewport_->underMouse()) return;
  int item = pick(viewport_->mapFromGlobal(QCursor::pos()));
  if (item == hovered_) return;
  hovered_ = item;
  showStatus();
}

int ItemPicker::select(int item) {
  int count = document_.itemTable.itemCount;
  selected_ = item <= 0 || count <= 0 ? 0 : std::min(item, count);
  statusNamesSelection_ = true;
  showStatus();
  viewport_->update();
  return selected_;
}

QPoint ItemPicker::shiftToShow(int item, QSize client) const {
  const ItemBox* box = boxOfItem(boxes_, item);
  if (box == nullptr) return {};  // it draws nothing
  return QPoint(shiftIntoView(box->left, box->right, client.width()),
                shiftIntoView(box->top, box->bottom, client.height()));
}

QString ItemPicker::statusText() const {
  bool selection = hovered_ == 0 || (statusNamesSelection_ && selected_ != 0);
  int item = selection ? selected_ : hovered_;
  if (item == 0 || item > document_.itemTable.itemCount) return {};
  const ItemRecord& record = itemAt(document_.itemTable, item);
  return QString("Item %1 of %2: %3 (code %4), staff %5, P3 %6, P4 %7")
      .arg(item)
      .arg(document_.itemTable.itemCount)
      .arg(QString(itemTypeName(itemCode(record))).trimmed())
      .arg(itemCode(record))
      .arg(parameterText(param(record, 2)))
      .arg(parameterText(param(record, 3)))
      .arg(parameterText(param(record, 4)));
}

void ItemPicker::showStatus() { label_->setText(statusText()); }

void ItemPicker::paintMarks(QPainter& painter) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (const ItemBox* box = boxOfItem(boxes_, selected_)) {
    painter.setPen(QPen(kSelectedEdge, 2));
    painter.setBrush(kSelectedFill);
    painter.drawRect(markRect(*box));
  }
  if (hovered_ != selected_) {
    if (const ItemBox* box = boxOfItem(boxes_, hovered_)) {
      painter.setPen(QPen(kHoverEdge, 1));
      painter.setBrush(kHoverFill);
      painter.drawRect(markRect(*box));
    }
  }
  painter.restore();
}

int steppedItem(int selected, int step, int count) {
  int from = selected != 0 ? selected : (step > 0 ? 0 : count + 1);
  return (from - 1 + step + count) % count + 1;
}
