// Picking items on the page: the item under the mouse marked and named in
// the status bar, a selection made by click or by Tab, Item edit opened at
// the selected item. Hits are found in the boxes of the last paint, so the
// mouse never costs a drawing of the page.
#include <QCursor>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "score/item_table.h"
#include "shell/main_window.h"
#include "shell/score_area.h"

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

int MainWindow::pickItem(QPoint point) {
  if (offscreenStale_) paintOffscreen();
  return itemAtPoint(itemBoxes_, point.x(), point.y(), kPickReach);
}

void MainWindow::pointAt(QPoint point) {
  int item = libraryDisplayShown_ ? 0 : pickItem(point);
  if (item == hoveredItem_) return;
  hoveredItem_ = item;
  statusNamesSelection_ = false;
  showItemStatus();
  area_->viewport()->update();
}

void MainWindow::pointerLeft() {
  if (hoveredItem_ == 0) return;
  hoveredItem_ = 0;
  showItemStatus();
  area_->viewport()->update();
}

void MainWindow::followPointer() {
  QWidget* viewport = area_->viewport();
  if (!viewport->underMouse()) return;
  QPoint point = viewport->mapFromGlobal(QCursor::pos());
  int item = itemAtPoint(itemBoxes_, point.x(), point.y(), kPickReach);
  if (item == hoveredItem_) return;
  hoveredItem_ = item;
  showItemStatus();
}

void MainWindow::clickAt(QPoint point) {
  if (libraryDisplayShown_) return;
  selectItem(pickItem(point));
}

void MainWindow::doubleClickAt(QPoint point) {
  clickAt(point);
  if (selectedItem_ != 0) editSelectedItem();
}

void MainWindow::selectItem(int item) {
  int count = document_.itemTable.itemCount;
  selectedItem_ = item <= 0 || count <= 0 ? 0 : std::min(item, count);
  statusNamesSelection_ = true;
  if (selectedItem_ != 0) {
    currentItem_ = selectedItem_;
    scrollIntoView(selectedItem_);
  }
  showItemStatus();
  area_->viewport()->update();
}

void MainWindow::stepSelection(int step) {
  int count = document_.itemTable.itemCount;
  if (count <= 0) return;
  int from = selectedItem_ != 0 ? selectedItem_ : (step > 0 ? 0 : count + 1);
  selectItem((from - 1 + step + count) % count + 1);
}

void MainWindow::editSelectedItem() { editItemCommand(selectedItem_ != 0 ? selectedItem_ : 1); }

void MainWindow::scrollIntoView(int item) {
  if (offscreenStale_) paintOffscreen();
  const ItemBox* box = boxOfItem(itemBoxes_, item);
  if (box == nullptr) return;  // it draws nothing
  QSize client = clientSize();
  QPoint shift(shiftIntoView(box->left, box->right, client.width()),
               shiftIntoView(box->top, box->bottom, client.height()));
  if (!shift.isNull()) scrollTo(scrollPosition() + shift);
}

bool MainWindow::focusNextPrevChild(bool) { return false; }

QString MainWindow::itemStatus() const {
  bool selection = hoveredItem_ == 0 || (statusNamesSelection_ && selectedItem_ != 0);
  int item = selection ? selectedItem_ : hoveredItem_;
  if (item == 0 || item > document_.itemTable.itemCount) return {};
  const ItemRecord& record = ::itemAt(document_.itemTable, item);
  return QString("Item %1 of %2: %3 (code %4), staff %5, P3 %6, P4 %7")
      .arg(item)
      .arg(document_.itemTable.itemCount)
      .arg(QString(itemTypeName(itemCode(record))).trimmed())
      .arg(itemCode(record))
      .arg(parameterText(param(record, 2)))
      .arg(parameterText(param(record, 3)))
      .arg(parameterText(param(record, 4)));
}

void MainWindow::showItemStatus() { itemLabel_->setText(itemStatus()); }

void MainWindow::paintMarks(QPainter& painter) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (const ItemBox* box = boxOfItem(itemBoxes_, selectedItem_)) {
    painter.setPen(QPen(kSelectedEdge, 2));
    painter.setBrush(kSelectedFill);
    painter.drawRect(markRect(*box));
  }
  if (hoveredItem_ != selectedItem_) {
    if (const ItemBox* box = boxOfItem(itemBoxes_, hoveredItem_)) {
      painter.setPen(QPen(kHoverEdge, 1));
      painter.setBrush(kHoverFill);
      painter.drawRect(markRect(*box));
    }
  }
  painter.restore();
}
