// The key table of the main window, every row with the Ctrl flag off and on.
#include <QApplication>
#include <QScrollBar>
#include <optional>

#include "shell/commands.h"
#include "view/view.h"
#include "window_fixture.h"

namespace {

struct KeyRow {
  const char* name;
  int key;
  bool ctrl;
  double zoom;
  // Expected view position from the start (400, 600), given the client
  // height and the vertical bar's maximum; zoom rows move the view about the
  // window's centre and give none.
  std::function<std::optional<QPoint>(int height, int bottom)> position;
  int libraryDialogs;
};

std::optional<QPoint> unchanged(int, int) { return QPoint(400, 600); }
std::optional<QPoint> zoomed(int, int) { return std::nullopt; }

const std::vector<KeyRow>& keyRows() {
  static const std::vector<KeyRow> rows = {
      {"Ctrl", Qt::Key_Control, false, 2.0, unchanged, 0},
      {"Ctrl with Ctrl", Qt::Key_Control, true, 2.0, unchanged, 0},
      // The keys move the paper: Page Up and Up show what lies below.
      {"PageUp", Qt::Key_PageUp, false, 2.0, [](int h, int) { return QPoint(400, 600 + h / 2); },
       0},
      {"Ctrl+PageUp", Qt::Key_PageUp, true, 2.25, zoomed, 0},
      {"PageDown", Qt::Key_PageDown, false, 2.0,
       [](int h, int) { return QPoint(400, 600 - h / 2); }, 0},
      {"Ctrl+PageDown", Qt::Key_PageDown, true, 1.75, zoomed, 0},
      {"End", Qt::Key_End, false, 2.0, [](int, int bottom) { return QPoint(0, bottom); }, 0},
      {"Ctrl+End", Qt::Key_End, true, 2.0, unchanged, 0},
      {"Home", Qt::Key_Home, false, 2.0, [](int, int) { return QPoint(0, 0); }, 0},
      {"Ctrl+Home", Qt::Key_Home, true, 2.0, [](int, int) { return QPoint(0, 0); }, 0},
      {"Left", Qt::Key_Left, false, 2.0, unchanged, 0},
      {"Ctrl+Left", Qt::Key_Left, true, 2.0, [](int, int) { return QPoint(420, 600); }, 0},
      {"Right", Qt::Key_Right, false, 2.0, unchanged, 1},
      {"Ctrl+Right", Qt::Key_Right, true, 2.0, [](int, int) { return QPoint(380, 600); }, 1},
      {"Up", Qt::Key_Up, false, 2.0, [](int, int) { return QPoint(400, 620); }, 0},
      {"Ctrl+Up", Qt::Key_Up, true, 2.0, unchanged, 0},
      {"Down", Qt::Key_Down, false, 2.0, [](int, int) { return QPoint(400, 580); }, 0},
      {"Ctrl+Down", Qt::Key_Down, true, 2.0, unchanged, 0},
  };
  return rows;
}

using KeyTableTest = WindowTest;

TEST_F(KeyTableTest, EveryRowWithTheCtrlFlagOffAndOn) {
  for (const KeyRow& row : keyRows()) {
    SCOPED_TRACE(row.name);
    window->keyUp(Qt::Key_Control);
    window->zoomTo(2.0, QPointF(0, 0));
    window->scrollTo(QPoint(400, 600));
    if (row.ctrl) window->keyDown(Qt::Key_Control);
    int dialogsBefore = ui.dialogsRun;

    window->keyDown(row.key);

    EXPECT_DOUBLE_EQ(window->view().viewState.zoom, row.zoom);
    std::optional<QPoint> expected =
        row.position(window->clientSize().height(), window->verticalBar()->maximum());
    if (expected) EXPECT_EQ(window->scrollPosition(), *expected);
    EXPECT_EQ(window->view().viewState.viewOffsetX, kPageMargin - window->horizontalBar()->value());
    EXPECT_EQ(window->view().viewState.viewOffsetY, kPageMargin - window->verticalBar()->value());
    EXPECT_EQ(ui.dialogsRun - dialogsBefore, row.libraryDialogs);
    EXPECT_EQ(window->ctrlFlag(), row.ctrl || row.key == Qt::Key_Control);
  }
}

TEST_F(KeyTableTest, ReleasingCtrlClearsTheFlag) {
  window->keyDown(Qt::Key_Control);
  window->keyUp(Qt::Key_Control);
  EXPECT_FALSE(window->ctrlFlag());
  window->keyDown(Qt::Key_PageUp);
  EXPECT_DOUBLE_EQ(window->view().viewState.zoom, 1.0) << "Page Up zoomed";
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

TEST_F(KeyTableTest, EndShowsTheBottomOfThePageAndHomeItsTop) {
  window->scrollTo(QPoint(30, 100));
  window->keyDown(Qt::Key_End);
  QSize client = window->clientSize();
  EXPECT_EQ(window->horizontalBar()->value(), 0);
  EXPECT_EQ(window->verticalBar()->value(), window->verticalBar()->maximum());
  EXPECT_EQ(window->pageRect().bottom() + 1 + kPageMargin, client.height());
  window->keyDown(Qt::Key_Home);
  EXPECT_EQ(window->verticalBar()->value(), 0);
  EXPECT_EQ(window->pageRect().top(), kPageMargin);
}

TEST_F(KeyTableTest, ZoomStepsStopAtTheBounds) {
  window->keyDown(Qt::Key_Control);
  for (double expected : {0.75, 0.5, 0.25, kMinZoom, kMinZoom}) {
    window->keyDown(Qt::Key_PageDown);
    EXPECT_DOUBLE_EQ(window->view().viewState.zoom, expected);
  }
  window->paintOffscreen();
  EXPECT_FALSE(window->pageRect().isEmpty()) << "the page vanished";
}

TEST_F(KeyTableTest, PageUpMovesTheViewWithTheBar) {
  window->scrollTo(QPoint(0, 100));
  int offsetBefore = window->view().viewState.viewOffsetY;
  window->keyDown(Qt::Key_PageUp);
  int moved = window->verticalBar()->value() - 100;
  EXPECT_GT(moved, 0);
  EXPECT_EQ(window->view().viewState.viewOffsetY, offsetBefore - moved);
}

}  // namespace
