// Picking items on the page: the item under the mouse marked and named in
// the status bar, and the selected one. Hits are found in the boxes of the
// last paint, so the mouse never costs a drawing of the page.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

#include "paint/item_bounds.h"
#include "score/document.h"

class QLabel;
class QPainter;
class QWidget;

class ItemPicker {
 public:
  // Picks among the items of document drawn on viewport, naming them in label.
  ItemPicker(const Document& document, QWidget* viewport, QLabel* label);

  // The boxes of every item drawn by a paint, in client pixels.
  void setBoxes(std::vector<ItemBox> boxes) { boxes_ = std::move(boxes); }
  // The item drawn at point (0 for none).
  int pick(QPoint point) const;
  int hovered() const { return hovered_; }
  int selected() const { return selected_; }

  // The mouse moved onto item (0: off every item).
  void hover(int item);
  // The mouse left the client area.
  void leave();
  // The page moved or changed under a mouse that stayed: what it points at
  // now, from the boxes just set.
  void followMouse();
  // Forgets the item under the mouse without a word: the data was replaced.
  void forgetHovered() { hovered_ = 0; }
  // Selects item (0 for none; others are held to 1..item count) and names
  // it; returns the item selected.
  int select(int item);
  // How far the view must scroll to show item's box, kept a margin from the
  // client's edges; null when it shows or draws nothing.
  QPoint shiftToShow(int item, QSize client) const;

  // What the status bar says of the item the user came to last: the one
  // the mouse moved onto, or the one selected since; the other one while
  // that is none. "Item 5 of 9: note (code 1), staff 1, P3 10, P4 2".
  QString statusText() const;
  // Marks the selected item and the one under the mouse.
  void paintMarks(QPainter& painter) const;

 private:
  void showStatus();

  const Document& document_;
  QWidget* viewport_;
  QLabel* label_;
  std::vector<ItemBox> boxes_;
  int hovered_ = 0;
  int selected_ = 0;
  // The selection changed after the mouse last moved onto an item.
  bool statusNamesSelection_ = false;
};

// The item step places after (or before) selected (0: none), in file order
// and round the ends of count items (count > 0).
int steppedItem(int selected, int step, int count);
