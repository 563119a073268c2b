// Picking items on the page: found where they were drawn, named in the
// status bar, selected by click and Tab, opened in Item edit.
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>

#include "layout/component_store.h"
#include "shell/commands.h"
#include "shell/item_edit_dialog.h"
#include "shell/up_down_control.h"
#include "window_fixture.h"

namespace {

// A staff, a clef on it and a line: the fixture's libraries draw the clef
// as a triangle.
const std::vector<ItemParams> kPage = {{8, 1, 0, 0}, {3, 1, 10, 0}, {4, 1, 60, 0, 80}};

class PickingTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    openItems(kPage);
    // Staff 1 lies at the foot of the page.
    window->keyDown(Qt::Key_End);
  }
  QWidget* viewport() const {
    return window->centralWidget()->findChild<QWidget*>("qt_scrollarea_viewport");
  }
  // The clef's triangle in client pixels, as laid out.
  QRect clefRect() const {
    const ItemComponents* clef = componentsOf(window->view().components, 2);
    if (clef == nullptr || clef->count == 0) return {};
    QRect box;
    for (const Vector& v : clef->records[0]->vectors) box |= QRect(v.x, v.y, 1, 1);
    return box;
  }
  // A point of the staff: the first dark pixel down the page's middle.
  QPoint staffPoint() {
    window->paintOffscreen();
    const QImage& image = window->offscreenImage();
    qreal ratio = image.devicePixelRatio();
    int x = window->pageRect().center().x();
    for (int y = std::max(0, window->pageRect().top()); y < window->clientSize().height(); ++y) {
      if (image.pixelColor(QPoint(x, y) * ratio).lightness() < 128) return QPoint(x, y);
    }
    return {};
  }
  std::string status() const {
    for (QLabel* label : window->statusBar()->findChildren<QLabel*>()) {
      if (!label->text().endsWith('%')) return label->text().toStdString();
    }
    return "<no label>";
  }
  // The item Item edit shows when it opens.
  int itemShownByItemEdit(const std::function<void()>& open) {
    int shown = 0;
    ui.onDialog = [&shown](QDialog& dialog) {
      shown = dynamic_cast<ItemEditDialog&>(dialog).field(kItemNumberField)->text().toInt();
    };
    int before = ui.dialogsRun;
    open();
    return ui.dialogsRun == before ? 0 : shown;
  }
};

