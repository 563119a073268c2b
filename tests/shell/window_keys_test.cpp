// The key table of the main window, every row with the Ctrl flag off and on.
#include <QApplication>
#include <QScrollBar>

#include "view/view.h"
#include "shell/commands.h"
#include "window_fixture.h"

namespace {

struct KeyRow {
  const char* name;
  int key;
  bool ctrl;
  double zoom;
  int viewOffsetX;
  int viewOffsetY;
  // Expected scroll position from the start (-500, 2000), given the client size.
  std::function<QPoint(int width, int height)> position;
  int libraryDialogs;
};

QPoint unchanged(int, int) { return {-500, 2000}; }

const std::vector<KeyRow>& keyRows() {
  static const std::vector<KeyRow> rows = {
      {"Ctrl", Qt::Key_Control, false, 1.0, 0, 0, unchanged, 0},
      {"Ctrl with Ctrl", Qt::Key_Control, true, 1.0, 0, 0, unchanged, 0},
      {"PageUp", Qt::Key_PageUp, false, 1.0, 0, 0,
       [](int, int h) { return QPoint(-500, std::max(2000 - h / 2, h)); }, 0},
      {"Ctrl+PageUp", Qt::Key_PageUp, true, 1.25, 0, 0, unchanged, 0},
      {"PageDown", Qt::Key_PageDown, false, 1.0, 0, 0,
       [](int, int h) { return QPoint(-500, std::min(2000 + h / 2, 3000)); }, 0},
      {"Ctrl+PageDown", Qt::Key_PageDown, true, 0.75, 0, 0, unchanged, 0},
      {"End", Qt::Key_End, false, 1.0, 0, 0, [](int, int h) { return QPoint(10, h); }, 0},
      {"Ctrl+End", Qt::Key_End, true, 1.0, 0, 0, unchanged, 0},
      {"Left", Qt::Key_Left, false, 1.0, 0, 0, unchanged, 0},
      {"Ctrl+Left", Qt::Key_Left, true, 1.0, -20, 0,
       [](int, int) { return QPoint(-510, 2000); }, 0},
      {"Right", Qt::Key_Right, false, 1.0, 0, 0, unchanged, 1},
      {"Ctrl+Right", Qt::Key_Right, true, 1.0, 20, 0,
       [](int, int) { return QPoint(-490, 2000); }, 1},
      {"Up", Qt::Key_Up, false, 1.0, 0, -20, [](int, int) { return QPoint(-500, 1990); }, 0},
      {"Ctrl+Up", Qt::Key_Up, true, 1.0, 0, 0, unchanged, 0},
      {"Down", Qt::Key_Down, false, 1.0, 0, 20, [](int, int) { return QPoint(-500, 2010); }, 0},
      {"Ctrl+Down", Qt::Key_Down, true, 1.0, 0, 0, unchanged, 0},
      {"Home", Qt::Key_Home, false, 1.0, 0, 0, unchanged, 0},
      {"Ctrl+Home", Qt::Key_Home, true, 1.0, 0, 0, unchanged, 0},
  };
  return rows;
}

using KeyTableTest = WindowTest;

TEST_F(KeyTableTest, EveryRowWithTheCtrlFlagOffAndOn) {
  for (const KeyRow& row : keyRows()) {
    SCOPED_TRACE(row.name);
    window->setPixelsPerInch(96);
    window->keyUp(Qt::Key_Control);
    window->verticalScroll(kThumbPosition, 1000);   // y = 2000
    window->horizontalScroll(kThumbPosition, 500);  // x = -500
    if (row.ctrl) window->keyDown(Qt::Key_Control);
    int dialogsBefore = ui.dialogsRun;

    window->keyDown(row.key);

    QSize client = window->clientSize();
    EXPECT_DOUBLE_EQ(window->view().viewState.zoom, row.zoom);
    EXPECT_EQ(window->view().viewState.viewOffsetX, row.viewOffsetX);
    EXPECT_EQ(window->view().viewState.viewOffsetY, row.viewOffsetY);
    EXPECT_EQ(window->scrollPosition(), row.position(client.width(), client.height()));
    EXPECT_EQ(ui.dialogsRun - dialogsBefore, row.libraryDialogs);
    EXPECT_EQ(window->ctrlFlag(), row.ctrl || row.key == Qt::Key_Control);
  }
}

TEST_F(KeyTableTest, ReleasingCtrlClearsTheFlag) {
  window->keyDown(Qt::Key_Control);
  window->keyUp(Qt::Key_Control);
  EXPECT_FALSE(window->ctrlFlag());
  window->keyDown(Qt::Key_PageUp);
  EXPECT_DOUBLE_EQ(window->view().viewState.zoom, 1.0);
}

TEST_F(KeyTableTest, LosingTheKeyboardClearsTheFlag) {
  // A dialog opened with Ctrl+R receives the release of Ctrl instead.
  window->keyDown(Qt::Key_Control);
  QWidget other;
  other.show();
  other.activateWindow();
  QApplication::processEvents();
  ASSERT_FALSE(window->isActiveWindow());
  EXPECT_FALSE(window->ctrlFlag());
}

TEST_F(KeyTableTest, EndResetsTheScrollBars) {
  window->verticalScroll(kThumbPosition, 100);
  window->horizontalScroll(kThumbPosition, 300);
  window->keyDown(Qt::Key_End);
  QSize client = window->clientSize();
  EXPECT_EQ(window->horizontalBar()->value(), 0);
  EXPECT_EQ(window->horizontalBar()->pageStep(), client.width());
  EXPECT_EQ(window->horizontalBar()->maximum(), 2000 - client.width());
  EXPECT_EQ(window->verticalBar()->value(), 3000 - client.height());
  EXPECT_EQ(window->verticalBar()->pageStep(), client.height());
  EXPECT_EQ(window->verticalBar()->maximum(), 3000 - client.height());
}

TEST_F(KeyTableTest, ZoomStepsReachZeroAndGoBelow) {
  window->keyDown(Qt::Key_Control);
  for (double expected : {0.75, 0.5, 0.25, 0.0, -0.25}) {
    window->keyDown(Qt::Key_PageDown);
    EXPECT_DOUBLE_EQ(window->view().viewState.zoom, expected);
  }
  window->paintOffscreen();  // a zero or negative zoom still paints
}

TEST_F(KeyTableTest, PageUpMovesOnlyTheBarPosition) {
  window->verticalScroll(kThumbPosition, 1000);
  int barBefore = window->verticalBar()->value();
  window->keyDown(Qt::Key_PageUp);
  EXPECT_GT(window->verticalBar()->value(), barBefore);
  EXPECT_EQ(window->view().viewState.viewOffsetY, 0);
}

}  // namespace