TEST_F(PickingTest, TheItemIsFoundWhereItWasDrawn) {
  QRect clef = clefRect();
  ASSERT_FALSE(clef.isEmpty());
  QPoint staff = staffPoint();
  ASSERT_FALSE(staff.isNull()) << "no staff line drawn";
  struct Case {
    const char* name;
    QPoint point;
    int item;
  } cases[] = {
      {"inside the clef", clef.center() + QPoint(0, clef.height() / 4), 2},
      {"on a staff line, away from the clef", staff, 1},
      {"just beside a staff line", staff + QPoint(0, 2), 1},
      {"on the desk left of the page", QPoint(window->pageRect().left() - 10, staff.y()), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(window->pickItem(c.point), c.item);
  }
}

TEST_F(PickingTest, TheItemUnderTheMouseIsMarkedAndNamed) {
  QRect clef = clefRect();
  // A point of paper inside the clef's box, white until the mark shades it.
  QImage before = viewport()->grab().toImage();
  QPoint paper(-1, -1);
  for (int y = clef.top(); y <= clef.bottom() && paper.x() < 0; ++y) {
    for (int x = clef.left(); x <= clef.right(); ++x) {
      if (before.pixelColor(x, y) == QColor(Qt::white)) {
        paper = QPoint(x, y);
        break;
      }
    }
  }
  ASSERT_GE(paper.x(), 0) << "no paper in the clef's box";
  QMouseEvent move(QEvent::MouseMove, clef.center() + QPoint(0, clef.height() / 4), QPointF(),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(viewport(), &move);
  EXPECT_EQ(window->hoveredItem(), 2);
  EXPECT_EQ(status(), "Item 2 of 3: clef (code 3), staff 1, P3 10, P4 0");
  QColor marked = viewport()->grab().toImage().pixelColor(paper);
  EXPECT_GT(marked.blue(), marked.red() + 10) << "the clef is not marked";

  window->pointAt(QPoint(window->pageRect().left() - 10, 5));
  EXPECT_EQ(window->hoveredItem(), 0);
  EXPECT_EQ(status(), "");
  EXPECT_EQ(viewport()->grab().toImage().pixelColor(paper), QColor(Qt::white));
}

TEST_F(PickingTest, WhatTheStillMouseNamesFollowsTheScrolledPage) {
  QPoint onClef = clefRect().center() + QPoint(0, clefRect().height() / 4);
  window->pointAt(onClef);
  ASSERT_EQ(window->hoveredItem(), 2);
  viewport()->setAttribute(Qt::WA_UnderMouse, true);
  QCursor::setPos(viewport()->mapToGlobal(onClef));
  if (viewport()->mapFromGlobal(QCursor::pos()) != onClef)
    GTEST_SKIP() << "the platform keeps no cursor";
  QPoint start = window->scrollPosition();
  window->scrollTo(start - QPoint(0, 200));  // the clef moves 200 pixels down
  viewport()->grab();
  EXPECT_NE(window->hoveredItem(), 2);
  EXPECT_EQ(status().rfind("Item 2 of", 0), std::string::npos) << status();
  window->scrollTo(start);
  viewport()->grab();
  EXPECT_EQ(window->hoveredItem(), 2);
}

TEST_F(PickingTest, AClickSelectsAndTheStatusKeepsTheSelection) {
  QPoint onClef = clefRect().center() + QPoint(0, clefRect().height() / 4);
  QMouseEvent press(QEvent::MouseButtonPress, onClef, QPointF(), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(viewport(), &press);
  EXPECT_EQ(window->selectedItem(), 2);
  EXPECT_EQ(window->currentItem(), 2);
  window->pointerLeft();
  EXPECT_EQ(status(), "Item 2 of 3: clef (code 3), staff 1, P3 10, P4 0");
  window->clickAt(QPoint(window->pageRect().left() - 10, 5));
  EXPECT_EQ(window->selectedItem(), 0) << "a click off every item ends the selection";
  EXPECT_EQ(status(), "");
}

TEST_F(PickingTest, TabAndShiftTabStepThroughTheItemsInFileOrder) {
  auto press = [this](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(window.get(), &event);
    return window->selectedItem();
  };
  EXPECT_EQ(press(Qt::Key_Tab), 1);
  EXPECT_EQ(press(Qt::Key_Tab), 2);
  EXPECT_EQ(press(Qt::Key_Tab), 3);
  EXPECT_EQ(press(Qt::Key_Tab), 1) << "round the end";
  EXPECT_EQ(press(Qt::Key_Backtab, Qt::ShiftModifier), 3) << "round the start";
  EXPECT_EQ(press(Qt::Key_Backtab, Qt::ShiftModifier), 2);
  EXPECT_EQ(press(Qt::Key_Escape), 0);
  EXPECT_EQ(press(Qt::Key_Backtab, Qt::ShiftModifier), 3) << "from no selection, the last";
  EXPECT_EQ(status(), "Item 3 of 3: line (code 4), staff 1, P3 60, P4 0");
}

TEST_F(PickingTest, TheStatusNamesWhatTheMouseOrTheKeysCameToLast) {
  // Only the calls below move the mouse, not a cursor an earlier test left.
  viewport()->setAttribute(Qt::WA_UnderMouse, false);
  QPoint onClef = clefRect().center() + QPoint(0, clefRect().height() / 4);
  window->pointAt(onClef);
  window->keyDown(Qt::Key_Tab);
  EXPECT_EQ(status(), "Item 1 of 3: staff (code 8), staff 1, P3 0, P4 0")
      << "Tab under a resting mouse";
  window->keyDown(Qt::Key_Backtab);
  EXPECT_EQ(status(), "Item 3 of 3: line (code 4), staff 1, P3 60, P4 0") << "Shift+Tab";
  window->pointAt(onClef + QPoint(1, 0));
  EXPECT_EQ(status(), "Item 3 of 3: line (code 4), staff 1, P3 60, P4 0")
      << "a move within the same item";
  window->pointAt(QPoint(window->pageRect().left() - 10, 5));
  window->pointAt(onClef);
  EXPECT_EQ(status(), "Item 2 of 3: clef (code 3), staff 1, P3 10, P4 0")
      << "the mouse moved onto an item";
}

TEST_F(PickingTest, TabScrollsTheSelectedItemIntoView) {
  window->zoomTo(4.0, QPointF(0, 0));
  window->scrollTo(QPoint(window->horizontalBar()->maximum(), 0));
  ASSERT_FALSE(QRect(QPoint(0, 0), window->clientSize()).contains(clefRect()))
      << "the clef is in view already";
  window->selectItem(2);
  EXPECT_TRUE(QRect(QPoint(0, 0), window->clientSize()).contains(clefRect()));
}

TEST_F(PickingTest, EnterAndDoubleClickOpenItemEditAtTheItem) {
  QPoint onClef = clefRect().center() + QPoint(0, clefRect().height() / 4);
  EXPECT_EQ(itemShownByItemEdit([&] { window->doubleClickAt(onClef); }), 2);
  window->selectItem(3);
  EXPECT_EQ(itemShownByItemEdit([&] { window->keyDown(Qt::Key_Return); }), 3);
  EXPECT_EQ(itemShownByItemEdit([&] { window->command(kEditItemCommand); }), 3);
  EXPECT_EQ(itemShownByItemEdit(
                [&] { window->doubleClickAt(QPoint(window->pageRect().left() - 10, 5)); }),
            0)
      << "a double click off every item opens nothing";
  window->selectItem(0);
  EXPECT_EQ(itemShownByItemEdit([&] { window->keyDown(Qt::Key_Enter); }), 1)
      << "nothing selected: item 1";
}

TEST_F(PickingTest, TheSelectionFollowsItemEditAndEndsWithThePage) {
  window->selectItem(1);
  ui.onDialog = [](QDialog& dialog) { dynamic_cast<ItemEditDialog&>(dialog).upDown()->stepBy(1); };
  window->keyDown(Qt::Key_Return);
  EXPECT_EQ(window->selectedItem(), 2);
  openItems({{8, 1, 0, 0}});
  EXPECT_EQ(window->selectedItem(), 0);
  EXPECT_EQ(window->hoveredItem(), 0);
  window->selectItem(7);
  EXPECT_EQ(window->selectedItem(), 1) << "held to the item count";
}

}  // namespace
